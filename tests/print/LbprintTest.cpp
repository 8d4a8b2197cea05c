#include "windows/print/Lbprint.h"
#include "JobBuilder.h"
#include "PreviewFixture.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "windows/core/WindowCatalogue.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace JobBuilder;
using namespace Qt::StringLiterals;

// The preview window driven as a user drives it: toolbar, keys, mouse, printing to PDF files
// and the drill-down to the record behind a row.
class LbprintTest : public QObject {
    Q_OBJECT

    // With rows fixed at 20 to the page, the date row, the title and its rule leave 16 lines.
    static constexpr int LinesPerPage = 16;

    // A preview of `lines` numbered lines.
    Lbprint* openPreview(int lines, int pageLines = 20, double fontSize = 10) {
        auto* preview = new Lbprint;
        preview->InitTitles(QStringLiteral("Ergaz     Kins"), QStringLiteral("Εργ/μενος Κίνηση"));
        for (int i = 0; i < lines; ++i)
            preview->PutLine(Line(QStringLiteral("Γραμμή %1").arg(i), 40),
                             QStringLiteral("AFM%1").arg(i).leftJustified(47) +
                                 QStringLiteral("KEY%1").arg(i));
        preview->FixTitles(QStringLiteral("Ευρετήριο Δοκιμής"), 0, 0);
        preview->FixTitles(QString(40, u' ') + u'|', 1, 1);
        preview->Initprint(40, 2, fontSize, pageLines, true, true, false, {}, QStringLiteral("Tavrinex SA"),
                           {});
        preview->PictPages();
        return preview;
    }

    QAction* tool(Lbprint* preview, int n) {
        return preview->findChild<QAction*>(QStringLiteral("Tools_%1").arg(n));
    }
    QWidget* pict(Lbprint* preview) { return preview->findChild<QWidget*>(QStringLiteral("Pict")); }

    // A click on the middle of a row of the page, in the page picture's pixels.
    void clickRow(Lbprint* preview, double rowTopTwips, Qt::MouseButton button = Qt::LeftButton) {
        const double y = rowTopTwips + preview->job().geometry().lineHeight / 2;
        QTest::mouseClick(pict(preview), button, {}, QPoint(200, TwipsToPixels(y)));
    }

private slots:
    void init() {
        ResetProgramValues();
        Program.WorkDate = QDate(2016, 3, 5);
        Program.Colours = ColourSettings::defaults();
        m_fx.setUp();
    }
    void cleanup() { m_fx.tearDown(); }

    void anEmptyJobClosesTheWindow() {
        QPointer<Lbprint> preview = openPreview(0);
        QTRY_VERIFY(preview.isNull());
        QVERIFY(m_fx.mdi->subWindowList().isEmpty());
    }

    void theWindowShowsTheFirstPageWithTheReportTitle() {
        Lbprint* preview = openPreview(40);
        QCOMPARE(m_fx.mdi->subWindowList().size(), 1);
        QCOMPARE(preview->windowTitle(), QStringLiteral("Ευρετήριο Δοκιμής"));
        QCOMPARE(preview->job().CurrentPage(), 1);
        QCOMPARE(preview->pageImage().size(), QSize(762, 1090));
        QCOMPARE(pict(preview)->size(), preview->pageImage().size());
        QVERIFY(pict(preview)->hasFocus());
        // Placed at 50, 50 twips, within the main window.
        QCOMPARE(preview->subWindow()->pos(), QPoint(3, 3));
        QVERIFY(preview->subWindow()->width() <= m_fx.mdi->viewport()->width());
    }

    // The export button and the right-click menu's items 2 to 7 run the exports of the job.
    void theExportButtonAndTheRightClickMenuRunTheExports() {
        QTemporaryDir folder;
        const QString fromButton = folder.filePath(QStringLiteral("button.asc"));
        const QString fromMenu = folder.filePath(QStringLiteral("menu.asc"));
        Lbprint* preview = openPreview(5);
        // The text file, in the Windows code page.
        m_fx.dialogs->popUpChoices = {1, 1};
        m_fx.dialogs->fileNames << fromButton;
        tool(preview, 6)->trigger();
        QCOMPARE(m_fx.dialogs->popUps.first(), QStringList({"Αρχείο Asc", "Αρχείο Import", "Word Doc",
                                                            "Excel Sheet", "E-Mail", "Αρχείο Pdf"}));
        QFile written(fromButton);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(QStringDecoder("windows-1253").decode(bytes).operator QString().contains(u"Γραμμή 4"_s));

        m_fx.dialogs->popUpChoices = {2, 1};
        m_fx.dialogs->fileNames << fromMenu;
        clickRow(preview, preview->job().page().headerBottom, Qt::RightButton);
        QFile again(fromMenu);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), bytes);
        QCOMPARE(preview->job().CurrentPage(), 1);

        QPointer<Lbprint> guard = preview;
        tool(preview, 10)->trigger();
        QTRY_VERIFY(guard.isNull());
    }

    void pagingByToolbarAndKeys() {
        Lbprint* preview = openPreview(40); // pages of 16, 16 and 8 lines
        const PrintJob& job = preview->job();
        tool(preview, 3)->trigger();
        QCOMPARE(job.CurrentPage(), 1); // nothing before the first page
        tool(preview, 4)->trigger();
        QCOMPARE(job.CurrentPage(), 2);
        QCOMPARE(job.page().rows.first().line, LinesPerPage);
        tool(preview, 5)->trigger();
        QCOMPARE(job.CurrentPage(), 3);
        tool(preview, 4)->trigger();
        QCOMPARE(job.CurrentPage(), 3); // nothing after the last line
        QTest::keyClick(pict(preview), Qt::Key_PageUp);
        QCOMPARE(job.CurrentPage(), 2);
        QTest::keyClick(pict(preview), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(job.CurrentPage(), 1);
        QTest::keyClick(pict(preview), Qt::Key_PageDown);
        QCOMPARE(job.CurrentPage(), 2);
        QTest::keyClick(pict(preview), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(job.CurrentPage(), 3);
        tool(preview, 2)->trigger();
        QCOMPARE(job.CurrentPage(), 1);
        QCOMPARE(job.page().rows.first().line, 0);
    }

    void zoomKeysOfTheNumericPad() {
        Lbprint* preview = openPreview(40);
        const QSize plain = preview->pageImage().size();
        QTest::keyClick(pict(preview), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(preview->job().ZoomLevel(), 1);
        QVERIFY(preview->pageImage().width() > plain.width());
        tool(preview, 7)->trigger();
        tool(preview, 7)->trigger();
        QCOMPARE(preview->job().ZoomLevel(), 2);
        const QSize largest = preview->pageImage().size();
        QCOMPARE(largest, QSize(qRound(762 * 1.5625), qRound(1090 * 1.5625)));
        auto* vert = preview->findChild<QScrollBar*>(QStringLiteral("Vert"));
        QVERIFY(vert->maximum() > 0);
        // The plain plus key does not zoom.
        QTest::keyClick(pict(preview), Qt::Key_Minus);
        QCOMPARE(preview->job().ZoomLevel(), 2);
        QTest::keyClick(pict(preview), Qt::Key_Minus, Qt::KeypadModifier);
        tool(preview, 8)->trigger();
        tool(preview, 8)->trigger();
        QCOMPARE(preview->job().ZoomLevel(), 0);
        QCOMPARE(preview->pageImage().size(), plain);
    }

    void rowsAreSelectedByMouseAndArrows() {
        Lbprint* preview = openPreview(40);
        const PrintJob& job = preview->job();
        QCOMPARE(job.selectedLine(), 0);
        const double body = job.page().headerBottom;
        clickRow(preview, body + 4 * 762);
        QCOMPARE(job.selectedLine(), 4);
        // A click on the title keeps the selection.
        clickRow(preview, 555 + 762);
        QCOMPARE(job.selectedLine(), 4);
        // The highlighted row is yellow on the screen.
        const QColor shown = preview->pageImage().pixelColor(700, TwipsToPixels(body + 4 * 762 + 600));
        QCOMPARE(shown, QColor(255, 255, 0));
        QTest::keyClick(pict(preview), Qt::Key_Down);
        QCOMPARE(job.selectedLine(), 5);
        QTest::keyClick(pict(preview), Qt::Key_Up);
        QTest::keyClick(pict(preview), Qt::Key_Up);
        QCOMPARE(job.selectedLine(), 3);
        QTest::keyClick(pict(preview), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(job.selectedLine(), LinesPerPage - 1);
        QTest::keyClick(pict(preview), Qt::Key_Down);
        QCOMPARE(job.selectedLine(), LinesPerPage - 1);
        QTest::keyClick(pict(preview), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(job.selectedLine(), 0);
        // Moving to another page highlights its first row.
        QTest::keyClick(pict(preview), Qt::Key_PageDown);
        QCOMPARE(job.selectedLine(), LinesPerPage);
    }

    void scrollKeysMoveTheZoomedPage() {
        Lbprint* preview = openPreview(40);
        preview->zoomIn();
        preview->zoomIn();
        auto* oriz = preview->findChild<QScrollBar*>(QStringLiteral("Oriz"));
        auto* vert = preview->findChild<QScrollBar*>(QStringLiteral("Vert"));
        m_fx.frame->resize(700, 500);
        QTRY_VERIFY(oriz->maximum() > 0 && vert->maximum() > 0);
        QTest::keyClick(pict(preview), Qt::Key_End);
        QCOMPARE(oriz->value(), oriz->maximum());
        QCOMPARE(pict(preview)->x(), -oriz->maximum());
        QTest::keyClick(pict(preview), Qt::Key_Right);
        QCOMPARE(oriz->value(), oriz->maximum());
        QTest::keyClick(pict(preview), Qt::Key_Left);
        QCOMPARE(oriz->value(), oriz->maximum() - oriz->singleStep());
        QTest::keyClick(pict(preview), Qt::Key_Home);
        QCOMPARE(oriz->value(), 0);
        QTest::keyClick(pict(preview), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(vert->value(), vert->singleStep());
        QCOMPARE(pict(preview)->y(), -vert->singleStep());
        // Moving the highlight down the page brings its row into view.
        QTest::keyClick(pict(preview), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(vert->value(), 0);
        for (int i = 0; i < LinesPerPage - 1; ++i)
            QTest::keyClick(pict(preview), Qt::Key_Down);
        const int row = preview->job().SelectedRow();
        const int bottom = TwipsToPixels(preview->job().rowTop(row) + preview->job().geometry().lineHeight);
        QVERIFY(vert->value() > 0);
        QVERIFY(bottom <= vert->value() + preview->findChild<QWidget*>(QStringLiteral("Frm"))->height());
        // A new page shows from its top.
        QTest::keyClick(pict(preview), Qt::Key_PageDown);
        QCOMPARE(vert->value(), 0);
    }

    void theContextMenuPrintsAsTheLastChoice() {
        Lbprint* preview = openPreview(3 * LinesPerPage);
        m_fx.dialogs->printerAnswers = {true, true, true};
        m_fx.dialogs->popUpChoices = {1};
        clickRow(preview, preview->job().page().headerBottom, Qt::RightButton);
        QCOMPARE(m_fx.pdfPages(1), 3); // no choice yet: all pages
        QVERIFY(pict(preview)->hasFocus());
        preview->printPages(2);
        QCOMPARE(m_fx.pdfPages(2), 1);
        m_fx.dialogs->popUpChoices = {1};
        clickRow(preview, preview->job().page().headerBottom, Qt::RightButton);
        QCOMPARE(m_fx.pdfPages(3), 1); // the page on display again
    }

    void escapeAndTheContextMenuCloseTheWindow() {
        QPointer<Lbprint> preview = openPreview(5);
        QTest::keyClick(pict(preview), Qt::Key_Escape);
        QTRY_VERIFY(preview.isNull());

        preview = openPreview(5);
        m_fx.dialogs->popUpChoices = {9};
        clickRow(preview, preview->job().page().headerBottom, Qt::RightButton);
        QCOMPARE(m_fx.dialogs->popUps.last(),
                 QStringList({"Εκτύπωση", "Αρχείο Asc", "Αρχείο Import", "Word Doc", "Excel Sheet", "E-Mail",
                              "Αρχείο Pdf", "Γέφυρες Αρχείων", "Εξοδος"}));
        QTRY_VERIFY(preview.isNull());
    }

    void printingAllPagesGivesThePreviewsPageCount() {
        // The automatic font and rows as high as it: the paper pages break as the preview's.
        Lbprint* preview = openPreview(200, 0, 0);
        m_fx.dialogs->popUpChoices = {1};
        m_fx.dialogs->printerAnswers = {true};
        tool(preview, 1)->trigger();
        QCOMPARE(m_fx.dialogs->popUps.first(), QStringList({"Ολες", "Τρέχουσα", "Επιλογή Σελίδων"}));
        QCOMPARE(m_fx.dialogs->printerSetups, 1);
        QCOMPARE(m_fx.lastOrientation, QPageLayout::Portrait);
        // The preview itself stays where it was.
        QCOMPARE(preview->job().CurrentPage(), 1);
        preview->lastPage();
        const int pages = preview->job().CurrentPage();
        QVERIFY(pages >= 2);
        QCOMPARE(m_fx.pdfPages(1), pages);
        const QString first = m_fx.pdfText(1, 0);
        QVERIFY2(first.contains(QStringLiteral("Ευρετήριο Δοκιμής")), qPrintable(first));
        QVERIFY(first.contains(QStringLiteral("Γραμμή 0")));
        QVERIFY(first.contains(QStringLiteral("05/03/2016")));
        QVERIFY(first.contains(QStringLiteral("Σελίδα:1")));
        QVERIFY(m_fx.pdfText(1, 1).contains(QStringLiteral("Σελίδα:2")));
    }

    void aRangePrintsThePagesInsideIt() {
        Lbprint* preview = openPreview(5 * LinesPerPage); // five pages
        m_fx.dialogs->printerAnswers = {true, true};
        preview->printPages(3);
        auto* apo = preview->findChild<QLineEdit*>(QStringLiteral("ApoSel"));
        auto* eos = preview->findChild<QLineEdit*>(QStringLiteral("EosSel"));
        QVERIFY(apo->isVisible() && eos->isVisible());
        QCOMPARE(apo->text(), QStringLiteral("1"));
        QCOMPARE(eos->text(), QStringLiteral("999"));
        QVERIFY(apo->hasFocus());
        apo->setText(QStringLiteral("2"));
        QTest::keyClick(apo, Qt::Key_Return);
        QVERIFY(eos->hasFocus());
        QTest::keyClick(eos, Qt::Key_Return); // leaving the last box prints
        QVERIFY(!eos->isVisible());
        QCOMPARE(m_fx.dialogs->printerSetups, 1);
        QCOMPARE(m_fx.pdfPages(1), 4);
        QVERIFY(m_fx.pdfText(1, 0).contains(QStringLiteral("Σελίδα:2")));
        QVERIFY(m_fx.pdfText(1, 0).contains(QStringLiteral("Γραμμή %1").arg(LinesPerPage)));
        QVERIFY(!m_fx.pdfText(1, 0).contains(QStringLiteral("Γραμμή 0")));

        // 3..2 prints nothing; text that is no number counts as 0.
        preview->printPages(3);
        apo->setText(QStringLiteral("3"));
        eos->setText(QStringLiteral("2"));
        pict(preview)->setFocus();
        eos->setFocus();
        pict(preview)->setFocus();
        QCOMPARE(m_fx.dialogs->printerSetups, 2);
        QCOMPARE(m_fx.pdfPages(2), -1);
    }

    void aRangeFromTextThatIsNoNumberStartsAtZero() {
        Lbprint* preview = openPreview(3 * LinesPerPage);
        m_fx.dialogs->printerAnswers = {true};
        preview->printPages(3);
        auto* apo = preview->findChild<QLineEdit*>(QStringLiteral("ApoSel"));
        auto* eos = preview->findChild<QLineEdit*>(QStringLiteral("EosSel"));
        apo->setText(QStringLiteral("abc"));
        eos->setText(QStringLiteral("2"));
        eos->setFocus();
        pict(preview)->setFocus();
        QCOMPARE(apo->text(), QStringLiteral("0"));
        QCOMPARE(m_fx.pdfPages(1), 2);
    }

    void theCurrentPagePrintsAsShown() {
        Lbprint* preview = openPreview(40);
        m_fx.dialogs->printerAnswers = {true, true};
        preview->nextPage();
        preview->printPages(2);
        QVERIFY(m_fx.dialogs->boxes.isEmpty());
        QCOMPARE(m_fx.pdfPages(1), 1);
        QVERIFY2(m_fx.pdfText(1, 0).contains(QStringLiteral("Σελίδα:2")), qPrintable(m_fx.pdfText(1, 0)));
        // Zoomed: message 83, and the page is still printed.
        preview->zoomIn();
        preview->printPages(2);
        QCOMPARE(m_fx.dialogs->numbers(), QList<int>{83});
        QCOMPARE(m_fx.pdfPages(2), 1);
        QCOMPARE(preview->PrintChoice(), 2);
    }

    // A report that reaches the 64,000-line limit says so: a box naming the lines left out
    // before the preview opens, and the foot of its last page.
    void aReportCutAtTheLineLimitSaysSo() {
        bool previewOpenAtTheBox = true;
        m_fx.dialogs->onMessage = [this, &previewOpenAtTheBox](const MessageBox&) {
            previewOpenAtTheBox = !m_fx.mdi->subWindowList().isEmpty();
        };
        Lbprint* preview = openPreview(64010, 60, 8);
        m_fx.dialogs->onMessage = nullptr;
        QCOMPARE(preview->job().LineCount(), 64000);
        QCOMPARE(m_fx.dialogs->boxes.size(), 1);
        const MessageBox box = m_fx.dialogs->boxes.first();
        QCOMPARE(box.title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(box.icon, MsgIcon::Warning);
        QVERIFY2(box.text.contains(QStringLiteral("64.000 γραμμών: οι επόμενες 10 γραμμές")),
                 qPrintable(box.text));
        QVERIFY(!previewOpenAtTheBox);
        QCOMPARE(m_fx.mdi->subWindowList().size(), 1);

        m_fx.dialogs->printerAnswers = {true, true};
        preview->printPages(2);
        QVERIFY(!m_fx.pdfText(1, 0).contains(QStringLiteral("Ελλιπής")));
        preview->lastPage();
        preview->printPages(2);
        const QString last = m_fx.pdfText(2, 0);
        QVERIFY2(last.contains(QStringLiteral("Ελλιπής εκτύπωση: λείπουν 10 γραμμές (όριο 64.000).")),
                 qPrintable(last.right(300)));
        QVERIFY(last.contains(QStringLiteral("Γραμμή 63999")));
    }

    void aReportOfExactlyTheLimitIsWhole() {
        Lbprint* preview = openPreview(64000, 60, 8);
        QVERIFY(m_fx.dialogs->boxes.isEmpty());
        preview->lastPage();
        m_fx.dialogs->printerAnswers = {true};
        preview->printPages(2);
        QVERIFY(!m_fx.pdfText(1, 0).contains(QStringLiteral("Ελλιπής")));
        QVERIFY(m_fx.pdfText(1, 0).contains(QStringLiteral("Γραμμή 63999")));
    }

    void aCancelledPrinterDialogPrintsNothing() {
        Lbprint* preview = openPreview(40);
        m_fx.dialogs->printerAnswers = {false};
        QTest::keyClick(pict(preview), Qt::Key_F10);
        QCOMPARE(m_fx.dialogs->printerSetups, 1);
        QCOMPARE(m_fx.pdfCount, 0);
        QVERIFY(!QFile::exists(m_fx.pdfPath(1)));
    }

    void aLongReportAsksBeforePrintingAll() {
        // 3,367 lines make about 51 pages of 66 lines: asked; No prints nothing.
        Lbprint* preview = openPreview(3367);
        m_fx.dialogs->answers = {MsgAnswer::No};
        QTest::keyClick(pict(preview), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_fx.dialogs->boxes.size(), 1);
        const MessageBox box = m_fx.dialogs->boxes.first();
        QCOMPARE(box.title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(box.text, QStringLiteral("Θα εκτυπωθούν περίπου 51 σελίδες."));
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        QCOMPARE(box.icon, MsgIcon::Critical);
        QCOMPARE(m_fx.dialogs->printerSetups, 0);
        preview->closeWindow();

        // 3,300 lines (50 pages) print without the question.
        preview = openPreview(3300);
        m_fx.dialogs->clear();
        QTest::keyClick(pict(preview), Qt::Key_F10);
        QVERIFY(m_fx.dialogs->boxes.isEmpty());
        QCOMPARE(m_fx.dialogs->printerSetups, 1);
    }

    void wideReportsPrintSideways() {
        auto* preview = new Lbprint;
        preview->InitTitles({}, {});
        preview->PutLine(Line(QStringLiteral("wide"), 140), {});
        preview->FixTitles(QStringLiteral("Wide"), 0, 0);
        preview->FixTitles(QString(140, u' ') + u'|', 1, 1);
        preview->Initprint(140, 2, 8, 0, false, false, false, {}, {}, {});
        preview->PictPages();
        m_fx.dialogs->printerAnswers = {true};
        preview->printPages(1);
        QCOMPARE(m_fx.lastOrientation, QPageLayout::Landscape);
        const QSizeF size = m_fx.pdfPageSize(1);
        QVERIFY(size.width() > size.height());
    }

    void drillDownOpensTheChosenRecordWindow() {
        QString openedWith;
        for (const QString& name : {QStringLiteral("Ergaz"), QStringLiteral("Kins")}) {
            WindowCatalogue::addChild(name, [name, &openedWith] {
                auto* window = new ChildWindow;
                window->setObjectName(name);
                openedWith = name + u':' + Program.BridgeKey[name == u"Kins" ? 1 : 0];
                return window;
            });
        }
        Lbprint* preview = openPreview(10);
        // Nothing happens without a selected row.
        clickRow(preview, 100);
        m_fx.dialogs->popUpChoices = {2};
        tool(preview, 9)->trigger();
        QVERIFY(m_fx.dialogs->popUps.isEmpty());

        clickRow(preview, preview->job().page().headerBottom + 3 * 762);
        Program.PopUpChoice = 7;
        tool(preview, 9)->trigger();
        QCOMPARE(m_fx.dialogs->popUps.last(), QStringList({"Εργ/μενος", "Κίνηση"}));
        QCOMPARE(openedWith, QStringLiteral("Kins:KEY3"));
        QCOMPARE(Program.BridgeMode[1], qint16(2));
        QCOMPARE(Program.PopUpChoice, qint16(7));
        QVERIFY(m_fx.mdi->findChildWindow(QStringLiteral("Kins")));

        // The right-click menu's item 8 does the same; an open window of the form is
        // closed first and opened again with the new key.
        QPointer<ChildWindow> firstKins = m_fx.mdi->findChildWindow(QStringLiteral("Kins"));
        clickRow(preview, preview->job().page().headerBottom + 5 * 762);
        m_fx.dialogs->popUpChoices = {8, 2};
        clickRow(preview, preview->job().page().headerBottom + 5 * 762, Qt::RightButton);
        QCOMPARE(openedWith, QStringLiteral("Kins:KEY5"));
        QTRY_VERIFY(firstKins.isNull());
        QCOMPARE(m_fx.mdi->subWindowList().size(), 2);
        m_fx.dialogs->popUpChoices = {8, 1};
        clickRow(preview, preview->job().page().headerBottom + 5 * 762, Qt::RightButton);
        QCOMPARE(openedWith, QStringLiteral("Ergaz:AFM5"));
        QCOMPARE(Program.BridgeMode[0], qint16(2));
    }

private:
    PreviewFixture m_fx;
};

QTEST_MAIN(LbprintTest)
#include "LbprintTest.moc"
