#include "windows/maintenance/Manual.h"
#include "MdiFrame.h"
#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "logic/core/program/Twips.h"
#include "shell/Windows.h"
#include "windows/core/MdiHost.h"
#include "windows/maintenance/EnhXrh.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfView>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

// The version notes and the manual windows on a data folder.
class ManualTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsTheShippedNotesNewestFirst();
    void missingNotesShowMessage10AndAnEmptyWindow();
    void unreadableNotesShowMessage16();
    void notesOfTheGreekCodePageAndFormattedNotes();
    void printsTheNotesAndACancelPrintsNothing();
    void escapeCloses();

    void theManualShowsEveryPageAsWideAsTheWindow();
    void aMissingManualIsSaidInTheWindow();
    void theManualOpensWhereItsFirstPageBegins();

private:
    QString notes() const { return m_folder->file(u"Version.Txt"_s); }
    void writeNotes(const QByteArray& bytes) {
        QFile file(notes());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QString shownText() {
        Manual window(m_frame->window());
        return window.findChild<QTextEdit*>(u"Version"_s)->toPlainText();
    }

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<MdiFrame> m_frame;
    ScriptedDialogs* m_dialogs = nullptr;
};

void ManualTest::init() {
    m_folder = std::make_unique<TestDataFolder>();
    m_dialogs = &InstallScriptedDialogs();
    RegisterWindows();
    m_frame = std::make_unique<MdiFrame>();
}

void ManualTest::cleanup() {
    m_frame.reset();
    m_folder.reset();
}

void ManualTest::showsTheShippedNotesNewestFirst() {
    Manual window(m_frame->window());
    window.show();
    QCOMPARE(window.windowTitle(), u"Αλλαγές Εκδόσεων"_s);
    QCOMPARE(window.findChild<QPushButton*>(u"PrtBut"_s)->text(), u"Εκτύπωση"_s);
    QCOMPARE(window.findChild<QPushButton*>(u"ExitBut"_s)->text(), u"Εξοδος"_s);
    const QString text = window.findChild<QTextEdit*>(u"Version"_s)->toPlainText();
    QVERIFY(text.contains(u"ΕΚΔΟΣΗ 1.01"_s));
    QVERIFY(text.indexOf(u"ΕΚΔΟΣΗ 1.01"_s) < text.indexOf(u"ΕΚΔΟΣΗ 1.00"_s));
    QVERIFY(m_dialogs->boxes.isEmpty());
    const QRect box = window.findChild<QTextEdit*>(u"Version"_s)->geometry();
    QCOMPARE(box.width(), window.width() - TwipsToPixels(90));
    QCOMPARE(box.height(),
             window.height() - window.findChild<QPushButton*>(u"PrtBut"_s)->height() - TwipsToPixels(135));
}

void ManualTest::missingNotesShowMessage10AndAnEmptyWindow() {
    QFile::remove(notes());
    QVERIFY(shownText().isEmpty());
    QCOMPARE(m_dialogs->numbers(), QList<int>{10});
}

void ManualTest::unreadableNotesShowMessage16() {
    QFile::remove(notes());
    QVERIFY(QDir(m_folder->path()).mkdir(u"Version.Txt"_s));
    QVERIFY(shownText().isEmpty());
    QCOMPARE(m_dialogs->numbers(), QList<int>{16});
}

void ManualTest::notesOfTheGreekCodePageAndFormattedNotes() {
    QStringEncoder greek("windows-1253");
    writeNotes(greek(u"Έκδοση 0.99\r\nΔιορθώσεις στην εκτύπωση.\r\n"_s));
    QCOMPARE(shownText(), u"Έκδοση 0.99\nΔιορθώσεις στην εκτύπωση.\n"_s);
    writeNotes(u"<html><body><h2>Έκδοση 2.00</h2><p>Νέα <b>εκτύπωση</b>.</p></body></html>"_s.toUtf8());
    const QString formatted = shownText();
    QVERIFY2(formatted.contains(u"Έκδοση 2.00"_s) && !formatted.contains(u"<b>"_s), qPrintable(formatted));
}

void ManualTest::printsTheNotesAndACancelPrintsNothing() {
    QTemporaryDir output;
    const QString pdf = output.filePath(u"notes.pdf"_s);
    m_dialogs->onPrinterAccepted = [&](const PrintDialogRequest& request) {
        request.printer->setOutputFormat(QPrinter::PdfFormat);
        request.printer->setOutputFileName(pdf);
    };
    Manual window(m_frame->window());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    m_dialogs->printerAnswers = {false};
    window.findChild<QPushButton*>(u"PrtBut"_s)->click();
    QVERIFY(!QFileInfo::exists(pdf));
    m_dialogs->printerAnswers = {true};
    QTest::keyClick(window.findChild<QTextEdit*>(u"Version"_s), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(m_dialogs->printerSetups, 2);
    QPdfDocument document;
    QCOMPARE(document.load(pdf), QPdfDocument::Error::None);
    QVERIFY(document.pageCount() >= 1);
    QString all;
    for (int page = 0; page < document.pageCount(); ++page)
        all += document.getAllText(page).text();
    QVERIFY2(all.contains(u"ΕΚΔΟΣΗ 1.01"_s) && all.contains(u"ΕΚΔΟΣΗ 1.00"_s), qPrintable(all.left(300)));
}

void ManualTest::escapeCloses() {
    Manual window(m_frame->window());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(window.findChild<QTextEdit*>(u"Version"_s), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void ManualTest::theManualShowsEveryPageAsWideAsTheWindow() {
    {
        QPdfWriter writer(m_folder->file(u"Manual.pdf"_s));
        QPainter painter(&writer);
        for (int page = 0; page < 3; ++page) {
            if (page > 0)
                writer.newPage();
            painter.drawText(200, 400, u"Κεφάλαιο %1"_s.arg(page + 1));
        }
    }
    auto* window = static_cast<EnhXrh*>(MdiHost::instance()->openChild(u"EnhXrh"_s));
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), u"Εγχειρίδιο Χρήσης"_s);
    auto* view = window->findChild<QPdfView*>(u"WebBr"_s);
    QVERIFY(view && view->isVisible());
    QCOMPARE(window->document()->pageCount(), 3);
    QCOMPARE(view->pageMode(), QPdfView::PageMode::MultiPage);
    QCOMPARE(view->zoomMode(), QPdfView::ZoomMode::FitToWidth);
    auto* exit = window->findChild<QPushButton*>(u"ExitBut"_s);
    QCOMPARE(view->geometry(),
             QRect(0, 0, window->width(), window->height() - exit->height() - TwipsToPixels(40)));
    QCOMPARE(exit->geometry().top(), window->height() - exit->height() - TwipsToPixels(20));
    QTRY_VERIFY(exit->hasFocus());
    // The keys of a document move its pages while the button keeps the focus.
    QTest::keyClick(exit, Qt::Key_PageDown);
    QVERIFY(view->verticalScrollBar()->value() > 0);
    QTest::keyClick(exit, Qt::Key_Home);
    QCOMPARE(view->verticalScrollBar()->value(), 0);
    QPointer<EnhXrh> open = window;
    QTest::keyClick(exit, Qt::Key_Escape);
    QTRY_VERIFY(!open);
}

void ManualTest::aMissingManualIsSaidInTheWindow() {
    QFile::remove(m_folder->file(u"Manual.pdf"_s));
    auto* window = static_cast<EnhXrh*>(MdiHost::instance()->openChild(u"EnhXrh"_s));
    QVERIFY(window);
    auto* missing = window->findChild<QLabel*>(u"Missing"_s);
    QVERIFY(missing->isVisible());
    QVERIFY(missing->text().contains(m_folder->file(u"Manual.pdf"_s)));
    QVERIFY(!window->findChild<QPdfView*>(u"WebBr"_s)->isVisible());
}

// The shipped manual's title stands a third of the way down its page: the window opens
// there, not on the blank top of the page.
void ManualTest::theManualOpensWhereItsFirstPageBegins() {
    QVERIFY(QFile::exists(m_folder->file(u"Manual.pdf"_s)));
    auto* window = static_cast<EnhXrh*>(MdiHost::instance()->openChild(u"EnhXrh"_s));
    QVERIFY(window);
    auto* view = window->findChild<QPdfView*>(u"WebBr"_s);
    QTRY_VERIFY(view->verticalScrollBar()->value() > 0);
    // The upper part of the first screen holds lines of text, drawn when the page arrives.
    const auto inkRows = [view] {
        const QImage shown = view->viewport()->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
        int rows = 0;
        for (int y = 0; y < shown.height() * 2 / 5; ++y) {
            const uchar* line = shown.constScanLine(y);
            for (int x = shown.width() / 4; x < shown.width() * 3 / 4; ++x) {
                if (line[x] < 128) {
                    ++rows;
                    break;
                }
            }
        }
        return rows;
    };
    QTRY_VERIFY(inkRows() > 10);
}

QTEST_MAIN(ManualTest)
#include "ManualTest.moc"
