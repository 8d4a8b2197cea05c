#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The fixed-width employee file of the import: lines of Windows Greek (code page 1253)
// text, columns counted from 1:
//
//   12-41   surname (30)
//   43-58   first name (16)
//   131     a digit on employee lines; headings, totals, blank and short lines have none
//   131-144 AFM (14)
struct AscEmployee {
    QString afm;
    QString name; // "surname first-name", ready to store
    bool operator==(const AscEmployee&) const = default;
};

// The longest name the employee table holds.
constexpr int AscNameLength = 30;

// The lines of the file's bytes: a line ends with CR LF, CR alone or LF alone; a last
// line without an end counts too, an empty end after the last line end does not.
QStringList SplitAscLines(const QByteArray& bytes);

// The lines of the file at path; nothing, with the system's reason in *error, when it
// cannot be read.
std::optional<QStringList> ReadAscFile(const QString& path, QString* error = nullptr);

// The employee of one line, or nothing when it is no employee line. The AFM and the two
// name parts are trimmed; the name is the surname, one blank and the first name, cut to
// AscNameLength characters; apostrophes become grave accents.
std::optional<AscEmployee> ParseAscLine(const QString& line);
