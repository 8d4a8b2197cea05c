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
#include <QFrame>
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
    void opensAtTheDesktopsScaling();
    void aFormOpensAsAPageAsWideAsTheWindow();
    void zoomInAndOutAndBackToTheWidth();
    void arrowsScrollWithinTheBars();
    void aMissingPictureKeepsThePreviousOne();
    void aRealScanInTheDataFolderIsShownInstead();
    void printsOnAFullPageInTheListedOrientation();
    void theFormsCarryTheirOwnTitles();
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
    open();
    const QScreen* screen = m_window->screen();
    const int screenTwips = int(std::lround(screen->size().width() * 1440 / screen->logicalDotsPerInchX()));
    const QSize expected = BlankFormsWindowTwips(screenTwips);
    QCOMPARE(m_window->size(), TwipsSizeToPixels(expected.width(), expected.height()));
    QCOMPARE(m_window->subWindow()->pos(), TwipsToPixels(160, 150));
    QVERIFY(m_dialogs->boxes.isEmpty());
}

// The whole test also runs on a screen of 120 dots an inch (ORVA_EXPECTED_DPI, set by the build
// for a second run), the 125% scaling laptops come with: the window opens there as at 96, and stays.
void KenaEntTest::opensAtTheDesktopsScaling() {
    const int wanted = qEnvironmentVariableIntValue("ORVA_EXPECTED_DPI");
    open();
    QVERIFY(m_window);
    if (wanted > 0)
        QCOMPARE(m_window->screen()->logicalDotsPerInchY(), qreal(wanted));
    QTest::qWait(50);
    QVERIFY(m_window);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_dialogs->boxes.size(), 0);
    choose(3);
    QCOMPARE(control<QLabel>(u"Pict"_s)->width(), control<QFrame>(u"Frame"_s)->contentsRect().width());
}

void KenaEntTest::aFormOpensAsAPageAsWideAsTheWindow() {
    open();
    auto* pict = control<QLabel>(u"Pict"_s);
    auto* frame = control<QFrame>(u"Frame"_s);
    auto* horizontal = control<QScrollBar>(u"HScroll"_s);
    auto* vertical = control<QScrollBar>(u"VScroll"_s);
    choose(16);
    // The whole width of the page in the window: no horizontal scrolling, the height below.
    QCOMPARE(pict->width(), frame->contentsRect().width());
    QCOMPARE(pict->height(), qRound(2339.0 * pict->width() / 1654));
    QCOMPARE(horizontal->maximum(), 0);
    QCOMPARE(vertical->maximum(), pict->height() - frame->height());
    QCOMPARE(pict->pixmap().deviceIndependentSize().toSize(), pict->size());
    // Its top at the top, and the whole width inside the frame.
    QCOMPARE(pict->y(), 0);
    QVERIFY(pict->x() >= frame->contentsRect().left() &&
            pict->geometry().right() <= frame->contentsRect().right());
    // A landscape form is fitted the same way.
    choose(8);
    QCOMPARE(pict->width(), frame->contentsRect().width());
    QCOMPARE(pict->height(), qRound(1654.0 * pict->width() / 2339));
    // A wider window, a wider page.
    const int before = pict->width();
    m_window->subWindow()->resize(m_window->subWindow()->size() + QSize(200, 0));
    QTRY_COMPARE(pict->width(), frame->contentsRect().width());
    QVERIFY(pict->width() > before);
}

void KenaEntTest::zoomInAndOutAndBackToTheWidth() {
    open();
    choose(16);
    auto* pict = control<QLabel>(u"Pict"_s);
    auto* horizontal = control<QScrollBar>(u"HScroll"_s);
    const int fitted = pict->width();
    const double fit = m_window->scale();
    control<QAction>(u"ZoomIn"_s)->trigger();
    QCOMPARE(m_window->scale(), fit * 1.25);
    QCOMPARE(pict->width(), qRound(1654 * fit * 1.25));
    QVERIFY(horizontal->maximum() > 0);
    // "+" and "-" on the page do the same.
    pict->setFocus();
    QTest::keyClick(pict, Qt::Key_Plus);
    QCOMPARE(m_window->scale(), fit * 1.25 * 1.25);
    QTest::keyClick(pict, Qt::Key_Minus);
    QTest::keyClick(pict, Qt::Key_Minus);
    QTest::keyClick(pict, Qt::Key_Minus);
    QVERIFY(pict->width() < fitted);
    // A page narrower than the window stands in its middle.
    QVERIFY(pict->x() > 0);
    QCOMPARE(horizontal->maximum(), 0);
    for (int i = 0; i < 40; ++i)
        control<QAction>(u"ZoomIn"_s)->trigger();
    QCOMPARE(m_window->scale(), 2.0);
    // A zoomed page keeps its size when the window grows; the width button fits it again.
    m_window->subWindow()->resize(m_window->subWindow()->size() + QSize(120, 0));
    QCOMPARE(pict->width(), 1654 * 2);
    control<QAction>(u"FitWidth"_s)->trigger();
    QCOMPARE(pict->width(), control<QFrame>(u"Frame"_s)->contentsRect().width());
    // Another form opens fitted to the width again.
    control<QAction>(u"ZoomIn"_s)->trigger();
    choose(15);
    QCOMPARE(pict->width(), control<QFrame>(u"Frame"_s)->contentsRect().width());
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
    // The scan, in its own proportions, fitted to the width.
    auto* pict = control<QLabel>(u"Pict"_s);
    QCOMPARE(pict->width(), control<QFrame>(u"Frame"_s)->contentsRect().width());
    QCOMPARE(pict->height(), qRound(1100.0 * pict->width() / 800));
    const QColor middle =
        pict->pixmap().toImage().pixelColor(pict->pixmap().width() / 2, pict->pixmap().height() / 2);
    QVERIFY(qAbs(middle.red() - 255) < 8 && qAbs(middle.green() - 255) < 8 && middle.blue() < 8);
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
    // Printed from the picture's own pixels, not the screen's, under the form's own title.
    const QByteArray bytes = [&] {
        QFile file(output.filePath(u"22.pdf"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(bytes.contains("/Width 1654"));
    QVERIFY(bytes.contains("/Height 2339"));
    QPdfDocument titled;
    QCOMPARE(titled.load(output.filePath(u"22.pdf"_s)), QPdfDocument::Error::None);
    QCOMPARE(titled.metaData(QPdfDocument::MetaDataField::Title).toString(),
             u"Αίτηση Απογραφής Εργοδότη, σελίδα 1 από 4"_s);
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

// The title printed on each form, and its print job's, is the form's own, whatever the
// list's caption says.
void KenaEntTest::theFormsCarryTheirOwnTitles() {
    for (int i = 0; i < 28; ++i) {
        const BlankFormEntry& form = BlankFormList().at(i);
        QFile description(QStringLiteral(ORVA_FORMS_DIR "/") + QFileInfo(form.file).completeBaseName() +
                          u".form"_s);
        QVERIFY(description.open(QIODevice::ReadOnly));
        QString drawn;
        for (const QString& line : QString::fromUtf8(description.readAll()).split(u'\n')) {
            if (line.startsWith(u"title:"_s))
                drawn = line.mid(6).trimmed();
        }
        QCOMPARE(form.title.section(u", σελίδα"_s, 0, 0), drawn);
        QVERIFY2(!drawn.contains(u"Σελιδα"_s) && !drawn.contains(u"Απογραφή Εργοδότη"_s), qPrintable(drawn));
    }
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
