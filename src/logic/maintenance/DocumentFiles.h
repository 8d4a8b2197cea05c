#pragma once

#include <QImage>
#include <QString>
#include <optional>

// The documents shipped into the data folder: the version notes and the user manual.
inline const QString VersionNotesFile = QStringLiteral("Version.Txt");
inline const QString ManualFile = QStringLiteral("Manual.pdf");

// The text of the version notes: UTF-8, or the Greek code page 1253 of notes written by older
// tools. Nothing when the file cannot be read.
std::optional<QString> ReadVersionNotes(const QString& path);

// Where the ink of a page begins, as a share of its height from the top (0 for a blank
// page): the manual opens there, not on the blank top of its title page.
double FirstInkFraction(const QImage& page);
