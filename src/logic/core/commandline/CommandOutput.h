#pragma once

#include <QString>

// Where a command writes the file it makes. A regular file is written beside its place under
// a temporary name and renamed over it once whole. Standard output ("-"), a device, a pipe or
// a link into the program's open files (/dev/stdout) is no file to replace: the bytes are
// written straight into it.
enum class OutputKind { RegularFile, Direct, StandardOutput };

OutputKind KindOfOutput(const QString& path);

// Writes the bytes of the file `made` into the output at path (fd 1 for "-"), checking
// every write; "" when all went in, else the reason in Greek.
QString SendToOutput(const QString& made, const QString& path);
