#pragma once

#include <QByteArray>
#include <QString>

// The 256-byte table that maps a Windows Greek (code page 1253) byte to its DOS Greek
// (code page 737) byte.
QByteArray BuildDosGreekTable();

// Text for a DOS file: in mode 2 every Windows Greek byte is replaced through
// Program.DosGreekTable; any other mode leaves the bytes as they are.
QByteArray ToDosGreek(const QByteArray& windowsGreek, int mode);

// Encodes text as Windows Greek (code page 1253); characters it cannot hold become "?".
QByteArray ToWindowsGreek(const QString& text);
QString FromWindowsGreek(const QByteArray& bytes);
