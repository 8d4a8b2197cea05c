#include "windows/print/EpilKins.h"
#include "ModalDriver.h"
#include "PreviewFixture.h"
#include "ReportData.h"
#include "TestDataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "shell/Windows.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/print/Lbprint.h"

#include "logic/core/program/Twips.h"
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace ReportData;

// The selection window of the index of schedule entries, driven as a user drives it, with
// the report it shows in the preview.
class EpilKinsTest : public QObject {
    Q_OBJECT

    EpilKins* m_window = nullptr;
    std::unique_ptr<TestDataFolder> m_folder;
    PreviewFixture m_fx;

    template <typename T> T* child(const QString& name) { return m_window->findChild<T*>(name); }
    QLineEdit* box(const QString& name) { return child<QLineEdit>(name); }
    Lbprint* preview() {
        return qobject_cast<Lbprint*>(m_fx.mdi->findChildWindow(QStringLiteral("Lbprint")));
    }

    // Types into a box and leaves it with Enter, as the user does.
    void typeAndLeave(const QString& name, const QString& text) {
        QLineEdit* field = box(name);
        field->setFocus();
        QVERIFY(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    void selectMarch() {
        typeAndLeave(QStringLiteral("Dates_0"), QStringLiteral("01"));
        typeAndLeave(QStringLiteral("Dates_1"), QStringLiteral("31"));
    }

    // F10 where the focus is, as the user presses it.
    void pressF10() {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && m_window->isAncestorOf(focus));
        QTest::keyClick(focus, Qt::Key_F10);
    }

    // The entry lines of the preview's job as "date afm"; none without a preview.
    QStringList entryLines() {
        QStringList found;
        if (!preview())
            return {QStringLiteral("no preview")};
        const PrintJob& job = preview()->job();
        for (int i = 0; i < job.LineCount(); ++i) {
            if (ParseLineSuffix(job.line(i)).layout == 2)
                found << VisibleText(job.line(i)).left(24).simplified();
        }
        return found;
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        QVERIFY(m_folder->openDatabase());
        Program.WorkDate = QDate(2016, 3, 5);
        AddMarch2016();
        m_fx.setUp();
        RegisterWindows();
        m_window = qobject_cast<EpilKins*>(m_fx.mdi->openChild(QStringLiteral("EpilKins")));
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_fx.frame.get()));
    }
    void cleanup() {
        m_fx.tearDown();
        m_folder.reset();
    }

    void opensOnTheWorkDateWithAnOpenMask() {
        QCOMPARE(m_window->subWindow()->pos(), QPoint(3, 3));
        QCOMPARE(box(QStringLiteral("Dates_0"))->text(), QStringLiteral("05/03/2016"));
        QCOMPARE(box(QStringLiteral("Dates_1"))->text(), QStringLiteral("05/03/2016"));
        QCOMPARE(box(QStringLiteral("Eafm_2"))->text(), QString(14, u'*'));
        QCOMPARE(child<QComboBox>(QStringLiteral("IdxKin"))->currentText(), QStringLiteral("Ημερομηνία"));
        QVERIFY(child<QAction>(QStringLiteral("Tools_1"))->isVisible());
        QVERIFY(!child<QAction>(QStringLiteral("Tools_2"))->isVisible());
        QVERIFY(child<QAction>(QStringLiteral("Tools_3"))->isVisible());
    }

    void theReportByDateAndByAfm() {
        selectMarch();
        QCOMPARE(box(QStringLiteral("Dates_0"))->text(), QStringLiteral("01/03/2016"));
        child<QAction>(QStringLiteral("Tools_1"))->trigger();
        QVERIFY(preview());
        QCOMPARE(preview()->windowTitle(),
                 QStringLiteral("Ευρετήριο Ηλεκτρονικών Αποστολών (Από:01/03/2016 Εως 31/03/2016)"));
        QCOMPARE(entryLines(), QStringList({"01/03/2016 012345678", "01/03/2016 090000045",
                                            "02/03/2016 090000045", "15/03/2016 012345678"}));
        // Two lines for each entry, three for the one with remarks.
        QCOMPARE(preview()->job().LineCount(), 9);
        QVERIFY(preview()->job().landscape());
        preview()->closeWindow();
        QTRY_VERIFY(!preview());

        m_fx.mdi->setActiveSubWindow(m_window->subWindow());
        child<QComboBox>(QStringLiteral("IdxKin"))->setCurrentIndex(1);
        box(QStringLiteral("Eafm_2"))->setFocus();
        pressF10();
        QVERIFY(preview());
        QCOMPARE(entryLines(), QStringList({"01/03/2016 012345678", "15/03/2016 012345678",
                                            "01/03/2016 090000045", "02/03/2016 090000045"}));
    }

    void anEmptySelectionShowsMessage18() {
        typeAndLeave(QStringLiteral("Dates_0"), QStringLiteral("01052016"));
        typeAndLeave(QStringLiteral("Dates_1"), QStringLiteral("31052016"));
        pressF10();
        QCOMPARE(m_fx.dialogs->numbers(), QList<int>{18});
        QVERIFY(!preview());
        QCOMPARE(m_fx.mdi->subWindowList().size(), 1);
    }

    void leavingAnAfmShowsTheNameOrClearsIt() {
        typeAndLeave(QStringLiteral("Eafm_0"), QStringLiteral("090000045"));
        QCOMPARE(child<QLabel>(QStringLiteral("Eepon_0"))->text(), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ"));
        QVERIFY(box(QStringLiteral("Eafm_1"))->hasFocus());
        typeAndLeave(QStringLiteral("Eafm_1"), QStringLiteral("999"));
        QCOMPARE(box(QStringLiteral("Eafm_1"))->text(), QString());
        QCOMPARE(child<QLabel>(QStringLiteral("Eepon_1"))->text(), QString());
        // The range then runs from that employee to the end.
        selectMarch();
        pressF10();
        QCOMPARE(entryLines(), QStringList({"01/03/2016 090000045", "02/03/2016 090000045"}));
    }

    void theMaskNarrowsTheEmployees() {
        selectMarch();
        typeAndLeave(QStringLiteral("Eafm_2"), QStringLiteral("01*"));
        pressF10();
        QCOMPARE(entryLines(), QStringList({"01/03/2016 012345678", "15/03/2016 012345678"}));
    }

    void theCalendarFillsTheDate() {
        ModalDriver driver;
        driver.run(
            [](QDialog* calendar) {
                QTest::keyClick(calendar->findChild<QCalendarWidget*>()->findChild<QTableView*>(),
                                Qt::Key_Return);
            },
            [this] { child<QToolButton>(QStringLiteral("Cal_1"))->click(); });
        QVERIFY(driver.drove());
        QCOMPARE(box(QStringLiteral("Dates_1"))->text(), QStringLiteral("05/03/2016"));
        driver.run([](QDialog* calendar) { QTest::keyClick(calendar, Qt::Key_Escape); },
                   [this] { child<QToolButton>(QStringLiteral("Cal_0"))->click(); });
        QCOMPARE(box(QStringLiteral("Dates_0"))->text(), QString());
    }

    void theEmployeeListChoosesTheAfm() {
        box(QStringLiteral("Eafm_1"))->setFocus();
        QTest::keyClick(box(QStringLiteral("Eafm_1")), Qt::Key_F3);
        ChildWindow* list = m_fx.mdi->findChildWindow(QStringLiteral("ErgazSrch"));
        QVERIFY(list);
        QVERIFY(!Program.EmployeeListFromMenu);
        // The list, sorted by name, shows ΑΝΤΩΝΙΟΥ first; Enter picks her.
        QTRY_VERIFY(list->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(box(QStringLiteral("Eafm_1"))->text(), QStringLiteral("012345678"));
        QCOMPARE(child<QLabel>(QStringLiteral("Eepon_1"))->text(), QStringLiteral("ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"));
        QVERIFY(!m_fx.mdi->findChildWindow(QStringLiteral("ErgazSrch")));

        // Leaving the list with Esc leaves the field as it was.
        child<QPushButton>(QStringLiteral("Find_1"))->click();
        list = m_fx.mdi->findChildWindow(QStringLiteral("ErgazSrch"));
        QVERIFY(list);
        QTRY_VERIFY(list->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!m_fx.mdi->findChildWindow(QStringLiteral("ErgazSrch")));
        QTRY_COMPARE(m_fx.mdi->activeSubWindow(), m_window->subWindow());
        QCOMPARE(box(QStringLiteral("Eafm_1"))->text(), QStringLiteral("012345678"));
    }

    void thePrintedIndexHoldsTheTitleAndTheFirstEntry() {
        selectMarch();
        pressF10();
        QVERIFY(preview());
        m_fx.dialogs->printerAnswers = {true};
        preview()->printPages(1);
        QCOMPARE(m_fx.pdfPages(1), 1);
        QVERIFY(m_fx.pdfPageSize(1).width() > m_fx.pdfPageSize(1).height());
        const QString text = m_fx.pdfText(1, 0);
        QVERIFY2(
            text.contains(QStringLiteral("Ευρετήριο Ηλεκτρονικών Αποστολών (Από:01/03/2016 Εως 31/03/2016)")),
            qPrintable(text));
        // The column headings, then the first entry with its hours.
        QVERIFY2(text.simplified().contains(QStringLiteral(
                     "Ημερομηνία Α.Φ.Μ. Εργαζόμενος 01/03/2016 012345678 ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ 09:00-17:00 ")),
                 qPrintable(text));
    }

    void drillDownOpensTheEntryAndTheEmployee() {
        selectMarch();
        pressF10();
        Lbprint* report = preview();
        QVERIFY(report);
        QWidget* pict = report->findChild<QWidget*>(QStringLiteral("Pict"));
        // The remarks line of the 02/03 entry: the fifth body row.
        const PrintJob& job = report->job();
        const double y = job.page().headerBottom + 6 * job.geometry().lineHeight + 20;
        QTest::mouseClick(pict, Qt::LeftButton, {}, QPoint(300, TwipsToPixels(y)));
        QCOMPARE(VisibleText(job.line(job.selectedLine())).trimmed(), QStringLiteral("Υπερωρία"));

        m_fx.dialogs->popUpChoices = {2};
        report->findChild<QAction*>(QStringLiteral("Tools_9"))->trigger();
        QCOMPARE(m_fx.dialogs->popUps.last(), QStringList({"Εργ/μενος", "Κίνηση"}));
        auto* kins = m_fx.mdi->findChildWindow(QStringLiteral("Kins"));
        QVERIFY(kins);
        QTRY_COMPARE(kins->findChild<QLineEdit*>(QStringLiteral("Eafm"))->text(),
                     QStringLiteral("090000045"));
        QCOMPARE(kins->findChild<QLineEdit*>(QStringLiteral("Kdate"))->text(), QStringLiteral("02/03/2016"));
        QCOMPARE(kins->findChild<QPlainTextEdit*>(QStringLiteral("Korario"))->toPlainText(),
                 QStringLiteral("08:00-16:00\n17:00-19:00"));
        QCOMPARE(kins->findChild<QPlainTextEdit*>(QStringLiteral("Kparat"))->toPlainText(),
                 QStringLiteral("Υπερωρία"));

        // "Εργ/μενος" opens the employee form on the same employee.
        m_fx.mdi->setActiveSubWindow(report->subWindow());
        m_fx.dialogs->popUpChoices = {1};
        report->findChild<QAction*>(QStringLiteral("Tools_9"))->trigger();
        auto* ergaz = m_fx.mdi->findChildWindow(QStringLiteral("Ergaz"));
        QVERIFY(ergaz);
        QTRY_COMPARE(ergaz->findChild<QLineEdit*>(QStringLiteral("Eepon"))->text(),
                     QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ"));
    }

    void escapeClosesTheWindow() {
        QPointer<EpilKins> window = m_window;
        box(QStringLiteral("Dates_0"))->setFocus();
        QTest::keyClick(box(QStringLiteral("Dates_0")), Qt::Key_Escape);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(EpilKinsTest)
#include "EpilKinsTest.moc"
