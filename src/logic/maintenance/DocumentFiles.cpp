#include "logic/maintenance/DocumentFiles.h"

#include <QFile>
#include <QPainter>
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

double FirstInkFraction(const QImage& page) {
    // A rendered page may leave its paper transparent: it is laid on white first.
    QImage paper(page.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    {
        QPainter painter(&paper);
        painter.drawImage(0, 0, page);
    }
    const QImage grey = paper.convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            // Lighter than this is paper, or the faint edge of a picture.
            if (line[x] < 200)
                return double(y) / grey.height();
        }
    }
    return 0;
}
