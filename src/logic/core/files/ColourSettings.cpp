#include "logic/core/files/ColourSettings.h"

#include <QFile>
#include <QtEndian>

namespace {

// The defaults are the classic 16-colour palette numbers 0 (black), 7 (light grey),
// 9 (light blue), 12 (light red) and 15 (white), stored as the colour values they name.
// Taken as raw 0x00BBGGRR numbers they would all be near-black and every window would show
// black text on a black background.
constexpr quint32 Black = 0x000000;
constexpr quint32 LightGrey = 0xC0C0C0;
constexpr quint32 LightBlue = 0xFF0000;
constexpr quint32 LightRed = 0x0000FF;
constexpr quint32 White = 0xFFFFFF;

quint32 colourAt(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

} // namespace

ColourSettings ColourSettings::defaults() {
    ColourSettings c;
    c.LabelFore = Black;
    c.FieldFore = Black;
    c.PreviewHeader = Black;
    c.PreviewTextEven = LightRed;
    c.PreviewTextOdd = LightBlue;
    c.MainBack = LightBlue;
    c.WindowBack = LightGrey;
    c.LabelBack = LightGrey;
    c.FieldBack = White;
    c.PreviewPage = White;
    c.PreviewFillEven = White;
    c.PreviewFillOdd = White;
    for (QByteArray& text : c.Texts)
        text = QByteArray(10, ' ');
    c.Table = QByteArray(9000, '\1');
    return c;
}

ColourSettings ColourSettings::fromBytes(const QByteArray& bytes) {
    ColourSettings c;
    if (bytes.size() < FileSize)
        return defaults();
    quint32* colours[] = {&c.Slot1,           &c.Slot2,           &c.LabelFore,      &c.FieldFore,
                          &c.PreviewHeader,   &c.PreviewTextEven, &c.PreviewTextOdd, &c.MainBack,
                          &c.WindowBack,      &c.LabelBack,       &c.FieldBack,      &c.PreviewPage,
                          &c.PreviewFillEven, &c.PreviewFillOdd,  &c.Slot15};
    int offset = 0;
    for (quint32* colour : colours) {
        *colour = colourAt(bytes, offset);
        offset += 4;
    }
    for (QByteArray& text : c.Texts) {
        text = bytes.mid(offset, 10);
        offset += 10;
    }
    c.Table = bytes.mid(offset, 9000);
    return c;
}

QColor ToQColor(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

ColourSettings ReadColourSettings(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < ColourSettings::FileSize)
        return ColourSettings::defaults();
    const QByteArray bytes = file.read(ColourSettings::FileSize);
    if (bytes.size() < ColourSettings::FileSize)
        return ColourSettings::defaults();
    return ColourSettings::fromBytes(bytes);
}
