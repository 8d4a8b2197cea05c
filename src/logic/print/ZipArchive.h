#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Zip files written with libarchive: the parts of an office document, and the archive of an
// exported file that the e-mail export attaches. The file appears under its name only
// when it is complete.

struct ZipEntry {
    QString name; // path inside the archive, "/" between folders
    QByteArray data;
};

// Writes the entries in their order, each dated 1 January 1980; false with the reason in
// *error.
bool WriteZip(const QString& zipPath, const QList<ZipEntry>& entries, QString* error);

// Archives one file under its own name, read from disk in pieces.
bool ZipFile(const QString& zipPath, const QString& filePath, QString* error);
