#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

class PrintJob;

// What the file exports of the preview share: the width of an exported line, the character
// sets, the save dialog with its folder memory and the boxes at the end.

// The characters of an exported line: the report's own width, without the two border
// columns of the boxed grid.
int ExportWidth(const PrintJob& job);

// Character sets of the text exports.
enum ExportCharset { WindowsGreek = 1, DosGreek = 2 };

// Text as bytes of the file: Windows Greek (code page 1253), or DOS Greek (code page 737)
// for the Dos choice. A character neither code page holds is written as "?", so that the
// columns stay where they are; *lossy is then set.
QByteArray EncodeExportText(const QString& text, int charset, bool* lossy = nullptr);

// x rounded to the nearest whole number, halves to the even one.
int RoundHalfEven(double x);

// The lines that open a page of an exported file: with doAll the page header (company,
// work date and page number, counted in pageNumber) when the report has one, then the
// report title centred between two rules and the column titles followed by a rule.
QStringList ExportTitleLines(const PrintJob& job, bool doAll, int& pageNumber);

// The save dialog of the file exports ("Ονομα αρχείου εκτύπωσης"): proposes the default
// name in the folder of the last export (the data folder before the first), remembers the
// chosen folder and asks before an existing file is replaced. Nothing when the user
// cancelled either; a cancelled dialog is reported in a box.
std::optional<QString> AskExportFile(const QString& defaultName, const QStringList& filters);

// The line about characters a code page could not hold.
QString LossyExportText();
// "Η μεταφορά ολοκληρώθηκε." (with the line about unwritable characters when lossy).
void ShowExportDone(bool lossy = false);
// The reason an export failed, in an error box.
// An export file that could not be written: why, in Greek, and the library's own text under
// «Λεπτομέρειες».
void ShowExportError(const QString& path, const QString& technical);

// Removes characters that have no place in a text line (control characters other than the
// tab), as a report line may carry them from the database.
QString PrintableText(const QString& text);
// Whether the text holds a character PrintableText removes.
bool HasUnprintable(QStringView text);
