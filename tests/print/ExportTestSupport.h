#pragma once

#include "JobBuilder.h"
#include "logic/print/PrintJob.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringEncoder>

// Helpers of the export tests: the lines of a written file in its code page.
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

} // namespace ExportTestSupport
