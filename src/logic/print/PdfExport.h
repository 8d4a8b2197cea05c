#pragma once

#include <QString>
#include <functional>

class PrintJob;

// The PDF of a report: every page laid out as the preview lays it out at its normal size
// (whatever the zoom on screen) and drawn by the same page drawing as the printer, as text
// in the embedded report font, one PDF page per report page on an A4 sheet turned as the
// report's page.

// Writes the PDF; false with the reason in *error. pages receives the number written;
// progress(lines laid out, all lines) is told after every page.
bool WritePdf(const PrintJob& job, const QString& path, QString* error, int* pages = nullptr,
              const std::function<void(int done, int total)>& progress = {});

// The preview's "Αρχείο Pdf" (fromMenu, which ends with message 43) and the PDF of the
// e-mail export: proposes "Prt.pdf" with the output-file dialog and writes it. Returns the
// file written, "" when no name was chosen or writing failed (the failure has been shown).
QString ExportToPdf(const PrintJob& job, bool fromMenu);
