#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

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

// An entry of a known size whose data the reader hands over in pieces, an empty piece at its
// end; a reader returns false when it failed (the reason in the zip's error).
struct ZipStreamEntry {
    QString name;
    qint64 size = 0;
    std::function<bool(QByteArray&)> read;
};

// As WriteZip, with the entries read piece by piece and deflated at the given level (1, the
// fastest, to 9, the smallest).
bool WriteZipStreams(const QString& zipPath, const QList<ZipStreamEntry>& entries, int compressionLevel,
                     QString* error);

// Archives one file under its own name, read from disk in pieces.
bool ZipFile(const QString& zipPath, const QString& filePath, QString* error);
