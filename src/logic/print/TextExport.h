#pragma once

#include <QString>

class PrintJob;
class QIODevice;

// The text files of a report. The paged file ("Αρχείο Asc") has pages of 66 lines like the
// printer's continuous paper: a header, the title lines, up to 63 written lines and two
// blank ones; a page ended early is filled up with blanks. The import file
// ("Αρχείο Import") holds the lines alone, with the same two blank lines after every 63.
// Lines end with CR LF.
enum TextExportKind { PagedTextFile = 1, ImportTextFile = 2 };

// Writes the whole file to out in the character set (ExportCharset); *lossy is set when a
// character could not be written in it.
void WriteTextExport(const PrintJob& job, int selected, int charset, QIODevice& out, bool* lossy = nullptr);

// Writes the whole file at path, which takes the place of an old file only once it is
// complete; false with the reason in *error.
bool WriteTextFile(const PrintJob& job, int selected, int charset, const QString& path, QString* error,
                   bool* lossy = nullptr);

// Asks for the file ("Prt.Asc" proposed), writes it and shows the completion box; fileName
// receives the full name written. False when nothing was written (cancelled or failed; a
// failure has been shown).
bool ToFile(const PrintJob& job, int selected, int charset, QString& fileName);

// The preview's "Αρχείο Asc" and "Αρχείο Import": asks for the character set, then ToFile.
void ExportToFile(const PrintJob& job, int selected);
