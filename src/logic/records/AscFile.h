#pragma once

#include <QByteArray>
#include <QList>
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

// The lines of a text: a line ends with CR LF, CR alone or LF alone; a last line without an
// end counts too, an empty end after the last line end does not.
QStringList SplitAscText(const QString& text);
// The lines of the file's bytes read as Windows Greek.
QStringList SplitAscLines(const QByteArray& bytes);

// The text of an import file. The file is Windows Greek, or UTF-8 as spreadsheets and
// editors save it (a byte-order mark, or letters beyond ASCII that all read as UTF-8).
// Nothing, with the reason in Greek in *error, when the bytes are not text at all: a NUL or
// another control byte besides the line ends, tabs and page breaks (and the end-of-file
// mark of old DOS files at the end), or a byte the Greek code page does not have. Such a
// file (a picture, a PDF, a spreadsheet's own file) is never read line by line.
std::optional<QString> DecodeAscText(const QByteArray& bytes, QString* error = nullptr);

// The lines of an import file, each decoded when it is asked for: a file of a hundred thousand
// employees is never held as a hundred thousand strings.
class AscLines {
public:
    qsizetype size() const { return m_lines.size(); }
    QString at(qsizetype index) const;
    QStringList toList() const;

    // Where a line starts in the file's bytes or text, and its length.
    struct Span {
        qsizetype start;
        qsizetype length;
    };

private:
    friend std::optional<AscLines> ReadAscFile(const QString& path, QString* error);
    QByteArray m_greek; // the file's bytes of the Greek code page, or
    QString m_text;     // its text, when it had to be decoded whole
    QList<Span> m_lines;
};

// The lines of the file at path; nothing, with the reason in *error, when it cannot be read
// or is not text.
std::optional<AscLines> ReadAscFile(const QString& path, QString* error = nullptr);

// Whether the AFM of an employee line is a tax number at all: digits only.
bool AscAfmIsDigits(const QString& afm);

// The employee of one line, or nothing when it is no employee line. The AFM and the two
// name parts are trimmed; the name is the surname, one blank and the first name, cut to
// AscNameLength characters; apostrophes become grave accents.
std::optional<AscEmployee> ParseAscLine(const QString& line);
