#pragma once

#include <QString>
#include <QStringList>

// The user manual: its chapters written in Markdown (docs/manual, one file a chapter, in the
// order of their names) laid out as a book of A4 pages and written as a PDF. Every chapter
// starts on a new page; the first file is the title page, followed by the contents with the
// page of each chapter; the pictures the chapters name ("pictures/Main.png") come from the
// pictures folder and are fitted to the width of the text, with their description under them.
struct ManualResult {
    QString error; // "" when the PDF was written
    int pages = 0;
    QStringList chapters; // the title of every chapter after the title page
};

ManualResult WriteManual(const QString& chaptersFolder, const QString& picturesFolder,
                         const QString& pdfPath);
