#include "logic/records/AscFile.h"

#include "logic/core/program/LargePages.h"
#include "logic/core/text/DosGreek.h"
#include "logic/records/RecordKeys.h"

#include <QFile>
#include <QStringDecoder>

#include <array>
#include <string_view>

namespace {
constexpr int AfmColumn = 130; // 0-based index of position 131
constexpr int AfmLength = 14;

// What a byte of an import file is: ASCII text, a control byte that no text holds, a letter
// of the Greek code page (or a part of a UTF-8 character), or a byte the code page lacks.
// The classes are bits, so that a file's bytes can be told apart in one sweep.
enum ByteClass : uchar { Plain = 0, Control = 1, Greek = 2, Undefined = 4 };

// The class of every byte, and its character in the Greek code page as the system's
// converter reads it, asked once; complete when the converter gave one character for each
// byte the code page has.
struct ByteClasses {
    std::array<ByteClass, 256> of{};
    std::array<QChar, 256> character{};
    bool complete = true;
};

const ByteClasses& byteClasses() {
    static const ByteClasses classes = [] {
        static constexpr std::string_view undefinedInGreek =
            "\x81\x88\x8A\x8C\x8D\x8E\x8F\x90\x98\x9A\x9C\x9D\x9E\x9F\xAA\xD2\xFF";
        ByteClasses made;
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            if ((byte < 0x20 && c != '\r' && c != '\n' && c != '\t' && c != '\f') || byte == 0x7F) {
                made.of[byte] = Control;
            } else if (byte < 0x80) {
                made.of[byte] = Plain;
                made.character[byte] = QLatin1Char(c);
            } else if (undefinedInGreek.find(c) != std::string_view::npos) {
                made.of[byte] = Undefined;
            } else {
                made.of[byte] = Greek;
                QStringDecoder greek("windows-1253");
                const QString one = greek.decode(QByteArrayView(&c, 1));
                if (greek.hasError() || one.size() != 1)
                    made.complete = false;
                else
                    made.character[byte] = one.at(0);
            }
        }
        return made;
    }();
    return classes;
}

// Whether the bytes may be UTF-8: false at the first byte that cannot be, which in a file of
// the Greek code page is its first letter, so that such a file is not decoded twice. The
// decoder has the last word on the bytes this lets through.
bool mayBeUtf8(QByteArrayView bytes) {
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar lead = uchar(bytes.at(i++));
        if (lead < 0x80)
            continue;
        const int following = lead >= 0xC2 && lead <= 0xDF   ? 1
                              : lead >= 0xE0 && lead <= 0xEF ? 2
                              : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                             : -1;
        if (following < 0 || i + following > bytes.size())
            return false;
        for (int k = 0; k < following; ++k) {
            if ((uchar(bytes.at(i++)) & 0xC0) != 0x80)
                return false;
        }
    }
    return true;
}

QStringView field(const QString& line, int position, int length) {
    return QStringView(line).mid(position - 1, length).trimmed();
}
} // namespace

namespace {
// Where each line of a text starts and how long it is: a line ends with CR LF, CR or LF.
template <typename Text> QList<AscLines::Span> lineSpans(const Text& text) {
    QList<AscLines::Span> spans;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        spans.append({start, i - start});
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        spans.append({start, text.size() - start});
    return spans;
}
} // namespace

QStringList SplitAscText(const QString& text) {
    QStringList lines;
    for (const auto& [start, length] : lineSpans(text))
        lines.append(text.mid(start, length));
    return lines;
}

QStringList SplitAscLines(const QByteArray& bytes) {
    return SplitAscText(FromWindowsGreek(bytes));
}

namespace {

// A file's bytes found to be text: decoded whole, or (the common case, and the larger files)
// the bytes of the Greek code page, which the table of byteClasses turns into text.
struct CheckedBytes {
    std::optional<QString> text;
    QByteArrayView greek;
};

std::optional<CheckedBytes> checkAscBytes(const QByteArray& bytes, QString* error) {
    const auto refuse = [&](qsizetype at, const QString& what) -> std::optional<CheckedBytes> {
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
    QByteArrayView body = bytes;
    // The end-of-file mark of old DOS programs, and what some tools pad after it.
    while (body.endsWith('\x1A') || (body.endsWith('\0') && body.contains('\x1A')))
        body.chop(1);
    // One pass over the bytes: the first control byte refuses the file whatever it holds
    // besides; letters beyond ASCII and the first byte the Greek code page lacks decide how
    // it is read.
    const ByteClasses& classes = byteClasses();
    // Most files hold text only: the classes of all bytes at once, without a branch a byte;
    // the first offending byte is looked for only in a file that has one.
    uchar seen = Plain;
    for (const char byte : body)
        seen |= classes.of[uchar(byte)];
    bool beyondAscii = (seen & Greek) != 0;
    qsizetype firstUndefined = -1;
    for (qsizetype i = 0; (seen & (Control | Undefined)) != 0 && i < body.size(); ++i) {
        const uchar byte = uchar(body.at(i));
        switch (classes.of[byte]) {
        case Plain:
            break;
        case Control:
            return refuse(
                i, QStringLiteral("έχει τον χαρακτήρα ελέγχου 0x%1").arg(byte, 2, 16, QLatin1Char('0')));
        case Greek:
            beyondAscii = true;
            break;
        case Undefined:
            beyondAscii = true;
            if (firstUndefined < 0)
                firstUndefined = i;
            break;
        }
    }
    const bool byteOrderMark = body.startsWith("\xEF\xBB\xBF");
    if (byteOrderMark || (beyondAscii && mayBeUtf8(body))) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(body.sliced(byteOrderMark ? 3 : 0));
        if (!utf8.hasError())
            return CheckedBytes{text, {}};
        if (byteOrderMark)
            return refuse(0, QStringLiteral("αρχίζει ως UTF-8 αλλά δεν είναι σωστό UTF-8"));
    }
    // The code page leaves these bytes without a character, and converters disagree on what
    // they become (ICU turns 0xAA into U+00AA): the bytes themselves are checked.
    if (firstUndefined >= 0)
        return refuse(firstUndefined,
                      QStringLiteral("έχει byte που δεν υπάρχει στην ελληνική κωδικοσελίδα Windows 1253"));
    if (!classes.complete) {
        QStringDecoder greek("windows-1253");
        const QString text = greek.decode(body);
        if (greek.hasError())
            return refuse(
                0, QStringLiteral("έχει byte που δεν υπάρχει στην ελληνική κωδικοσελίδα Windows 1253"));
        return CheckedBytes{text, {}};
    }
    return CheckedBytes{std::nullopt, body};
}

QString greekText(QByteArrayView bytes) {
    const ByteClasses& classes = byteClasses();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = classes.character[uchar(byte)];
    return text;
}

} // namespace

std::optional<QString> DecodeAscText(const QByteArray& bytes, QString* error) {
    std::optional<CheckedBytes> checked = checkAscBytes(bytes, error);
    if (!checked)
        return std::nullopt;
    if (checked->text)
        return std::move(checked->text);
    return greekText(checked->greek);
}

namespace {
// A file of a hundred thousand lines is some fifteen megabytes: faulted in four kilobytes at a
// time it cost as much as checking it. Where the system has them, its memory is asked for in
// large pages before the file is read into it.
QByteArray readWhole(QFile& file) {
    const qint64 size = file.size();
    if (size <= 0)
        return file.readAll();
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    AdviseLargePages(bytes.data(), std::size_t(size));
    const qint64 read = file.read(bytes.data(), size);
    bytes.truncate(qMax<qint64>(read, 0));
    // What was added to the file since its size was asked.
    if (read == size)
        bytes += file.readAll();
    return bytes;
}
} // namespace

QString AscLines::at(qsizetype index) const {
    const Span& line = m_lines.at(index);
    return m_text.isNull() ? greekText(QByteArrayView(m_greek).sliced(line.start, line.length))
                           : m_text.mid(line.start, line.length);
}

QStringList AscLines::toList() const {
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        lines.append(at(i));
    return lines;
}

std::optional<AscLines> ReadAscFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    AscLines lines;
    lines.m_greek = readWhole(file);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    std::optional<CheckedBytes> checked = checkAscBytes(lines.m_greek, error);
    if (!checked)
        return std::nullopt;
    if (checked->text) {
        lines.m_text = std::move(*checked->text);
        lines.m_greek.clear();
        lines.m_lines = lineSpans(lines.m_text);
    } else {
        // The bytes the check passed: the file's, without an end-of-file mark.
        lines.m_greek.truncate(checked->greek.size());
        lines.m_lines = lineSpans(QByteArrayView(lines.m_greek));
    }
    return lines;
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
    // Read in place: an import calls this for every line of a file.
    const QStringView surname = field(line, 12, 30);
    const QStringView firstName = field(line, 43, 16);
    AscEmployee employee;
    employee.afm = QStringView(line).mid(AfmColumn, AfmLength).trimmed().toString();
    employee.name.reserve(AscNameLength);
    employee.name.append(surname.left(AscNameLength));
    if (employee.name.size() < AscNameLength) {
        employee.name.append(QLatin1Char(' '));
        employee.name.append(firstName.left(AscNameLength - employee.name.size()));
    }
    for (QString* text : {&employee.afm, &employee.name}) {
        if (text->contains(QLatin1Char('\'')))
            *text = WithGraveAccents(*text);
    }
    return employee;
}
