#include "logic/internet/NewsText.h"
#include "logic/internet/RtfReader.h"

#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The format of the character at the position.
QTextCharFormat FormatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

int Find(const QTextDocument& document, const QString& text) {
    return document.toPlainText().indexOf(text);
}

// A body as the maker's editor writes it: Greek in \'xx of code page 1253, bold, a blue
// underlined link.
const QString GreekBody = QStringLiteral(
    "{\\rtf1\\ansi\\ansicpg1253\\deff0{\\fonttbl{\\f0\\fnil\\fcharset161 Tahoma;}{\\f1\\fswiss Arial;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\\pard\\lang1032\\f0\\fs20 \\'c1\\'eb\\'eb\\'e1\\'e3\\'de \\b \\'d6\\'d0\\'c1\\b0  "
    "\\'e1\\'f0\\'fc 1/4.\\par\r\n"
    "\\'c4\\'e5\\'DF\\'f4\\'e5: \\cf1\\ul http://www.example.gr/fpa\\cf0\\ulnone  \\i "
    "\\'ea\\'e1\\'e9\\i0\\par\r\n"
    "\\cf2 \\'d3\\'f5\\'ed\\'b4\\'e5\\'f7\\'e5\\'e9\\'e1\\tab \\u8364?\\line "
    "\\'f4\\'e5\\'eb\\'ef\\'f2\\cf0\\par\r\n"
    "}");

} // namespace

// Article bodies as the news reader shows them, and the links inside them.
class NewsTextTest : public QObject {
    Q_OBJECT
private slots:
    void anRtfBodyShowsItsGreekTextWithItsFormatting() {
        QTextDocument document;
        NewsText::Show(GreekBody, &document);
        const QString text = document.toPlainText();
        QCOMPARE(document.blockCount(), 4);
        QCOMPARE(document.findBlockByNumber(0).text(), QStringLiteral("Αλλαγή ΦΠΑ από 1/4."));
        QCOMPARE(document.findBlockByNumber(1).text(),
                 QStringLiteral("Δείτε: http://www.example.gr/fpa και"));
        // The tonos of code 180 became an apostrophe; the tab, the euro of \u and the line break stay.
        QCOMPARE(document.findBlockByNumber(2).text(), QStringLiteral("Συν'εχεια\t€\u2028τελος"));
        QVERIFY(!text.contains(QChar(0x0384)));

        const QTextCharFormat bold = FormatAt(document, Find(document, QStringLiteral("ΦΠΑ")));
        QCOMPARE(bold.fontWeight(), int(QFont::Bold));
        QCOMPARE(bold.fontFamilies().toStringList(), QStringList{QStringLiteral("Tahoma")});
        QCOMPARE(bold.fontPointSize(), 10.0);
        QCOMPARE(FormatAt(document, Find(document, QStringLiteral("από"))).fontWeight(), int(QFont::Normal));

        const QTextCharFormat link = FormatAt(document, Find(document, QStringLiteral("www")));
        QVERIFY(link.fontUnderline());
        QCOMPARE(link.foreground().color(), QColor(0, 0, 255));
        const QTextCharFormat after = FormatAt(document, Find(document, QStringLiteral("και")));
        QVERIFY(!after.fontUnderline());
        QVERIFY(after.fontItalic());
        QCOMPARE(FormatAt(document, Find(document, QStringLiteral("Συν"))).foreground().color(),
                 QColor(255, 0, 0));
        // The apostrophe keeps the format of the tonos it replaced.
        QCOMPARE(FormatAt(document, Find(document, QStringLiteral("'"))).foreground().color(),
                 QColor(255, 0, 0));
    }

    void theBlueUnderlinedRunIsTheLinkAndOpensWhenItBeginsWithHttp() {
        QTextDocument document;
        NewsText::Show(GreekBody, &document);
        const int www = Find(document, QStringLiteral("www"));
        QCOMPARE(NewsText::LinkTextAt(document, www), QStringLiteral("http://www.example.gr/fpa"));
        QCOMPARE(NewsText::LinkTextAt(document, Find(document, QStringLiteral("fpa"))),
                 QStringLiteral("http://www.example.gr/fpa"));
        QVERIFY(NewsText::LinkTextAt(document, Find(document, QStringLiteral("Δείτε"))).isEmpty());
        QVERIFY(NewsText::LinkTextAt(document, Find(document, QStringLiteral("ΦΠΑ"))).isEmpty());
        QVERIFY(NewsText::OpensInLinks(QStringLiteral("http://www.example.gr/fpa")));
    }

    void aLinkOpensWhateverTheCaseOfItsHttp_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("opens");
        QTest::newRow("lower") << QStringLiteral("http://x.gr") << true;
        QTest::newRow("upper") << QStringLiteral("HTTPS://X.GR") << true;
        QTest::newRow("mixed") << QStringLiteral("hTtP://x.gr") << true;
        QTest::newRow("no scheme") << QStringLiteral("www.x.gr") << false;
        QTest::newRow("mail") << QStringLiteral("mailto:a@x.gr") << false;
        QTest::newRow("short") << QStringLiteral("htt") << false;
    }
    void aLinkOpensWhateverTheCaseOfItsHttp() {
        QFETCH(QString, link);
        QFETCH(bool, opens);
        QCOMPARE(NewsText::OpensInLinks(link), opens);
    }

    void underlinedTextThatIsNotPureBlueIsNoLink() {
        QTextDocument document;
        NewsText::Show(
            QStringLiteral("{\\rtf1{\\colortbl;\\red0\\green0\\blue254;}\\cf1\\ul http://x.gr\\ulnone}"),
            &document);
        QVERIFY(NewsText::LinkTextAt(document, 3).isEmpty());
        // A blue run joined to underlined text of another colour is taken whole.
        QTextDocument joined;
        NewsText::Show(
            QStringLiteral(
                "{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}a \\ul HTTP://\\cf1 x.gr/\\cf0 y\\ulnone  b}"),
            &joined);
        QCOMPARE(NewsText::LinkTextAt(joined, Find(joined, QStringLiteral("x.gr"))),
                 QStringLiteral("HTTP://x.gr/y"));
    }

    void unicodeCharactersSkipTheirFallback() {
        QTextDocument document;
        Rtf::Read(QStringLiteral("{\\rtf1\\uc1 \\u915\\'c3\\u-3913 ?{\\uc2\\u945 xx}\\u946\\'e2 z}"),
                  &document);
        QCOMPARE(document.toPlainText(), QStringLiteral("Γ\uF0B7αβ z"));
    }

    void destinationsThatAreNotTextAreSkipped() {
        QTextDocument document;
        Rtf::Read(QStringLiteral(
                      "{\\rtf1{\\*\\generator Msftedit 5.41;}{\\info{\\title Κρυφό}}"
                      "{\\stylesheet{\\s0 Normal;}}{\\pict\\pngblip 89504e47}"
                      "{\\field{\\*\\fldinst HYPERLINK \"http://a\"}{\\fldrslt κείμενο}}\\{\\}\\\\ τέλος}"),
                  &document);
        QCOMPARE(document.toPlainText(), QStringLiteral("κείμενο{}\\ τέλος"));
    }

    void fontsOfOtherCharacterSetsDecodeTheirOwnCodePage() {
        QTextDocument document;
        Rtf::Read(QStringLiteral(
                      "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 Arial Greek;}}"
                      "\\f0 caf\\'e9 \\f1 \\'e1\\'e2}"),
                  &document);
        QCOMPARE(document.toPlainText(), QStringLiteral("café αβ"));
    }

    void plainTextAndHtmlShowAsSuch() {
        QTextDocument plain;
        NewsText::Show(QStringLiteral("Γραμμή 1\nΓραμμή <2> ΄"), &plain);
        QCOMPARE(plain.toPlainText(), QStringLiteral("Γραμμή 1\nΓραμμή <2> '"));
        QTextDocument html;
        NewsText::Show(QStringLiteral("<p>Καλή <b>χρονιά</b></p>"), &html);
        QCOMPARE(html.toPlainText(), QStringLiteral("Καλή χρονιά"));
        QVERIFY(!Rtf::LooksLikeRtf(QStringLiteral("<p>{\\rtf1}</p>")));
        QVERIFY(Rtf::LooksLikeRtf(QStringLiteral("  {\\rtf1 x}")));
    }

    void brokenRtfShowsWhatCanBeRead() {
        QTextDocument document;
        Rtf::Read(QStringLiteral("{\\rtf1 αρχή \\b μέση}} } \\'zz \\"), &document);
        QVERIFY(document.toPlainText().startsWith(QStringLiteral("αρχή μέση")));
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    NewsTextTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "NewsTextTest.moc"
