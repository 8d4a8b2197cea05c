#include "logic/maintenance/DocumentFiles.h"

#include <QFile>
#include <QStringDecoder>

std::optional<QString> ReadVersionNotes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError()) {
        QStringDecoder greek("windows-1253");
        text = greek(bytes);
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}
