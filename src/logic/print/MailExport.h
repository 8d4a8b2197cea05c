#pragma once

#include <QString>

class PrintJob;

// The preview's "E-Mail": the report sent as the message text, as the paged text file
// attached, as that file in a zip archive, or as its PDF.

// The name of the zip archive of an exported file: the file's own name up to and including
// its first "." followed by "Zip" ("Report.Asc" gives "Report.Zip"), or the name followed by
// ".Zip" when it has none; the folder stays as it is.
QString ArchiveName(const QString& fileName);

// The message text of the "Κείμενο" choice: every title line and a rule, then every report
// line, each as wide as the report less one character.
QString MailBodyText(const PrintJob& job);

// Checks that the report is about one company, proposes its address (the accountant's
// address for a report of this program, which names no company), asks for the address and
// the form of the mail, prepares the file and sends the mail. Every outcome ends in a box:
// sent, or the reason it was not, with the mail server's own reply.
void ExportToEmail(const PrintJob& job);
