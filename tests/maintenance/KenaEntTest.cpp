#include "windows/maintenance/KenaEnt.h"
#include "MdiFrame.h"
#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "logic/core/program/Twips.h"
#include "logic/maintenance/BlankForms.h"
#include "shell/Windows.h"
#include "windows/core/MdiHost.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPdfDocument>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The blank forms window on a data folder that received the drawn forms.
class KenaEntTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void listsTheTwentyEightFormsAndTheirPictures();
    void theDrawnPicturesAreA4At200Dpi();
    void sizeAndPlaceOnTheScreen();
    void choosingAFormShowsItWithScrollBars();
    void arrowsScrollWithinTheBars();
    void aMissingPictureKeepsThePreviousOne();
    void aRealScanInTheDataFolderIsShownInstead();
    void printsOnAFullPageInTheListedOrientation();
    void cancelledPrintPrintsNothing();
    void escapeAndTheExitButtonClose();

private:
    KenaEnt* open() {
        m_window = static_cast<KenaEnt*>(MdiHost::instance()->openChild(u"KenaEnt"_s));
        return m_window;
    }
    template <typename T> T* control(const QString& name) const { return m_window->findChild<T*>(name); }
    void choose(int index) {
        control<QComboBox>(u"EntEpil"_s)->setCurrentIndex(index);
        m_window->chooseForm(index);
    }

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<MdiFrame> m_frame;
    ScriptedDialogs* m_dialogs = nullptr;
    QPointer<KenaEnt> m_window;
};

void KenaEntTest::init() {
    m_folder = std::make_unique<TestDataFolder>();
    m_dialogs = &InstallScriptedDialogs();
    RegisterWindows();
    m_frame = std::make_unique<MdiFrame>();
}

void KenaEntTest::cleanup() {
    m_frame.reset();
    m_folder.reset();
}

void KenaEntTest::listsTheTwentyEightFormsAndTheirPictures() {
    open();
    QCOMPARE(m_window->windowTitle(), u"Εκτύπωση Κενών Εντύπων"_s);
    QCOMPARE(control<QLabel>(u"Lbl"_s)->text(), u"Επιλογή Εντύπου"_s);
    auto* list = control<QComboBox>(u"EntEpil"_s);
    QCOMPARE(list->count(), 28);
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->itemText(0), u"Προσωρινή Δήλωση Φόρου"_s);
    QCOMPARE(list->itemText(12), u"Αναγγελια Οικειοθελούς Αποχώρησης"_s);
    QCOMPARE(list->itemText(18), u"Οροι ατομικής σύμβασης εργασίας μερικής απασχόλησης"_s);
    QCOMPARE(list->itemText(27), u"Επιδότηση Ημερομισθίου"_s);
    const QStringList files = {u"Pros"_s,     u"Orist"_s,    u"E20"_s,      u"E21"_s,      u"Apol1"_s,
                               u"Apol2"_s,    u"BebApod"_s,  u"BebRst"_s,   u"PinPros"_s,  u"Epid"_s,
                               u"Bebeosi"_s,  u"AtomSymb"_s, u"Anagelia"_s, u"Oaed"_s,     u"Katagelia"_s,
                               u"ErgDat1"_s,  u"ErgDat2"_s,  u"ErgDat3"_s,  u"Meriki"_s,   u"ApogAsf1"_s,
                               u"ApogAsf2"_s, u"BebNoOf"_s,  u"ApogErg1"_s, u"ApogErg2"_s, u"ApogErg3"_s,
                               u"ApogErg4"_s, u"Yperor"_s,   u"EpidHm"_s};
    for (int i = 0; i < 28; ++i) {
        QCOMPARE(BlankFormList().at(i).file, files[i] + u".jpg"_s);
        QCOMPARE(BlankFormList().at(i).caption, list->itemText(i));
        QCOMPARE(BlankFormPicture(i), m_folder->file(files[i] + u".jpg"_s));
        QVERIFY2(QFile::exists(BlankFormPicture(i)), qPrintable(BlankFormPicture(i)));
    }
    QVERIFY(!control<QAction>(u"Tools_1"_s)->isVisible());
    QVERIFY(control<QAction>(u"Tools_2"_s)->isVisible());
}

void KenaEntTest::theDrawnPicturesAreA4At200Dpi() {
    const QList<int> landscape = {8, 9, 12, 13, 17};
    for (int i = 0; i < 28; ++i) {
        const QImage picture(BlankFormPicture(i));
        QVERIFY(!picture.isNull());
        const QSize a4(1654, 2339);
        QCOMPARE(picture.size(), landscape.contains(i) ? a4.transposed() : a4);
        QCOMPARE(std::lround(picture.dotsPerMeterX() * 0.0254), 200);
        QCOMPARE(BlankFormList().at(i).landscape, landscape.contains(i));
        // A blank form is mostly paper, with ink for its boxes and headings.
        qint64 dark = 0;
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < grey.height(); y += 4) {
            const uchar* line = grey.constScanLine(y);
            for (int x = 0; x < grey.width(); x += 4)
                dark += line[x] < 128 ? 1 : 0;
        }
        const double share = double(dark) / (grey.width() / 4 * grey.height() / 4);
        QVERIFY2(share > 0.01 && share < 0.25, qPrintable(u"%1: %2"_s.arg(i).arg(share)));
    }
}

void KenaEntTest::sizeAndPlaceOnTheScreen() {
    QCOMPARE(BlankFormsWindowTwips(12000), QSize(9800, 7300));
    QCOMPARE(BlankFormsWindowTwips(15360), QSize(12800, 8900));
    QCOMPARE(BlankFormsWindowTwips(19200), QSize(12800, 8900));
    QVERIFY(LargeFontsScreen(120));
    QVERIFY(!LargeFontsScreen(96));
    QVERIFY(!LargeFontsScreen(144));
    open();
    const QScreen* screen = m_window->screen();
    const int screenTwips = int(std::lround(screen->size().width() * 1440 / screen->logicalDotsPerInchX()));
    const QSize expected = BlankFormsWindowTwips(screenTwips);
    QCOMPARE(m_window->size(), TwipsSizeToPixels(expected.width(), expected.height()));
    QCOMPARE(m_window->subWindow()->pos(), TwipsToPixels(160, 150));
    QVERIFY(m_dialogs->boxes.isEmpty()); // 96 dots an inch: no large fonts
}

void KenaEntTest::choosingAFormShowsItWithScrollBars() {
    open();
    choose(8);
    auto* pict = control<QLabel>(u"Pict"_s);
    auto* frame = control<QWidget>(u"Frame"_s);
    QCOMPARE(pict->size(), QSize(2339, 1654));
    QCOMPARE(control<QScrollBar>(u"HScroll"_s)->maximum(), 2339 - frame->width());
    QCOMPARE(control<QScrollBar>(u"VScroll"_s)->maximum(), 1654 - frame->height());
    QCOMPARE(pict->pos(), QPoint(0, 0));
    control<QScrollBar>(u"VScroll"_s)->setValue(300);
    control<QScrollBar>(u"HScroll"_s)->setValue(120);
    QCOMPARE(pict->pos(), QPoint(-120, -300));
    choose(16);
    QCOMPARE(pict->size(), QSize(1654, 2339));
    QCOMPARE(control<QScrollBar>(u"VScroll"_s)->maximum(), 2339 - frame->height());
    QCOMPARE(pict->pos(), QPoint(0, 0));
}

void KenaEntTest::arrowsScrollWithinTheBars() {
    open();
    choose(0);
    auto* vertical = control<QScrollBar>(u"VScroll"_s);
    auto* list = control<QComboBox>(u"EntEpil"_s);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(vertical->value(), vertical->singleStep());
    QCOMPARE(list->currentIndex(), 0); // the list keeps its choice
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(u"Pict"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(vertical->value(), 0);
    vertical->setValue(vertical->maximum());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(vertical->value(), vertical->maximum());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(
        control<QScrollBar>(u"HScroll"_s)->value(),
        qMin(control<QScrollBar>(u"HScroll"_s)->maximum(), control<QScrollBar>(u"HScroll"_s)->singleStep()));
}

void KenaEntTest::aMissingPictureKeepsThePreviousOne() {
    QFile::remove(m_folder->file(u"E21.jpg"_s));
    open();
    choose(2);
    const QImage shown = control<QLabel>(u"Pict"_s)->pixmap().toImage();
    choose(3);
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_dialogs->boxes.first().title, u"Πρόβλημα Εκτύπωσης"_s);
    QCOMPARE(m_dialogs->boxes.first().text,
             u"Λάθος εκτύπωσης: 53 Το αρχείο %1 δεν υπάρχει."_s.arg(m_folder->file(u"E21.jpg"_s)));
    QCOMPARE(control<QLabel>(u"Pict"_s)->pixmap().toImage(), shown);
    QFile broken(m_folder->file(u"Apol1.jpg"_s));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    choose(4);
    QVERIFY(m_dialogs->boxes.last().text.startsWith(u"Λάθος εκτύπωσης: 481 "_s));
}

void KenaEntTest::aRealScanInTheDataFolderIsShownInstead() {
    QImage scan(800, 1100, QImage::Format_RGB32);
    scan.fill(Qt::yellow);
    QVERIFY(scan.save(m_folder->file(u"Yperor.jpg"_s)));
    open();
    choose(26);
    QCOMPARE(control<QLabel>(u"Pict"_s)->size(), QSize(800, 1100));
}

void KenaEntTest::printsOnAFullPageInTheListedOrientation() {
    QTemporaryDir output;
    QString pdf;
    m_dialogs->onPrinterAccepted = [&](const PrintDialogRequest& request) {
        request.printer->setOutputFormat(QPrinter::PdfFormat);
        request.printer->setOutputFileName(pdf);
        // The user turns the page: the form's own orientation still wins.
        request.printer->setPageOrientation(QPageLayout::Portrait);
    };
    open();
    for (int i = 0; i < 28; ++i) {
        pdf = output.filePath(u"%1.pdf"_s.arg(i));
        choose(i);
        m_dialogs->printerAnswers = {true};
        QTest::keyClick(control<QComboBox>(u"EntEpil"_s), Qt::Key_F10);
        QPdfDocument document;
        QCOMPARE(document.load(pdf), QPdfDocument::Error::None);
        QCOMPARE(document.pageCount(), 1);
        const QSizeF page = document.pagePointSize(0);
        const bool landscape = QList<int>{8, 9, 12, 13, 17}.contains(i);
        QVERIFY2(landscape ? page.width() > page.height() : page.width() < page.height(),
                 qPrintable(QString::number(i)));
    }
    // The picture covers the printable page: the middle of a rendered page is the form's ink.
    QPdfDocument document;
    QCOMPARE(document.load(output.filePath(u"0.pdf"_s)), QPdfDocument::Error::None);
    const QImage rendered = document.render(0, QSize(420, 594));
    int inkRows = 0;
    for (int y = 0; y < rendered.height(); ++y) {
        for (int x = 0; x < rendered.width(); ++x) {
            if (qGray(rendered.pixel(x, y)) < 100) {
                ++inkRows;
                break;
            }
        }
    }
    QVERIFY2(inkRows > rendered.height() / 2, qPrintable(QString::number(inkRows)));
}

void KenaEntTest::cancelledPrintPrintsNothing() {
    open();
    choose(1);
    m_dialogs->printerAnswers = {false};
    control<QAction>(u"Tools_2"_s)->trigger();
    QCOMPARE(m_dialogs->printerSetups, 1);
    QVERIFY(m_dialogs->boxes.isEmpty());
    // Without a chosen form there is nothing to print.
    control<QComboBox>(u"EntEpil"_s)->setCurrentIndex(-1);
    control<QAction>(u"Tools_2"_s)->trigger();
    QCOMPARE(m_dialogs->printerSetups, 1);
}

void KenaEntTest::escapeAndTheExitButtonClose() {
    open();
    QTest::keyClick(control<QComboBox>(u"EntEpil"_s), Qt::Key_Escape);
    QTRY_VERIFY(!m_window);
    open();
    control<QAction>(u"Tools_3"_s)->trigger();
    QTRY_VERIFY(!m_window);
}

QTEST_MAIN(KenaEntTest)
#include "KenaEntTest.moc"
