#include "logic/print/ReportLineStore.h"
#include "logic/print/PrintJob.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The compact store of a report's lines and keys: every line reads back as it was put,
// whatever its blanks, and the keys of a record are kept once.
class ReportLineStoreTest : public QObject {
    Q_OBJECT

    // Lines whose blanks and length stress the head / blanks / tail split.
    static QStringList awkwardLines() {
        const QString blanks150(150, u' ');
        QStringList lines{
            QString(),                          // null
            u""_s,                              // empty
            u"a"_s,                             // shorter than the suffix
            u"1 # "_s,                          // four characters, blank at the end
            u"  "_s,                            // only blanks, short
            u"     "_s,                         // only blanks, suffix length
            QString(166, u' '),                 // only blanks, a full line
            u"text"_s + blanks150 + u"1    "_s, // padded line, blank suffix tail
            QString(11, u' ') + u"08:00-16:00  17:00-19:00"_s + QString(125, u' ') + u"1    "_s,
            u"ab     cd"_s + QString(20, u' ') + u"0@%  "_s, // blanks in the middle and at the end
            u"abc     "_s,                                   // blanks only inside the suffix area
            u"abc   "_s + u"  1  "_s,                        // blanks across the suffix boundary
            u"Υπερωρία εργαζομένου"_s + QString(40, u' ') + u"2*12 "_s,
            u"end\t"_s + QString(10, u' ') + u"\t    "_s,                     // tabs are not blanks
            QString(10, u' ') + u"\u00a0"_s + QString(10, u' ') + u"3^   "_s, // a no-break space
            u"no suffix at all, just text"_s,
        };
        QString wide;
        for (int i = 0; i < 255; ++i)
            wide += QChar(u'Α' + i % 24);
        lines << wide << wide.left(250) + QString(5, u' ');
        return lines;
    }

private slots:
    void everyLineReadsBackExactly() {
        const QStringList lines = awkwardLines();
        ReportLineStore store;
        for (const QString& line : lines)
            store.append(line, {});
        QCOMPARE(store.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            const QString back = store.line(i);
            QCOMPARE(back.size(), lines[i].size());
            QCOMPARE(back, lines[i]);
            // The suffix and the blankness read in place agree with the whole line.
            QCOMPARE(store.tail(i), QStringView(lines[i]).right(5));
            QCOMPARE(store.blankBeforeTail(i), VisibleText(lines[i]).trimmed().isEmpty());
        }
    }

    void theSuffixReadInPlaceMatchesTheLine() {
        PrintJob job;
        job.InitTitles({}, {});
        const QStringList lines = awkwardLines();
        for (const QString& line : lines)
            job.PutLine(line, {});
        for (int i = 0; i < lines.size(); ++i) {
            const LineSuffix expected = ParseLineSuffix(lines[i]);
            const LineSuffix suffix = job.lineSuffix(i);
            QCOMPARE(suffix.layout, expected.layout);
            QCOMPARE(suffix.marker, expected.marker);
            QCOMPARE(suffix.framed, expected.framed);
            QCOMPARE(suffix.keep, expected.keep);
            QCOMPARE(job.blankLine(i), VisibleText(lines[i]).trimmed().isEmpty());
        }
        // The awkward lines do exercise every marker that changes a page.
        QCOMPARE(job.lineSuffix(9).marker, u'@');
        QCOMPARE(job.lineSuffix(12).keep, 12);
        QCOMPARE(job.lineSuffix(14).marker, u'^');
        QVERIFY(job.blankLine(14)); // a no-break space is blank to the page too
        QVERIFY(!job.blankLine(13));
    }

    void keysAreKeptOncePerRecord() {
        const QString a = u"090000045"_s.leftJustified(47) + u"090000045     02/03/2016"_s;
        const QString b = u"090000046"_s.leftJustified(47) + u"090000046     02/03/2016"_s;
        // The same keys with another blank at the end are other keys.
        const QString aPadded = a + u' ';
        // Keys whose blanks are anywhere: leading, between fields, at the end, two runs alike.
        const QString odd = u"  x   yy      z  "_s;
        const QString twoRuns = u"p   q   r"_s;
        QStringList keys{a, a, a, b, b, a, aPadded, aPadded, {}, {}, u"   "_s};
        keys << odd << odd << twoRuns << u" "_s << u"Κωδ"_s << a.left(47) << a;
        ReportLineStore store;
        for (int i = 0; i < keys.size(); ++i)
            store.append(u"line %1"_s.arg(i), keys[i]);
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(store.keys(i), keys[i]);
            QCOMPARE(store.line(i), u"line %1"_s.arg(i));
        }
        // a, b, a, aPadded, "", "   ", odd, twoRuns, " ", "Κωδ", a's first field, a.
        QCOMPARE(store.keyCount(), 12);
    }

    void clearGivesTheMemoryBack() {
        ReportLineStore store;
        for (int i = 0; i < 2000; ++i)
            store.append(u"x"_s.repeated(100) + QString::number(i) + u"0    "_s, u"k"_s);
        QVERIFY(store.blockCount() > 1);
        store.clear();
        QCOMPARE(store.size(), 0);
        QCOMPARE(store.blockCount(), 0);
        QCOMPARE(store.keyCount(), 0);
        // It fills again from the start, and the first keys are not taken for the old ones.
        store.append(u"again"_s, u"k"_s);
        QCOMPARE(store.line(0), u"again"_s);
        QCOMPARE(store.keys(0), u"k"_s);
        QCOMPARE(store.keyCount(), 1);
        QCOMPARE(store.blockCount(), 1);
    }

    // A report of many blocks, with a line longer than a block among them.
    void aReportOfManyBlocksReadsBackExactly() {
        const auto lineOf = [](int i) {
            if (i == 1500)
                return u"ΩΩ"_s.repeated(ReportLineStore::BlockChars) + u"1    "_s;
            const QString text = u"Εργαζόμενος %1 "_s.arg(i).repeated(1 + i % 9);
            return (QString(i % 13, u' ') + text).leftJustified(161, u' ') + QString::number(i % 10) +
                   u"    "_s;
        };
        const auto keysOf = [](int i) { return QString::number(i / 2).leftJustified(47) + u"01/01/2026"_s; };
        const int count = 6000;
        PrintJob job;
        job.InitTitles({}, {});
        for (int i = 0; i < count; ++i)
            job.PutLine(lineOf(i), keysOf(i));
        QCOMPARE(job.LineCount(), count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(job.line(i), lineOf(i));
            QCOMPARE(job.keys(i), keysOf(i));
            QCOMPARE(job.keyField(i, 0), QString::number(i / 2));
            QCOMPARE(job.keyField(i, 1), u"01/01/2026"_s);
        }

        ReportLineStore store;
        for (int i = 0; i < count; ++i)
            store.append(lineOf(i), keysOf(i));
        // The heads of these lines alone fill several blocks; the long line has its own.
        QVERIFY(store.blockCount() > 4);
        QCOMPARE(store.keyCount(), count / 2);
        for (int i = 0; i < count; ++i)
            QCOMPARE(store.line(i), lineOf(i));
    }
};

QTEST_GUILESS_MAIN(ReportLineStoreTest)
#include "ReportLineStoreTest.moc"
