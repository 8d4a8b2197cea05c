#include "logic/internet/RtfReader.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <map>
#include <memory>

namespace {

struct Font {
    QString name;
    int codePage = 0; // 0: the document's
};

enum class Destination { Text, FontTable, ColorTable, Skip };

struct State {
    Destination destination = Destination::Text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int colour = 0;
    int font = -1;
    int halfPoints = 0;
    int fallbackChars = 1; // \uc
};

// The code page of a font's character set (\fcharset), 0 when it has none of its own.
int CodePageOfCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 204:
        return 1251;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

bool IsSkippedDestination(const QString& word) {
    static const QStringList words = {
        QStringLiteral("stylesheet"), QStringLiteral("info"),      QStringLiteral("pict"),
        QStringLiteral("header"),     QStringLiteral("headerl"),   QStringLiteral("headerr"),
        QStringLiteral("headerf"),    QStringLiteral("footer"),    QStringLiteral("footerl"),
        QStringLiteral("footerr"),    QStringLiteral("footerf"),   QStringLiteral("footnote"),
        QStringLiteral("object"),     QStringLiteral("listtable"), QStringLiteral("listoverridetable"),
        QStringLiteral("filetbl"),    QStringLiteral("revtbl"),    QStringLiteral("rsidtbl"),
        QStringLiteral("generator"),  QStringLiteral("xmlnstbl"),  QStringLiteral("fldinst"),
        QStringLiteral("themedata"),  QStringLiteral("datastore"), QStringLiteral("latentstyles")};
    return words.contains(word);
}

// The character a control word stands for (\line, \tab, \emdash...); none for the rest.
QChar CharacterOfWord(const QString& word) {
    static const QHash<QString, QChar> characters = {
        {QStringLiteral("line"), QChar::LineSeparator}, {QStringLiteral("tab"), QChar(u'\t')},
        {QStringLiteral("cell"), QChar(u'\t')},         {QStringLiteral("emdash"), QChar(0x2014)},
        {QStringLiteral("endash"), QChar(0x2013)},      {QStringLiteral("bullet"), QChar(0x2022)},
        {QStringLiteral("lquote"), QChar(0x2018)},      {QStringLiteral("rquote"), QChar(0x2019)},
        {QStringLiteral("ldblquote"), QChar(0x201C)},   {QStringLiteral("rdblquote"), QChar(0x201D)}};
    return characters.value(word);
}

class Reader {
public:
    Reader(const QString& rtf, QTextDocument* document) : m_text(rtf), m_cursor(document) {}

    void run() {
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos++);
            if (c == u'{') {
                flush();
                m_stack.push_back(m_state);
            } else if (c == u'}') {
                endGroup();
            } else if (c == u'\\') {
                controlSequence();
            } else if (c == u'\r' || c == u'\n') {
                continue;
            } else {
                character(c);
            }
        }
        flush();
    }

private:
    void endGroup() {
        flush();
        if (m_state.destination == Destination::FontTable)
            endFont();
        m_skipChars = 0;
        if (m_stack.isEmpty())
            return;
        m_state = m_stack.takeLast();
    }

    void controlSequence() {
        if (m_pos >= m_text.size())
            return;
        const QChar c = m_text.at(m_pos);
        if (c.isLetter() && c.unicode() < 128) {
            QString word;
            while (m_pos < m_text.size() && m_text.at(m_pos).isLetter() && m_text.at(m_pos).unicode() < 128)
                word += m_text.at(m_pos++);
            bool hasNumber = false;
            int number = 0;
            const qsizetype numberStart = m_pos;
            if (m_pos < m_text.size() && (m_text.at(m_pos) == u'-' || m_text.at(m_pos).isDigit())) {
                ++m_pos;
                while (m_pos < m_text.size() && m_text.at(m_pos).isDigit())
                    ++m_pos;
                number = m_text.mid(numberStart, m_pos - numberStart).toInt(&hasNumber);
            }
            if (m_pos < m_text.size() && m_text.at(m_pos) == u' ')
                ++m_pos;
            if (m_skipChars > 0) {
                --m_skipChars;
                return;
            }
            controlWord(word, hasNumber, number);
            return;
        }
        ++m_pos;
        if (c == u'\'') {
            bool ok = m_pos + 2 <= m_text.size();
            const int byte = ok ? m_text.mid(m_pos, 2).toInt(&ok, 16) : 0;
            m_pos += 2;
            if (m_skipChars > 0) {
                --m_skipChars;
                return;
            }
            if (ok)
                byteCharacter(char(byte));
            return;
        }
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        switch (c.unicode()) {
        case u'\\':
        case u'{':
        case u'}':
            character(c);
            break;
        case u'~':
            character(QChar(0x00A0));
            break;
        case u'_':
            character(QChar(0x2011));
            break;
        case u'*':
            // An optional destination: nothing of it is shown here.
            m_state.destination = Destination::Skip;
            break;
        case u'\r':
        case u'\n':
            paragraph();
            break;
        default:
            break; // \- (optional hyphen) and the rest show nothing
        }
    }

    void controlWord(const QString& word, bool hasNumber, int number) {
        if (word == u"fonttbl") {
            m_state.destination = Destination::FontTable;
        } else if (word == u"colortbl") {
            m_state.destination = Destination::ColorTable;
            m_colours.clear();
            m_red = m_green = m_blue = -1;
        } else if (IsSkippedDestination(word)) {
            m_state.destination = Destination::Skip;
        } else if (m_state.destination == Destination::FontTable) {
            fontTableWord(word, number);
        } else if (m_state.destination == Destination::ColorTable) {
            colourTableWord(word, number);
        } else if (m_state.destination != Destination::Skip) {
            textWord(word, hasNumber, number);
        }
    }

    void fontTableWord(const QString& word, int number) {
        if (word == u"f")
            m_fontId = number;
        else if (word == u"fcharset")
            m_fontCodePage = CodePageOfCharset(number);
    }

    void colourTableWord(const QString& word, int number) {
        if (word == u"red")
            m_red = number;
        else if (word == u"green")
            m_green = number;
        else if (word == u"blue")
            m_blue = number;
    }

    // A control word of the text: the document's code page and font, a character, the end of
    // a paragraph or a change of format.
    void textWord(const QString& word, bool hasNumber, int number) {
        if (const QChar c = CharacterOfWord(word); !c.isNull()) {
            character(c);
        } else if (word == u"ansicpg") {
            m_codePage = number;
        } else if (word == u"deff") {
            m_defaultFont = number;
        } else if (word == u"uc") {
            m_state.fallbackChars = qMax(0, number);
        } else if (word == u"u") {
            flushBytes();
            character(QChar(char16_t(number < 0 ? number + 65536 : number)));
            m_skipChars = m_state.fallbackChars;
        } else if (word == u"par" || word == u"sect" || word == u"page" || word == u"row") {
            paragraph();
        } else {
            formatWord(word, !hasNumber || number != 0, number);
        }
    }

    void formatWord(const QString& word, bool on, int number) {
        if (word == u"b") {
            setFormat([&] { m_state.bold = on; });
        } else if (word == u"i") {
            setFormat([&] { m_state.italic = on; });
        } else if (word == u"ul") {
            setFormat([&] { m_state.underline = on; });
        } else if (word == u"ulnone") {
            setFormat([&] { m_state.underline = false; });
        } else if (word == u"cf") {
            setFormat([&] { m_state.colour = number; });
        } else if (word == u"f") {
            setFormat([&] { m_state.font = number; });
        } else if (word == u"fs") {
            setFormat([&] { m_state.halfPoints = number; });
        } else if (word == u"plain") {
            setFormat([&] {
                m_state.bold = m_state.italic = m_state.underline = false;
                m_state.colour = 0;
                m_state.halfPoints = 0;
                m_state.font = -1;
            });
        } else if (word.startsWith(u"ul") && word != u"ulc") {
            // Dotted, double, word underlining and the like are underlining too.
            setFormat([&] { m_state.underline = on; });
        }
    }

    template <typename Change> void setFormat(Change change) {
        flush();
        change();
    }

    void character(QChar c) {
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        switch (m_state.destination) {
        case Destination::Text:
            flushBytes();
            m_run += c;
            break;
        case Destination::FontTable:
            if (c == u';')
                endFont();
            else
                m_fontName += c;
            break;
        case Destination::ColorTable:
            if (c == u';') {
                m_colours << (m_red < 0 ? QColor()
                                        : QColor(qBound(0, m_red, 255), qBound(0, m_green, 255),
                                                 qBound(0, m_blue, 255)));
                m_red = m_green = m_blue = -1;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void byteCharacter(char byte) {
        if (m_state.destination == Destination::FontTable) {
            m_fontName += decode(QByteArray(1, byte), m_fontCodePage);
            return;
        }
        if (m_state.destination != Destination::Text)
            return;
        m_bytes += byte;
    }

    void endFont() {
        if (m_fontId >= 0)
            m_fonts.insert(m_fontId, Font{m_fontName.trimmed(), m_fontCodePage});
        m_fontId = -1;
        m_fontName.clear();
        m_fontCodePage = 0;
    }

    int codePage() const {
        const int font = m_state.font >= 0 ? m_state.font : m_defaultFont;
        const auto it = m_fonts.constFind(font);
        if (it != m_fonts.constEnd() && it->codePage != 0)
            return it->codePage;
        return m_codePage > 0 ? m_codePage : 1253;
    }

    QString decode(const QByteArray& bytes, int codePage) {
        const int page = codePage > 0 ? codePage : 1253;
        std::unique_ptr<QStringDecoder>& decoder = m_decoders[page];
        if (!decoder)
            decoder = std::make_unique<QStringDecoder>(QStringLiteral("windows-%1").arg(page).toLatin1());
        if (!decoder->isValid())
            return QString::fromLatin1(bytes);
        return decoder->decode(bytes);
    }

    void flushBytes() {
        if (m_bytes.isEmpty())
            return;
        m_run += decode(m_bytes, codePage());
        m_bytes.clear();
    }

    void flush() {
        flushBytes();
        if (m_run.isEmpty())
            return;
        m_cursor.insertText(m_run, format());
        m_run.clear();
    }

    void paragraph() {
        if (m_state.destination != Destination::Text)
            return;
        flush();
        m_cursor.insertBlock();
    }

    QTextCharFormat format() const {
        QTextCharFormat format;
        format.setFontWeight(m_state.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(m_state.italic);
        format.setFontUnderline(m_state.underline);
        if (m_state.colour > 0 && m_state.colour < m_colours.size() && m_colours.at(m_state.colour).isValid())
            format.setForeground(m_colours.at(m_state.colour));
        const int font = m_state.font >= 0 ? m_state.font : m_defaultFont;
        const auto it = m_fonts.constFind(font);
        if (it != m_fonts.constEnd() && !it->name.isEmpty())
            format.setFontFamilies({it->name});
        if (m_state.halfPoints > 0)
            format.setFontPointSize(m_state.halfPoints / 2.0);
        return format;
    }

    const QString m_text;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    State m_state;
    QList<State> m_stack;
    QString m_run;
    QByteArray m_bytes;
    int m_skipChars = 0;
    int m_codePage = 0;
    int m_defaultFont = -1;
    QHash<int, Font> m_fonts;
    int m_fontId = -1;
    QString m_fontName;
    int m_fontCodePage = 0;
    QList<QColor> m_colours;
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;
    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};

} // namespace

namespace Rtf {

bool LooksLikeRtf(const QString& text) {
    return text.trimmed().startsWith(QStringLiteral("{\\rtf"));
}

void Read(const QString& rtf, QTextDocument* document) {
    document->clear();
    Reader(rtf, document).run();
}

} // namespace Rtf
