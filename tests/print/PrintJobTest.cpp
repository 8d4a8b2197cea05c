#include "logic/print/PrintJob.h"
#include "JobBuilder.h"
#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "logic/core/program/ProgramValues.h"

#include <QImage>
#include <QTest>

using namespace JobBuilder;

// The print job: title layouts, page geometry and pagination of the report engine.
class PrintJobTest : public QObject {
    Q_OBJECT

    // Rows per page fixed at 20: row height (16350 - 1110) / 20 = 762 twips. With one title
    // (the title and its rule take two rows) the body starts at 555 + 2 * 762 = 2079 and a
    // page holds 17 lines before the 555-twip bottom margin.
    static void initPlain(PrintJob& job, int pageLines = 20, bool boxes = false) {
        job.Initprint(40, 1, 10, pageLines, false, false, boxes, {}, {}, {});
    }

    static QList<int> linesOfPage(const PrintJob& job, int page) {
        QList<int> lines;
        for (int row = 0; row < 100; ++row) {
            if (job.pageMap(page - 1, row) >= 0)
                lines << job.pageMap(page - 1, row);
        }
        return lines;
    }

private slots:
    void init() {
        m_dialogs = &InstallScriptedDialogs();
        ResetProgramValues();
    }

    void columnLayoutFromSeparators() {
        PrintJob job;
        job.InitTitles({}, {});
        job.FixTitles(QStringLiteral("A   |B     |"), 1, 1);
        job.Initprint(12, 2, 10, 0, false, false, false, {}, {}, {});
        QCOMPARE(job.columnStart(1, 0), 1);
        QCOMPARE(job.columnWidth(1, 0), 4);
        QCOMPARE(job.columnStart(1, 1), 6);
        QCOMPARE(job.columnWidth(1, 1), 6);
        QCOMPARE(job.columnWidth(1, 2), 0);
        QCOMPARE(job.separatorPos(1), 5);
        QCOMPARE(job.separatorPos(2), 13);
        // The separators print as blanks.
        QCOMPARE(job.titleLine(1).trimmed(), QStringLiteral("A    B"));
        QCOMPARE(job.titleLine(1).size(), PrintJob::TitleWidth);
    }

    void aLayoutHasThirtyColumnsAtMost() {
        PrintJob job;
        job.InitTitles({}, {});
        QString title;
        for (int k = 0; k < 31; ++k)
            title += QStringLiteral("ab|");
        job.FixTitles(title, 1, 1, {1, 2, 3});
        job.Initprint(93, 2, 8, 0, false, false, false, {}, {}, {});
        for (int c = 0; c < 30; ++c) {
            QCOMPARE(job.columnStart(1, c), 1 + 3 * c);
            QCOMPARE(job.columnWidth(1, c), 2);
        }
        QCOMPARE(job.separatorPos(30), 90);
        // The 31st "|" defines nothing and stays in the title.
        QCOMPARE(job.titleLine(1).count(u'|'), 1);
        QCOMPARE(job.columnAttr(1, 0), 1);
        QCOMPARE(job.columnAttr(1, 2), 3);
        QCOMPARE(job.columnAttr(1, 3), 0);
    }

    void titlesWithoutColumnFlagDefineNoLayout() {
        PrintJob job;
        job.InitTitles({}, {});
        job.FixTitles(QStringLiteral("Report|with bar"), 0, 0, {1});
        job.Initprint(20, 1, 10, 0, false, false, false, {}, {}, {});
        QCOMPARE(job.columnWidth(0, 0), 0);
        QCOMPARE(job.columnAttr(0, 0), 0);
        QCOMPARE(job.caption(), QStringLiteral("Report|with bar"));
    }

    void initTitlesResetsEverything() {
        PrintJob job;
        FillNumbered(job, 5);
        initPlain(job);
        QVERIFY(job.firstPage());
        job.InitTitles(QStringLiteral("Ergaz     Kins"), QStringLiteral("Εργ/μενος Κίνηση"));
        QCOMPARE(job.LineCount(), 0);
        QVERIFY(job.titleLine(0).trimmed().isEmpty());
        QVERIFY(!job.isColumnTitle(1));
        QCOMPARE(job.columnStart(1, 0), 1);
        QCOMPARE(job.columnWidth(1, 0), 0);
        QCOMPARE(job.separatorPos(1), 0);
        QCOMPARE(job.bridgeForms().mid(0, 3), (QStringList{"Ergaz", "Kins", ""}));
        QCOMPARE(job.bridgeCaptions().mid(0, 2), (QStringList{"Εργ/μενος", "Κίνηση"}));
        QCOMPARE(job.pageMap(0, 2), -1);
    }

    void theLineAfterTheLimitIsDropped() {
        PrintJob job;
        job.InitTitles({}, {});
        for (int i = 0; i < PrintJob::MaxLines; ++i)
            job.PutLine(QString::number(i), {});
        QCOMPARE(job.LineCount(), 64000);
        job.PutLine(QStringLiteral("64000"), QStringLiteral("key"));
        QCOMPARE(job.LineCount(), 64000);
        QCOMPARE(job.line(63999), QStringLiteral("63999"));
        QCOMPARE(job.keys(63999), QString()); // nor are its keys kept
        QVERIFY(m_dialogs->boxes.isEmpty());
        // The job counts what it dropped, so that a caller can say the report is cut short.
        QCOMPARE(job.droppedLines(), 1);
        job.PutLine(QStringLiteral("64001"), {});
        QCOMPARE(job.droppedLines(), 2);
        job.InitTitles({}, {});
        QCOMPARE(job.droppedLines(), 0);
        // A new job starts empty; its first line and keys are its own.
        QCOMPARE(job.LineCount(), 0);
        job.PutLine(QStringLiteral("first"), QStringLiteral("key"));
        QCOMPARE(job.LineCount(), 1);
        QCOMPARE(job.line(0), QStringLiteral("first"));
        QCOMPARE(job.keys(0), QStringLiteral("key"));
    }

    void orientationFollowsThePrintWidth() {
        struct Case {
            int plen;
            bool boxes;
            bool landscape;
        };
        for (const Case& c : {Case{132, false, false}, Case{133, false, true}, Case{131, true, true},
                              Case{130, true, false}}) {
            PrintJob job;
            job.InitTitles({}, {});
            job.Initprint(c.plen, 0, 8, 0, false, false, c.boxes, {}, {}, {});
            QCOMPARE(job.ZoomLevel(), 0);
            QCOMPARE(job.landscape(), c.landscape);
            QCOMPARE(job.geometry().width, c.landscape ? 16350.0 : 11435.0);
            QCOMPARE(job.geometry().height, c.landscape ? 11435.0 : 16350.0);
            QCOMPARE(job.Plen(), c.plen);
            QCOMPARE(job.PrintColumns(), c.boxes ? c.plen + 2 : c.plen);
        }
    }

    void automaticFontSize() {
        PrintJob job;
        job.InitTitles({}, {});
        job.Initprint(52, 0, 0, 0, false, false, false, {}, {}, {});
        QCOMPARE(job.ZoomLevel(), 0);
        QCOMPARE(job.geometry().fontSize, 15.0);
        QCOMPARE(job.geometry().charWidth, 195);
        // The measured row of Courier New metrics: about 1.13 times the font size.
        QVERIFY(job.geometry().lineHeight > 15 * 20 * 1.05 && job.geometry().lineHeight < 15 * 20 * 1.25);

        // A given size is used as it is; 7.5 points are 97 twips wide.
        job.Initprint(161, 3, 7.5, 0, true, true, false, {}, {}, {});
        QCOMPARE(job.geometry().fontSize, 7.5);
        QCOMPARE(job.geometry().charWidth, 97);
        QCOMPARE(job.ZoomLevel(), 0);
    }

    void smallPrintIsZoomedAutomatically() {
        PrintJob job;
        job.InitTitles({}, {});
        // 161 columns sideways give 7 points: one zoom step, then 9 points on the larger page.
        job.Initprint(161, 0, 0, 0, false, false, false, {}, {}, {});
        QCOMPARE(job.ZoomLevel(), 1);
        QCOMPARE(job.geometry().width, 16350 * 1.25);
        QCOMPARE(job.geometry().fontSize, 9.0);
        // 250 columns give 4 points: straight to the second step.
        job.Initprint(250, 0, 0, 0, false, false, false, {}, {}, {});
        QCOMPARE(job.ZoomLevel(), 2);
        QCOMPARE(job.geometry().fontSize, 7.0);
    }

    void zoomStepsAndTheirEnds() {
        PrintJob job;
        FillNumbered(job, 200, 52);
        job.Initprint(52, 2, 0, 0, false, false, false, {}, {}, {});
        QVERIFY(job.firstPage());
        QVERIFY(job.nextPage());
        QCOMPARE(job.CurrentPage(), 2);
        QVERIFY(!job.zoomOut());
        QCOMPARE(job.CurrentPage(), 2);
        const double base = job.geometry().lineHeight;

        QVERIFY(job.zoomIn());
        QCOMPARE(job.ZoomLevel(), 1);
        QCOMPARE(job.CurrentPage(), 1); // back on the first page
        QCOMPARE(job.geometry().fontSize, 20.0);
        // The rows grew by 20/15, more than the 1.25 of the step: the page grows with them.
        const double ratio = job.geometry().lineHeight / base;
        QVERIFY(ratio > 1.25);
        QCOMPARE(job.geometry().height, 16350 * ratio);

        QVERIFY(job.zoomIn());
        QVERIFY(!job.zoomIn());
        QCOMPARE(job.ZoomLevel(), 2);
        QVERIFY(job.zoomOut());
        QVERIFY(job.zoomOut());
        QCOMPARE(job.geometry().width, 11435.0);
        QCOMPARE(job.geometry().fontSize, 15.0);
    }

    void linesFillThePageDownToTheBottomMargin() {
        PrintJob job;
        FillNumbered(job, 40);
        initPlain(job);
        QVERIFY(job.firstPage());
        QCOMPARE(job.page().headerBottom, 555 + 2 * 762.0);
        QCOMPARE(job.page().titles.size(), 1);
        QCOMPARE(job.page().titleRules, QList<double>{555 + 762.0});
        QCOMPARE(job.pageMap(0, 0), -1); // title
        QCOMPARE(job.pageMap(0, 1), -1); // its rule
        QCOMPARE(linesOfPage(job, 1).size(), 17);
        QCOMPARE(linesOfPage(job, 1).first(), 0);
        QCOMPARE(job.pageMap(0, 2), 0);
        QVERIFY(job.nextPage());
        QCOMPARE(linesOfPage(job, 2).first(), 17);
        QVERIFY(job.nextPage());
        QCOMPARE(linesOfPage(job, 3), QList<int>({34, 35, 36, 37, 38, 39}));
        QVERIFY(!job.moreLines());
        QVERIFY(!job.nextPage());
        QCOMPARE(job.CurrentPage(), 3);
    }

    void pagingBackwardsLaysOutThePageAgain() {
        PrintJob job;
        FillNumbered(job, 40);
        initPlain(job);
        QVERIFY(job.lastPage());
        QCOMPARE(job.CurrentPage(), 3);
        QVERIFY(job.previousPage());
        QCOMPARE(job.CurrentPage(), 2);
        QCOMPARE(linesOfPage(job, 2).first(), 17);
        QCOMPARE(job.NextLine(), 34);
        QVERIFY(job.previousPage());
        QCOMPARE(job.CurrentPage(), 1);
        QVERIFY(!job.previousPage());
        QCOMPARE(job.CurrentPage(), 1);
        QCOMPARE(job.page().rows.first().line, 0);
    }

    void pageBreakMarker() {
        PrintJob job;
        FillNumbered(job, 10);
        job.PutLine(Line(QStringLiteral("break"), 40, 1, u'#'), {});
        job.PutLine(Line(QStringLiteral("after"), 40), {});
        initPlain(job);
        QVERIFY(job.firstPage());
        QCOMPARE(linesOfPage(job, 1).size(), 11);
        QVERIFY(job.nextPage());
        QCOMPARE(linesOfPage(job, 2), QList<int>{11});
    }

    void ruleRowsWithAndWithoutText() {
        PrintJob job;
        FillNumbered(job, 0);
        job.PutLine(Line(QString(), 40, 1, u'^'), {});               // rule alone
        job.PutLine(Line(QStringLiteral("Total"), 40, 1, u'^'), {}); // text, then rule
        job.PutLine(Line(QStringLiteral("next"), 40), {});
        initPlain(job);
        QVERIFY(job.firstPage());
        QCOMPARE(job.pageMap(0, 2), 0);
        QCOMPARE(job.pageMap(0, 3), 1);
        QCOMPARE(job.pageMap(0, 4), -1); // the rule under "Total"
        QCOMPARE(job.pageMap(0, 5), 2);
        QCOMPARE(job.page().rows[1].y, 2079 + 762.0);
        QCOMPARE(job.page().rows[2].y, 2079 + 3 * 762.0);
        // A bare rule is never the highlighted first row.
        QCOMPARE(job.SelectedRow(), 3);
    }

    void keepTogetherEndsThePageWhenTheRowsDoNotFit() {
        // After the 12th line five rows remain above the limit of height - 1110: "*05"
        // fits; after the 13th only four remain and the page ends there.
        for (const int keepAt : {12, 13}) {
            PrintJob job;
            FillNumbered(job, 0);
            for (int i = 1; i <= 30; ++i)
                job.PutLine(Line(QStringLiteral("L%1").arg(i), 40, 1, i == keepAt ? u'*' : u' ',
                                 QStringLiteral("05 ")),
                            {});
            initPlain(job);
            QVERIFY(job.firstPage());
            QCOMPARE(linesOfPage(job, 1).size(), keepAt == 12 ? 17 : 13);
            QVERIFY(job.nextPage());
            QCOMPARE(linesOfPage(job, 2).first(), keepAt == 12 ? 17 : 13);
        }
    }

    void keepTogetherOnTheLastLineEndsTheReport() {
        PrintJob job;
        FillNumbered(job, 3);
        job.PutLine(Line(QStringLiteral("last"), 40, 1, u'*', QStringLiteral("99 ")), {});
        initPlain(job);
        QVERIFY(job.lastPage());
        QCOMPARE(job.CurrentPage(), 1);
        QVERIFY(!job.moreLines());
    }

    void aPageHoldsAHundredRowsAtMost() {
        // 200 rows of 76.2 twips would fit on the page; the 100th row ends it.
        for (const bool boxes : {false, true}) {
            PrintJob job;
            FillNumbered(job, 150);
            job.Initprint(40, 0, 8, 200, false, false, boxes, {}, {}, {});
            QVERIFY(job.firstPage());
            QCOMPARE(job.page().headerBottom, 555.0);
            QCOMPARE(linesOfPage(job, 1).size(), 99);
            QCOMPARE(job.pageMap(0, 98), 98);
            QCOMPARE(job.pageMap(0, 99), -1);
            QVERIFY(!job.page().grid); // a page ended by its row count gets no grid
            QVERIFY(job.nextPage());
            QCOMPARE(linesOfPage(job, 2).first(), 99);
            QCOMPARE(job.page().grid, boxes); // the last page ends normally
        }
    }

    void titlesAreRepeatedAfterAnAtRow() {
        PrintJob job;
        FillNumbered(job, 0);
        job.PutLine(Line(QStringLiteral("first"), 40, 1, u'@'), {});
        job.PutLine(Line(QStringLiteral("second"), 40, 1, u'@'), {});
        job.PutLine(Line(QStringLiteral("third"), 40), {});
        initPlain(job);
        QVERIFY(job.firstPage());
        // Not after the first body row; after the second the title and its rule come again.
        QCOMPARE(job.page().titles.size(), 2);
        QCOMPARE(job.page().titles[1].y, 2079 + 2 * 762.0);
        QCOMPARE(job.pageMap(0, 4), -1);
        QCOMPARE(job.pageMap(0, 5), -1);
        QCOMPARE(job.pageMap(0, 6), 2);
    }

    void headerRowsCountAsRows() {
        PrintJob job;
        FillNumbered(job, 5);
        // Company alone takes no row; with the date the header row is counted.
        job.Initprint(40, 2, 10, 20, false, false, false, {}, QStringLiteral("Tavrinex SA"), {});
        QVERIFY(job.firstPage());
        QCOMPARE(job.page().headerBottom, 555 + 2 * 762.0);
        job.Initprint(40, 2, 10, 20, true, false, false, {}, QStringLiteral("Tavrinex SA"), {});
        QVERIFY(job.firstPage());
        QCOMPARE(job.page().headerBottom, 555 + 3 * 762.0);
        QCOMPARE(job.pageMap(0, 2), -1);
        QCOMPARE(job.pageMap(0, 3), 0);
    }

    void moreThan9999PagesStopsWithMessage9() {
        PrintJob job;
        job.InitTitles({}, {});
        for (int i = 0; i < 10001; ++i)
            job.PutLine(Line(QString::number(i), 10, 0, u'#'), {});
        job.Initprint(10, 0, 8, 0, false, false, false, {}, {}, {});
        job.lastPage();
        QCOMPARE(job.CurrentPage(), 9999);
        QCOMPARE(m_dialogs->numbers(), QList<int>{9});
        QVERIFY(!job.nextPage());
        QCOMPARE(m_dialogs->numbers(), (QList<int>{9, 9}));
    }

    void missingLogoShowsMessage10Once() {
        TestDataFolder folder;
        PrintJob job;
        FillNumbered(job, 5);
        job.Initprint(40, 1, 10, 20, false, false, false, {}, {}, QStringLiteral("NoSuchLogo.bmp"));
        QCOMPARE(m_dialogs->numbers(), QList<int>{10});
        QVERIFY(job.logoPath().isEmpty());
        QVERIFY(job.firstPage());
        QVERIFY(!job.page().logo);
        QCOMPARE(job.page().headerBottom, 2079.0);
        QCOMPARE(m_dialogs->boxes.size(), 1);
    }

    void logoPushesTheHeaderDown() {
        TestDataFolder folder;
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::red);
        QVERIFY(logo.save(folder.file(QStringLiteral("Logo.png"))));
        PrintJob job;
        FillNumbered(job, 5);
        job.Initprint(40, 1, 10, 20, false, false, false, {}, {}, QStringLiteral("Logo.png"));
        QVERIFY(m_dialogs->boxes.isEmpty());
        QCOMPARE(job.logoPath(), folder.file(QStringLiteral("Logo.png")));
        QVERIFY(job.firstPage());
        QVERIFY(job.page().logo);
        QCOMPARE(job.page().headerBottom, 2079 + 20 * 15.0);
    }

    void selectionFollowsClicksAndArrows() {
        PrintJob job;
        FillNumbered(job, 40);
        initPlain(job);
        QVERIFY(job.firstPage());
        QCOMPARE(job.SelectedRow(), 2); // the first body row
        QVERIFY(!job.selectionByUser());
        QCOMPARE(job.selectedLine(), 0);

        QVERIFY(job.selectRowAt(2079 + 3 * 762 + 100));
        QCOMPARE(job.SelectedRow(), 5);
        QCOMPARE(job.selectedLine(), 3);
        QVERIFY(job.selectionByUser());
        // A click on the title row keeps the selection; one above the margin clears it.
        QVERIFY(!job.selectRowAt(600));
        QCOMPARE(job.SelectedRow(), 5);
        QVERIFY(job.selectRowAt(100));
        QCOMPARE(job.SelectedRow(), -1);
        QCOMPARE(job.selectedLine(), -1);

        QVERIFY(job.moveSelection(1));
        QCOMPARE(job.SelectedRow(), 2);
        QVERIFY(!job.moveSelection(-1)); // nothing above the first line
        QVERIFY(job.selectEdgeRow(true));
        QCOMPARE(job.selectedLine(), 16);
        QVERIFY(!job.moveSelection(1));
        QVERIFY(job.moveSelection(-1));
        QCOMPARE(job.selectedLine(), 15);
    }

    void suffixAndKeys() {
        const LineSuffix s = ParseLineSuffix(QStringLiteral("text2*05 "));
        QCOMPARE(s.layout, 2);
        QCOMPARE(s.marker, u'*');
        QCOMPARE(s.keep, 5);
        QVERIFY(ParseLineSuffix(QStringLiteral("text1 %  ")).framed);
        QCOMPARE(VisibleText(QStringLiteral("text1    ")), QStringLiteral("text"));

        PrintJob job;
        job.InitTitles(QStringLiteral("Ergaz     Kins"), QStringLiteral("Εργ/μενος Κίνηση"));
        const QString entryKey = QStringLiteral("123456789     05/03/2016");
        job.PutLine(Line(QStringLiteral("x"), 10), QStringLiteral("123456789").leftJustified(47) + entryKey);
        QCOMPARE(job.keyField(0, 0), QStringLiteral("123456789"));
        QCOMPARE(job.keyField(0, 1), entryKey);
        QCOMPARE(job.keyField(0, 2), QString());
    }

private:
    ScriptedDialogs* m_dialogs = nullptr;
};

QTEST_MAIN(PrintJobTest)
#include "PrintJobTest.moc"
