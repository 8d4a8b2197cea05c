#include "logic/print/PageRenderer.h"
#include "JobBuilder.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/print/PrintJob.h"

#include <QImage>
#include <QTest>

using namespace JobBuilder;

// Pages drawn by the renderer, looked at pixel by pixel at screen scale.
class PageRendererTest : public QObject {
    Q_OBJECT

    static constexpr quint32 Header = 0x008000;   // green (0x00BBGGRR)
    static constexpr quint32 TextEven = 0x0000C0; // red
    static constexpr quint32 TextOdd = 0xC00000;  // blue
    static constexpr quint32 FillEven = 0xC0FFC0;
    static constexpr quint32 FillOdd = 0xFFC0C0;
    static constexpr quint32 Page = 0xF0F0F0;

    // The pixels inside the rectangle (in twips) of the colour, or near it: text is drawn
    // smoothed, so that few of its pixels have the pen's colour exactly. With near false: the
    // pixels that are not of the colour.
    static int countColour(const QImage& image, const QRectF& twips, const QColor& colour, bool near = true) {
        const QRect pixels(int(twips.left() / 15), int(twips.top() / 15), qMax(1, int(twips.width() / 15)),
                           qMax(1, int(twips.height() / 15)));
        int count = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                if (!image.rect().contains(x, y))
                    continue;
                const QRgb p = image.pixel(x, y);
                const int distance = qAbs(qRed(p) - colour.red()) + qAbs(qGreen(p) - colour.green()) +
                                     qAbs(qBlue(p) - colour.blue());
                if ((distance < 60) == near)
                    ++count;
            }
        }
        return count;
    }

    static int countInk(const QImage& image, const QRectF& twips) {
        return countColour(image, twips, Qt::white, false);
    }

    static QColor c(quint32 bgr) { return ToQColor(bgr); }

    // Rows of 762 twips, body from 2079 (see the job tests); a 40-character line of
    // 10-point type is 5,200 twips wide, so the right part of each row holds only its fill.
    void build(PrintJob& job, int lines, const QList<int>& attr = {}, bool boxes = false) {
        FillNumbered(job, lines);
        job.FixTitles(QStringLiteral("Number  |Text      |"), 2, 1, attr);
        job.Initprint(40, 3, 10, 20, true, true, boxes, {}, QStringLiteral("Tavrinex SA"), {});
        QVERIFY(job.firstPage());
    }

    // The lower part of a body row holds only its fill; its text stands in the upper part.
    QRectF rowBand(const PrintJob& job, int bodyRow, double left = 8000, double right = 11000) const {
        const double top = job.page().headerBottom + bodyRow * 762;
        return QRectF(left, top + 350, right - left, 350);
    }
    QRectF textBand(const PrintJob& job, int bodyRow) const {
        const double top = job.page().headerBottom + bodyRow * 762;
        return QRectF(350, top, 2500, 300);
    }

private slots:
    void init() {
        ResetProgramValues();
        Program.WorkDate = QDate(2016, 3, 5);
        Program.Colours = ColourSettings::defaults();
        Program.Colours.PreviewHeader = Header;
        Program.Colours.PreviewTextEven = TextEven;
        Program.Colours.PreviewTextOdd = TextOdd;
        Program.Colours.PreviewFillEven = FillEven;
        Program.Colours.PreviewFillOdd = FillOdd;
        Program.Colours.PreviewPage = Page;
    }

    void rowsAreFilledByLineIndexAndTheFirstIsYellow() {
        PrintJob job;
        build(job, 10);
        RenderOptions options;
        options.selectedRow = job.SelectedRow();
        const QImage image = RenderPageImage(job, job.geometry(), job.page(), options);
        QCOMPARE(image.width(), 762); // 11435 twips
        const QColor yellow(255, 255, 0);
        QVERIFY(countColour(image, rowBand(job, 0), yellow) > 1000);
        QVERIFY(countColour(image, rowBand(job, 1), c(FillOdd)) > 1000);
        QVERIFY(countColour(image, rowBand(job, 2), c(FillEven)) > 1000);
        QCOMPARE(countColour(image, rowBand(job, 2), yellow), 0);
        // The first row keeps its own text colour; the next rows alternate.
        QVERIFY(countColour(image, textBand(job, 0), c(TextEven)) > 10);
        QVERIFY(countColour(image, textBand(job, 1), c(TextOdd)) > 10);
        QCOMPARE(countColour(image, textBand(job, 1), c(TextEven)), 0);
        // The page colour outside the rows.
        QVERIFY(countColour(image, QRectF(0, 0, 11435, 500), c(Page)) > 10000);
    }

    void aRowChosenByTheUserIsWrittenInBlack() {
        PrintJob job;
        build(job, 10);
        QVERIFY(job.selectRowAt(job.page().headerBottom + 3 * 762 + 50));
        RenderOptions options;
        options.selectedRow = job.SelectedRow();
        options.highlightText = job.selectionByUser();
        const QImage image = RenderPageImage(job, job.geometry(), job.page(), options);
        QVERIFY(countColour(image, rowBand(job, 3), QColor(255, 255, 0)) > 1000);
        QVERIFY(countColour(image, textBand(job, 3), Qt::black) > 10);
        QCOMPARE(countColour(image, textBand(job, 3), c(TextOdd)), 0);
        // The first row is no longer highlighted.
        QVERIFY(countColour(image, rowBand(job, 0), c(FillEven)) > 1000);
    }

    void headerAndTitlesInTheHeaderColour() {
        PrintJob job;
        build(job, 3);
        const QImage image = RenderPageImage(job, job.geometry(), job.page(), {});
        const QColor header = c(Header);
        // Company at the left, date in the middle, page number at the right of the first row.
        QVERIFY(countColour(image, QRectF(350, 555, 2000, 700), header) > 10);
        QVERIFY(countColour(image, QRectF(4500, 555, 1500, 700), header) > 10);
        QVERIFY(countColour(image, QRectF(9000, 555, 2000, 700), header) > 10);
        // The centred title, its rule across the page, the column headings.
        QVERIFY(countColour(image, QRectF(4500, 555 + 762, 2000, 700), header) > 10);
        QVERIFY(countColour(image, QRectF(350, 555 + 2 * 762 - 20, 10700, 40), header) > 600);
        QVERIFY(countColour(image, QRectF(350, 555 + 3 * 762, 1000, 700), header) > 10);
        // Nothing but the page colour between the heading and its rule's row.
        QCOMPARE(countColour(image, QRectF(350, 555 + 3 * 762, 10700, 700), c(TextEven)), 0);
    }

    void printerPagesHaveNoFills() {
        PrintJob job;
        build(job, 10);
        RenderOptions options;
        options.screen = false;
        options.selectedRow = job.SelectedRow();
        const QImage image = RenderPageImage(job, job.geometry(), job.page(), options);
        QCOMPARE(countColour(image, rowBand(job, 0), QColor(255, 255, 0)), 0);
        QCOMPARE(countColour(image, rowBand(job, 1), c(FillOdd)), 0);
        QVERIFY(countColour(image, textBand(job, 1), c(TextOdd)) > 10);
    }

    void framedCellsAndRules() {
        PrintJob job;
        FillNumbered(job, 0);
        job.PutLine(Line(QStringLiteral("12345678 framed"), 40, 2), {});
        job.PutLine(Line(QStringLiteral("total"), 40, 2, u'^'), {});
        job.FixTitles(QStringLiteral("Number  |Text      |"), 2, 1, {0, 4});
        job.Initprint(40, 3, 10, 20, false, false, false, {}, {}, {});
        QVERIFY(job.firstPage());
        RenderOptions options;
        options.screen = false;
        const QImage image = RenderPageImage(job, job.geometry(), job.page(), options);
        const double top = job.page().headerBottom;
        const double cw = job.geometry().advance;
        // Column 2 (start 10, width 10) is framed: its left side is a vertical line.
        const double frameLeft = 350 + 9 * cw;
        QVERIFY(countColour(image, QRectF(frameLeft - 10, top + 200, 30, 400), c(TextEven)) >= 4);
        // Column 1 is not.
        QCOMPARE(countColour(image, QRectF(340, top + 200, 30, 400), c(TextEven)), 0);
        // "^" under a line with text: a rule across the page 10 twips below the row.
        QVERIFY(countColour(image, QRectF(6000, top + 2 * 762 + 10 - 20, 4000, 40), c(TextOdd)) > 200);
    }

    // Blanks at the end of a cell draw nothing, except under an underline, which runs on
    // to the cell's last character.
    void anUnderlinedCellIsUnderlinedToItsEndAndPlainBlanksDrawNothing() {
        PrintJob job;
        FillNumbered(job, 0);
        job.PutLine(Line(QStringLiteral("ab       cd"), 40, 2), {});
        job.FixTitles(QStringLiteral("Number  |Text      |"), 2, 1, {PrintJob::Plain, PrintJob::Underline});
        job.Initprint(40, 3, 10, 20, false, false, false, {}, {}, {});
        QVERIFY(job.firstPage());
        RenderOptions options;
        options.screen = false;
        const QImage image = RenderPageImage(job, job.geometry(), job.page(), options);
        const double top = job.page().headerBottom;
        const double cw = job.geometry().advance;
        // The blank tails of both cells, from their third character to their last.
        const QRectF plainTail(350 + 3 * cw, top, 5 * cw, 700);
        const QRectF underlinedTail(350 + 12 * cw, top, 7 * cw, 700);
        // A thin underline is smoothed into paler pixels: count everything that is not paper.
        QCOMPARE(countInk(image, plainTail), 0);
        QVERIFY(countInk(image, underlinedTail) >= 5 * int(cw / 15));
        // The underlined text itself is drawn.
        QVERIFY(countColour(image, QRectF(350 + 9 * cw, top, 2 * cw, 700), c(TextEven)) > 10);
    }

    void boxedPagesGetTheirGrid() {
        PrintJob job;
        build(job, 5, {}, true);
        const QImage image = RenderPageImage(job, job.geometry(), job.page(), {});
        const double cw = job.geometry().advance;
        const double bottomRow = job.geometry().height - 1500;
        // The left border and the line after each column, down to the bottom of the grid.
        for (const int separator : {0, job.separatorPos(1), job.separatorPos(2)}) {
            const double x = 350 + separator * cw;
            QVERIFY2(countColour(image, QRectF(x - 10, bottomRow, 30, 500), c(Header)) >= 20,
                     qPrintable(QString::number(separator)));
        }
        QCOMPARE(job.separatorPos(2), 21); // one past the last "|"
    }
};

QTEST_MAIN(PageRendererTest)
#include "PageRendererTest.moc"
