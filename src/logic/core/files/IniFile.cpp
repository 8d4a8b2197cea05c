#include "logic/core/files/IniFile.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString TrimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin).toString();
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "[Name]" gives "Name"; anything else nothing.
std::optional<QString> SectionName(const QString& trimmed) {
    if (trimmed.size() < 2 || !trimmed.startsWith(u'[') || !trimmed.endsWith(u']'))
        return std::nullopt;
    return TrimBlanks(QStringView(trimmed).mid(1, trimmed.size() - 2));
}

bool IsComment(const QString& trimmed) {
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// The text between the quotes of a quoted value, unescaped; nothing when the text is not
// one quoted value (a quote inside it without its backslash).
std::optional<QString> Unquoted(const QString& written) {
    if (written.size() < 2 || !written.startsWith(u'"') || !written.endsWith(u'"'))
        return std::nullopt;
    QString value;
    value.reserve(written.size());
    const qsizetype end = written.size() - 1;
    for (qsizetype i = 1; i < end; ++i) {
        const QChar c = written.at(i);
        if (c == u'"')
            return std::nullopt;
        if (c == u'\\' && i + 1 < end && (written.at(i + 1) == u'"' || written.at(i + 1) == u'\\')) {
            value += written.at(++i);
            continue;
        }
        // A final backslash would have escaped the closing quote.
        if (c == u'\\' && i + 1 == end)
            return std::nullopt;
        value += c;
    }
    return value;
}

} // namespace

QString QuotedIniValue(const QString& value) {
    QString escaped = value;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

QString ReadIniValue(const QString& written) {
    const QString trimmed = TrimBlanks(written);
    return Unquoted(trimmed).value_or(trimmed);
}

IniFile IniFile::fromText(const QString& text) {
    IniFile file;
    QStringView rest(text);
    if (rest.startsWith(QChar(0xFEFF))) {
        file.m_bom = true;
        rest = rest.mid(1);
    }
    file.m_crlf = rest.contains(u"\r\n");
    file.m_finalNewline = rest.isEmpty() || rest.endsWith(u'\n');
    QString section;
    const QList<QStringView> lines = rest.split(u'\n');
    const qsizetype count = file.m_finalNewline && !lines.isEmpty() ? lines.size() - 1 : lines.size();
    for (qsizetype i = 0; i < count; ++i) {
        QStringView raw = lines.at(i);
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        Line line{raw.toString(), section, {}};
        const QString trimmed = TrimBlanks(raw);
        if (const std::optional<QString> name = SectionName(trimmed)) {
            section = *name;
            line.section = section;
        } else if (!trimmed.isEmpty() && !IsComment(trimmed)) {
            const qsizetype equals = trimmed.indexOf(u'=');
            if (equals > 0)
                line.key = TrimBlanks(QStringView(trimmed).left(equals));
        }
        file.m_lines.push_back(std::move(line));
    }
    return file;
}

std::optional<IniFile> IniFile::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.exists())
        return IniFile();
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return fromText(QString::fromUtf8(file.readAll()));
}

QString IniFile::text() const {
    const QString lineEnd = m_crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text;
    if (m_bom)
        text += QChar(0xFEFF);
    for (size_t i = 0; i < m_lines.size(); ++i) {
        text += m_lines[i].text;
        if (i + 1 < m_lines.size() || m_finalNewline)
            text += lineEnd;
    }
    return text;
}

bool IniFile::save(const QString& path, QString* error) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text().toUtf8()) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<qsizetype> IniFile::findEntry(const QString& section, const QString& key) const {
    for (qsizetype i = qsizetype(m_lines.size()) - 1; i >= 0; --i) {
        const Line& line = m_lines[size_t(i)];
        if (!line.key.isEmpty() && SameName(line.key, key) && SameName(line.section, section))
            return i;
    }
    return std::nullopt;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const {
    const std::optional<qsizetype> index = findEntry(section, key);
    if (!index)
        return std::nullopt;
    const QString& text = m_lines[size_t(*index)].text;
    return ReadIniValue(text.mid(text.indexOf(u'=') + 1));
}

std::vector<IniFile::Entry> IniFile::entries() const {
    std::vector<Entry> entries;
    for (const Line& line : m_lines) {
        if (!line.key.isEmpty())
            entries.push_back(
                {line.section, line.key, ReadIniValue(line.text.mid(line.text.indexOf(u'=') + 1))});
    }
    return entries;
}

std::optional<qsizetype> IniFile::endOfSection(const QString& section) const {
    std::optional<qsizetype> end;
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        const Line& line = m_lines[size_t(i)];
        // The section's last line that is not blank: new keys go before the gap that
        // separates it from the next section.
        if (SameName(line.section, section) && !TrimBlanks(line.text).isEmpty() &&
            (!SectionName(TrimBlanks(line.text)) || !end))
            end = i + 1;
    }
    return end;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value,
                       const QStringList& comment) {
    if (const std::optional<qsizetype> index = findEntry(section, key)) {
        Line& line = m_lines[size_t(*index)];
        // The key keeps its place and spelling; only what follows "=" changes.
        const qsizetype equals = line.text.indexOf(u'=');
        line.text = line.text.left(equals + 1) + QuotedIniValue(value);
        return;
    }
    std::vector<Line> added;
    std::optional<qsizetype> at = endOfSection(section);
    if (!at) {
        if (!m_lines.empty() && !TrimBlanks(m_lines.back().text).isEmpty())
            added.push_back({QString(), m_lines.back().section, {}});
        added.push_back({u'[' + section + u']', section, {}});
        at = qsizetype(m_lines.size());
    }
    for (const QString& line : comment)
        added.push_back({QStringLiteral("; ") + line, section, {}});
    added.push_back({key + u'=' + QuotedIniValue(value), section, key});
    m_lines.insert(m_lines.begin() + *at, added.begin(), added.end());
}
