#include "logic/core/text/DosGreek.h"

#include "logic/core/program/ProgramValues.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray BuildDosGreekTable() {
    QByteArray table(256, '\0');
    auto set = [&table](int index, int value) { table[index] = char(quint8(value)); };
    for (int i = 0; i <= 127; ++i)
        set(i, i);
    for (int i = 128; i <= 175; ++i)
        set(i, i + 48);
    for (int i = 176; i <= 192; ++i)
        set(i, i + 58);
    // Capitals: Α..Ρ onto 128..144, Σ..Ω onto 145..151 (209 is the unused capital final sigma).
    for (int i = 193; i <= 217; ++i)
        set(i, i <= 209 ? i - 65 : i - 66);
    for (int i = 225; i <= 248; ++i) {
        if (i == 242)
            set(i, 170); // final sigma
        else if (i == 243)
            set(i, 169); // sigma
        else
            set(i, i - 73);
    }
    const int singles[][2] = {{249, 224}, {220, 225}, {221, 226}, {222, 227}, {223, 229},
                              {252, 230}, {253, 231}, {254, 233}, {210, 228}, {218, 232},
                              {219, 251}, {224, 252}, {250, 253}, {251, 254}, {255, 255}};
    for (const auto& single : singles)
        set(single[0], single[1]);
    return table;
}

QByteArray ToDosGreek(const QByteArray& windowsGreek, int mode) {
    if (mode != 2)
        return windowsGreek;
    const QByteArray& table =
        Program.DosGreekTable.size() == 256 ? Program.DosGreekTable : BuildDosGreekTable();
    QByteArray dos = windowsGreek;
    for (char& byte : dos)
        byte = table.at(quint8(byte));
    return dos;
}

QByteArray ToWindowsGreek(const QString& text) {
    QStringEncoder encoder("windows-1253");
    return encoder.encode(text);
}

QString FromWindowsGreek(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1253");
    return decoder.decode(bytes);
}
