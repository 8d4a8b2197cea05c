#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class PrintJob;
struct ZipEntry;

// The Word document of a report (.docx): every line a paragraph in "Courier New", pages of
// a fixed number of lines, each opening with the page header and the title lines.

// Page of the document for a report width: turned sideways above 132 columns, the font as
// large as the width allows and the lines a page holds at that size: as many single-spaced
// lines of the report font as the height between the margins takes, the page header and the
// title lines included.
struct WordPage {
    bool landscape = false;
    int fontSize = 0;      // points
    double lineHeight = 0; // points
    int capacity = 0;      // lines
};
WordPage WordPageFor(int width);

// The parts of the document, "[Content_Types].xml" first.
QList<ZipEntry> WordDocumentParts(const PrintJob& job);

// Writes the document; false with the reason in *error.
bool WriteWordDocument(const PrintJob& job, const QString& path, QString* error);

// The preview's "Word Doc": asks for the file ("Prt.docx" proposed), writes it and shows the
// completion box, or the reason it failed.
void ExportToWord(const PrintJob& job);
