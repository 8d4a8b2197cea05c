#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Orva.ini as its lines. A value is everything after the first "=", blanks around it
// removed, so ";", ",", "#" and "=" are part of it; a value written between double quotes
// keeps its blanks and reads \" and \\ as a quote and a backslash. Only whole lines that
// begin with ";" or "#" are comments. Sections and keys match whatever their case.
// Writing a value changes its own line alone: comments, blank lines, unknown keys and the
// file's line ends stay as they were.
class IniFile {
public:
    // Empty when the file cannot be read (a missing file reads as empty, without error).
    static std::optional<IniFile> load(const QString& path, QString* error = nullptr);
    static IniFile fromText(const QString& text);

    QString text() const;
    // Written whole or not at all.
    bool save(const QString& path, QString* error = nullptr) const;

    // The value of a key, nothing when the key is not in the file. Of a key written twice
    // in a section the last line counts.
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Changes the key's line, or adds it at the end of its section (the section at the
    // end of the file when it is not there yet), with the comment lines above it.
    void setValue(const QString& section, const QString& key, const QString& value,
                  const QStringList& comment = {});

    // The section of every key in the file with the key's name, as written.
    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    std::vector<Entry> entries() const;

private:
    struct Line {
        QString text;
        QString section; // the section the line belongs to
        QString key;     // empty for lines that are not entries
    };
    std::optional<qsizetype> findEntry(const QString& section, const QString& key) const;
    std::optional<qsizetype> endOfSection(const QString& section) const;

    std::vector<Line> m_lines;
    bool m_crlf = false;
    bool m_bom = false;
    bool m_finalNewline = true;
};

// How a value is written after "key=": between quotes with \" and \\ escaped, so that it
// reads back exactly, blanks and quotes included.
QString QuotedIniValue(const QString& value);
// The value written after "key=" as the program reads it.
QString ReadIniValue(const QString& written);
