#include "logic/records/AscFile.h"

#include "logic/core/text/DosGreek.h"
#include "logic/records/RecordKeys.h"

#include <QFile>

namespace {
constexpr int AfmColumn = 130; // 0-based index of position 131
constexpr int AfmLength = 14;

QString field(const QString& line, int position, int length) {
    return line.mid(position - 1, length).trimmed();
}
} // namespace

QStringList SplitAscLines(const QByteArray& bytes) {
    const QString text = FromWindowsGreek(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

std::optional<QStringList> ReadAscFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return SplitAscLines(bytes);
}

std::optional<AscEmployee> ParseAscLine(const QString& line) {
    if (line.size() <= AfmColumn)
        return std::nullopt;
    const QChar first = line.at(AfmColumn);
    if (first < QLatin1Char('0') || first > QLatin1Char('9'))
        return std::nullopt;
    const QString surname = field(line, 12, 30);
    const QString firstName = field(line, 43, 16);
    AscEmployee employee;
    employee.afm = WithGraveAccents(line.mid(AfmColumn, AfmLength).trimmed());
    employee.name = WithGraveAccents((surname + QLatin1Char(' ') + firstName).left(AscNameLength));
    return employee;
}
