#!/usr/bin/python3
# The peer of the command line's Excel export in the benchmark: python3-xlsxwriter writes the
# same report lines, cut into the same cells, in its constant-memory mode.
#     xlsx_peer.py LINES.txt OUT.xlsx
# LINES.txt holds one report line a row in UTF-8, preceded by its layout digit and a blank.
import sys

import xlsxwriter

# The entry index's two layouts: (start, width) of each cell, counted from 0.
LAYOUTS = {"1": [(0, 161)], "2": [(0, 10), (11, 14), (26, 31)]}
TITLES = ["Ημερομηνία", "Α.Φ.Μ.", "Εργαζόμενος"]

book = xlsxwriter.Workbook(sys.argv[2], {"constant_memory": True})
sheet = book.add_worksheet()
text = book.add_format({"font_name": "Courier New", "font_size": 10, "num_format": "@", "align": "left"})
title = book.add_format({"font_name": "Courier New", "font_size": 10, "bold": True, "font_color": "red"})
for column, caption in enumerate(TITLES):
    sheet.write_string(0, column, caption, title)
row = 1
with open(sys.argv[1], encoding="utf-8") as lines:
    for line in lines:
        layout, visible = line[0], line[2:].rstrip("\n")
        for column, (start, width) in enumerate(LAYOUTS[layout]):
            cell = visible[start:start + width].strip()
            if cell:
                sheet.write_string(row, column, cell, text)
        row += 1
sheet.set_column(0, 25, 20, text)
book.close()
