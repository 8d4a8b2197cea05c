#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <array>

// Param.Bt, the colour settings, read once at start-up and never written. Each colour is a
// 32-bit little-endian value 0x00BBGGRR, applied unchanged.
//
//   offset  size   content
//        0     4   colour slot 1 (unused)
//        4     4   colour slot 2 (unused)
//        8     4   label fore colour
//       12     4   field fore colour (also the grid selection background)
//       16     4   preview header colour
//       20     4   preview text colour, even line index
//       24     4   preview text colour, odd line index
//       28     4   main window background
//       32     4   window background
//       36     4   label back colour
//       40     4   field back colour (also the grid selection text)
//       44     4   preview page colour
//       48     4   preview fill colour, even line index
//       52     4   preview fill colour, odd line index
//       56     4   colour slot 15 (unused)
//       60   100   ten unused text fields of 10 single-byte characters
//      160  9000   unused byte table of 9 x 1000 entries
struct ColourSettings {
    static constexpr int FileSize = 9160;

    quint32 Slot1 = 0;
    quint32 Slot2 = 0;
    quint32 LabelFore = 0;
    quint32 FieldFore = 0;
    quint32 PreviewHeader = 0;
    quint32 PreviewTextEven = 0;
    quint32 PreviewTextOdd = 0;
    quint32 MainBack = 0;
    quint32 WindowBack = 0;
    quint32 LabelBack = 0;
    quint32 FieldBack = 0;
    quint32 PreviewPage = 0;
    quint32 PreviewFillEven = 0;
    quint32 PreviewFillOdd = 0;
    quint32 Slot15 = 0;
    std::array<QByteArray, 10> Texts;
    QByteArray Table; // 9000 bytes, first index varying fastest

    // The built-in colours, used when Param.Bt is missing or shorter than a record.
    static ColourSettings defaults();
    // Reads a record; bytes must hold at least FileSize bytes.
    static ColourSettings fromBytes(const QByteArray& bytes);

    bool operator==(const ColourSettings&) const = default;
};

// A stored colour value (0x00BBGGRR) as a QColor.
QColor ToQColor(quint32 bgr);

// Reads Param.Bt from the data folder: the record when the file holds at least FileSize
// bytes, the defaults otherwise (also when it is missing or unreadable).
ColourSettings ReadColourSettings(const QString& path);
