#include "logic/records/AscFile.h"

#include "logic/core/text/DosGreek.h"
#include "logic/records/RecordKeys.h"

#include <QFile>
#include <QStringDecoder>

#include <string_view>

namespace {
constexpr int AfmColumn = 130; // 0-based index of position 131
constexpr int AfmLength = 14;

QString field(const QString& line, int position, int length) {
    return line.mid(position - 1, length).trimmed();
}
} // namespace

QStringList SplitAscText(const QString& text) {
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

QStringList SplitAscLines(const QByteArray& bytes) {
    return SplitAscText(FromWindowsGreek(bytes));
}

std::optional<QString> DecodeAscText(const QByteArray& bytes, QString* error) {
    const auto refuse = [&](qsizetype at, const QString& what) -> std::optional<QString> {
        if (error) {
            const qsizetype line = bytes.left(at).count('\n') + 1;
            *error = QStringLiteral(
                         "Το αρχείο δεν είναι αρχείο κειμένου με εργαζόμενους: %1 (byte %2, γραμμή %3). "
                         "Δεν εισήχθη τίποτα.")
                         .arg(what)
                         .arg(at + 1)
                         .arg(line);
        }
        return std::nullopt;
    };
    QByteArray body = bytes;
    // The end-of-file mark of old DOS programs, and what some tools pad after it.
    while (body.endsWith('\x1A') || (body.endsWith('\0') && body.contains('\x1A')))
        body.chop(1);
    for (qsizetype i = 0; i < body.size(); ++i) {
        const uchar byte = uchar(body.at(i));
        if (byte < 0x20 && byte != '\r' && byte != '\n' && byte != '\t' && byte != '\f')
            return refuse(
                i, QStringLiteral("έχει τον χαρακτήρα ελέγχου 0x%1").arg(byte, 2, 16, QLatin1Char('0')));
        if (byte == 0x7F)
            return refuse(i, QStringLiteral("έχει τον χαρακτήρα ελέγχου 0x7f"));
    }
    const bool byteOrderMark = body.startsWith("\xEF\xBB\xBF");
    bool beyondAscii = false;
    for (const char byte : body)
        beyondAscii = beyondAscii || uchar(byte) >= 0x80;
    if (byteOrderMark || beyondAscii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(QByteArrayView(body).sliced(byteOrderMark ? 3 : 0));
        if (!utf8.hasError())
            return text;
        if (byteOrderMark)
            return refuse(0, QStringLiteral("αρχίζει ως UTF-8 αλλά δεν είναι σωστό UTF-8"));
    }
    // The code page leaves these bytes without a character, and converters disagree on what
    // they become (ICU turns 0xAA into U+00AA): the bytes themselves are checked.
    static constexpr std::string_view undefinedInGreek =
        "\x81\x88\x8A\x8C\x8D\x8E\x8F\x90\x98\x9A\x9C\x9D\x9E\x9F\xAA\xD2\xFF";
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (undefinedInGreek.find(body.at(i)) != std::string_view::npos)
            return refuse(
                i, QStringLiteral("έχει byte που δεν υπάρχει στην ελληνική κωδικοσελίδα Windows 1253"));
    }
    QStringDecoder greek("windows-1253");
    const QString text = greek.decode(body);
    if (greek.hasError())
        return refuse(0, QStringLiteral("έχει byte που δεν υπάρχει στην ελληνική κωδικοσελίδα Windows 1253"));
    return text;
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
    const std::optional<QString> text = DecodeAscText(bytes, error);
    if (!text)
        return std::nullopt;
    return SplitAscText(*text);
}

bool AscAfmIsDigits(const QString& afm) {
    if (afm.isEmpty())
        return false;
    for (const QChar c : afm) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
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
