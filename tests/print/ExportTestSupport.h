#pragma once

#include "JobBuilder.h"
#include "logic/print/PrintJob.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringEncoder>
#include <archive.h>
#include <archive_entry.h>

// Helpers of the export tests: the lines of a written file and the parts of a zip.
namespace ExportTestSupport {

// The lines of a file whose lines all end with CR LF; an empty list when one does not.
inline QList<QByteArray> CrLfLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype from = 0;
    while (from < bytes.size()) {
        const qsizetype end = bytes.indexOf("\r\n", from);
        if (end < 0)
            return {};
        const QByteArray line = bytes.mid(from, end - from);
        if (line.contains('\n') || line.contains('\r'))
            return {};
        lines << line;
        from = end + 2;
    }
    return lines;
}

inline QByteArray Cp1253(const QString& text) {
    QStringEncoder encoder("windows-1253");
    return encoder.encode(text);
}

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The entries of a zip file in their order, read back with libarchive.
struct ZipContents {
    QStringList names;
    QMap<QString, QByteArray> data;
    QString error;
};

inline ZipContents ReadZip(const QString& path) {
    ZipContents contents;
    archive* a = archive_read_new();
    archive_read_support_format_zip(a);
    archive_read_set_options(a, "zip:hdrcharset=UTF-8");
    if (archive_read_open_filename(a, QFile::encodeName(path).constData(), 1 << 16) != ARCHIVE_OK) {
        contents.error = QString::fromLocal8Bit(archive_error_string(a));
        archive_read_free(a);
        return contents;
    }
    archive_entry* entry = nullptr;
    int status;
    while ((status = archive_read_next_header(a, &entry)) == ARCHIVE_OK) {
        const QString name = QString::fromUtf8(archive_entry_pathname_utf8(entry));
        QByteArray data;
        char buffer[1 << 14];
        la_ssize_t n;
        while ((n = archive_read_data(a, buffer, sizeof buffer)) > 0)
            data.append(buffer, n);
        if (n < 0)
            contents.error = QString::fromLocal8Bit(archive_error_string(a));
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) != data.size())
            contents.error = QStringLiteral("size of %1 differs from its data").arg(name);
        contents.names << name;
        contents.data.insert(name, data);
    }
    if (status != ARCHIVE_EOF)
        contents.error = QString::fromLocal8Bit(archive_error_string(a));
    archive_read_free(a);
    return contents;
}

} // namespace ExportTestSupport
