#pragma once

#include <QString>
#include <functional>
#include <optional>

class PrintJob;

// The Excel workbook of a report (.xlsx): the column titles as red bold header rows, then
// every report line as a row cut into the cells of its column layout. The sheet is written
// row by row to disk (the library's constant-memory mode), so a report of 64,000 lines is
// never held a second time.

// The value of a cell text that holds a decimal comma and reads as a number in the Greek
// format ("1.234,50" is 1234.5); nothing for any other text ("12345" stays text).
std::optional<double> GreekDecimalNumber(const QString& text);

// Writes the workbook; false with the reason in *error. progress(lines written, all lines)
// is told every few hundred lines.
bool WriteExcelWorkbook(const PrintJob& job, const QString& path, QString* error,
                        const std::function<void(int done, int total)>& progress = {});

// The preview's "Excel Sheet": asks for the file ("Prt.xlsx" proposed), writes it and shows
// the completion box, or the reason it failed.
void ExportToExcel(const PrintJob& job);
