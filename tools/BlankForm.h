#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// A blank official form as its description gives it, and its drawing on a full A4 page.
//
// A description is a text file of "keyword: value" lines, drawn top to bottom:
//   title:      the form's title, large and centred (more than one line allowed)
//   subtitle:   a line under the title
//   landscape   the page lies on its side
//   authority:  a line of the issuing authority, top left
//   corner:     small labelled boxes at the top right, "|" between them
//   code:       the form's code, framed at the top right
//   section:    a dark bar with the section's heading
//   fields:     labelled boxes side by side, "|" between them; "Label*3" is three times as
//               wide as "Label", "Label#9" has nine cells for digits (AFM, dates)
//   checks:     tick boxes side by side, "|" between them
//   table:      the column headings of a table, widths as in fields; then
//   rows:       the number of rows of the table above, or "fill" for the rest of the page
//   lines:      N [label]: ruled lines to write on
//   text:       a paragraph of small print
//   signatures: signature places side by side, "|" between them, with place and date
//   gap:        empty space in millimetres
//   note:       small print at the foot of the page
// Lines starting with "#" are comments.
struct FormCell {
    QString label;
    double weight = 1;
    int digits = 0; // cells for digits, 0 for a plain box
};

struct FormBlock {
    enum Kind { Section, Fields, Checks, Table, Lines, Text, Signatures, Gap };
    Kind kind = Gap;
    QString text;
    QList<FormCell> cells;
    int count = 0;     // rows of a table, lines to write on
    bool fill = false; // a table that takes the rest of the page
    double millimetres = 0;
};

struct BlankFormDescription {
    QStringList title;
    QString subtitle;
    bool landscape = false;
    QStringList authority;
    QStringList corner;
    QString code;
    QList<FormBlock> blocks;
    QStringList notes;
};

// Reads a description; *error gets the line that could not be read.
BlankFormDescription ParseBlankForm(const QString& text, QString* error = nullptr);

// A4 at the given resolution, on its side for a landscape form.
QSize FormPageSize(bool landscape, int dotsPerInch);

// Draws the form on a white greyscale page of A4 at the resolution. Boxes and lines are made
// lower when the form is long; *fits is false when it still runs past the foot of the page.
QImage DrawBlankForm(const BlankFormDescription& form, int dotsPerInch, bool* fits = nullptr);
