#include "Golden.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The comparison of outputs with their references: a difference fails with the lines that
// differ and leaves the new output beside the reference; a match or an update passes.
class GoldenTest : public QObject {
    Q_OBJECT

    QString reference(const QString& name) const { return m_dir->filePath(name); }

    void write(const QString& name, const QByteArray& bytes) {
        QFile file(reference(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("ORVA_GOLDEN_DIR", m_dir->path().toUtf8());
        qunsetenv("ORVA_UPDATE_GOLDEN");
    }
    void cleanup() { m_dir.reset(); }

    void aMatchPassesAndClearsAnOldNewFile() {
        write(u"same.txt"_s, "one\ntwo\n");
        write(u"same.txt.new"_s, "stale\n");
        QCOMPARE(Golden::Compare("one\ntwo\n", u"same.txt"_s), QString());
        QVERIFY(!QFile::exists(reference(u"same.txt.new"_s)));
    }

    void aDifferenceNamesTheLinesAndLeavesTheOutputBeside() {
        QByteArray expected;
        for (int i = 1; i <= 30; ++i)
            expected += "line " + QByteArray::number(i) + '\n';
        QByteArray actual = expected;
        actual.replace("line 12\n", "line twelve\n");
        actual.replace("line 20\n", "");
        write(u"lines.txt"_s, expected);

        const QString failure = Golden::Compare(actual, u"lines.txt"_s);
        QVERIFY(failure.contains(reference(u"lines.txt"_s)));
        // Only the changed lines and one line on either side, with their numbers.
        QVERIFY2(
            failure.contains(u"   11 |line 11|\n-   12 |line 12|\n+   12 |line twelve|\n    13 |line 13|"_s),
            qPrintable(failure));
        QVERIFY2(failure.contains(
                     u"    13 |line 13|\n   …\n    19 |line 19|\n-   20 |line 20|\n    21 |line 21|\n"_s),
                 qPrintable(failure));
        QVERIFY(!failure.contains(u"line 5|"_s));
        QVERIFY(!failure.contains(u"line 25|"_s));
        QCOMPARE(read(reference(u"lines.txt.new"_s)), actual);
        QCOMPARE(read(reference(u"lines.txt"_s)), expected);
    }

    void aMissingReferenceFailsWithTheOutputBeside() {
        const QString failure = Golden::Compare("new\n", u"sub/missing.txt"_s);
        QVERIFY(failure.contains(u"there is no reference"_s));
        QCOMPARE(read(reference(u"sub/missing.txt.new"_s)), QByteArray("new\n"));
        QVERIFY(!QFile::exists(reference(u"sub/missing.txt"_s)));
    }

    void updatingWritesTheReference() {
        write(u"old.txt"_s, "old\n");
        write(u"old.txt.new"_s, "left over\n");
        qputenv("ORVA_UPDATE_GOLDEN", "1");
        QCOMPARE(Golden::Compare("fresh\n", u"old.txt"_s), QString());
        QCOMPARE(Golden::Compare("made\n", u"deep/folder/made.txt"_s), QString());
        qunsetenv("ORVA_UPDATE_GOLDEN");
        QCOMPARE(read(reference(u"old.txt"_s)), QByteArray("fresh\n"));
        QCOMPARE(read(reference(u"deep/folder/made.txt"_s)), QByteArray("made\n"));
        QVERIFY(!QFile::exists(reference(u"old.txt.new"_s)));
        QCOMPARE(Golden::Compare("fresh\n", u"old.txt"_s), QString());
    }

    // Code-page text reads as Greek; trailing blanks and a changed line end show.
    void theLinesReadAsTheyWouldInAnEditor() {
        QStringEncoder cp1253("windows-1253");
        const QByteArray expected = cp1253.encode(u"ΑΛΦΑ  \r\nΒΗΤΑ\r\n"_s);
        const QByteArray actual = cp1253.encode(u"ΑΛΦΑ \r\nΒΗΤΑ\r\n"_s);
        QCOMPARE(Golden::LineDiff(expected, actual, Golden::ShownAs::Windows1253),
                 u"-    1 |ΑΛΦΑ  |\n+    1 |ΑΛΦΑ |\n     2 |ΒΗΤΑ|\n"_s);
        QCOMPARE(Golden::LineDiff("a\r\nb\r\n", "a\r\nb\n"), u"     1 |a\\r|\n-    2 |b\\r|\n+    2 |b|\n"_s);
        QCOMPARE(Golden::LineDiff("a\nb", "a\nb\n"),
                 u"(the files differ only in how the last line ends)\n"_s);
    }

    // One element a line; the blanks of a text stay, the layout between elements goes.
    void xmlIsComparedOneElementALine() {
        const QByteArray xml =
            R"(<?xml version="1.0"?>)"
            "\n"
            R"(<w:body xmlns:w="urn:w"><w:p><w:t xml:space="preserve">  Α &amp; Β  </w:t></w:p>)"
            "\n  <w:p/></w:body>";
        QCOMPARE(QString::fromUtf8(Golden::IndentedXml(xml)),
                 u"<?xml version=\"1.0\"?>\n"
                 u"<w:body xmlns:w=\"urn:w\">\n"
                 u" <w:p>\n"
                 u"  <w:t xml:space=\"preserve\">  Α &amp; Β  </w:t>\n"
                 u" </w:p>\n"
                 u" <w:p/>\n"
                 u"</w:body>\n"_s);
        QVERIFY(Golden::IndentedXml("<a><b></a>").startsWith("XML error"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(GoldenTest)
#include "GoldenTest.moc"
