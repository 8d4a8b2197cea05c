#pragma once

#include <QString>

// Prints the pages of a PDF file (a proof of submission) after the printer dialog, each
// page drawn to fit the paper. False when the file cannot be read, the dialog is cancelled
// or the printer cannot start.
bool PrintPdfFile(const QString& path);
