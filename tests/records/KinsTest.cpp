#include "windows/records/Kins.h"
#include "Controls.h"
#include "ModalDriver.h"
#include "RecordWindows.h"
#include "logic/core/program/ProgramValues.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/records/ErgazSrch.h"
#include "windows/records/KinsSrch.h"

#include <QCalendarWidget>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Controls;

namespace {
// Stands in for the web submission window: records what it was handed and closes.
struct SubmissionSeen {
    int shown = 0;
    QString eafm, korario, kparat, eypo;
};
SubmissionSeen g_submission;
} // namespace

// The schedule entry form: lookups, pickers, modes, keys and what it stores.
class KinsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_windows = std::make_unique<RecordWindows>(QDate(2016, 3, 10));
        RecordWindows::addEmployee(QStringLiteral("090000045"), QStringLiteral("ΑΛΕΞΙΟΥ ΜΑΡΙΑ"),
                                   QStringLiteral("12"));
        RecordWindows::addEmployee(QStringLiteral("094019245"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΝΙΚΟΣ"),
                                   QStringLiteral("7"));
    }
    void cleanup() { m_windows.reset(); }

    void opensEmptyOnTheWorkDateInInsertMode() {
        Kins* form = open();
        QCOMPARE(form->windowTitle(), QStringLiteral("Διαχείριση Ηλεκτρονικών Αποστολών"));
        QCOMPARE(LineEdit(form, "Kdate")->text(), QStringLiteral("10/03/2016"));
        QCOMPARE(Button(form, "SaveBut")->text(), QStringLiteral("Εισαγωγή"));
        QVERIFY(!Button(form, "DelBut")->isEnabled());
        QVERIFY(LineEdit(form, "Eafm")->hasFocus());
    }

    void anExistingEntryLoadsForChangeAndLocksItsKey() {
        RecordWindows::addEntry(QStringLiteral("090000045"), QStringLiteral("20160305"),
                                QStringLiteral("09:00-17:00 "), QStringLiteral("υπερωρία"));
        Kins* form = open();
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("090000045"));
        QCOMPARE(Label(form, "Eepon")->text(), QStringLiteral("ΑΛΕΞΙΟΥ ΜΑΡΙΑ"));
        QCOMPARE(Label(form, "Eypo")->text(), QStringLiteral("12"));
        QVERIFY(LineEdit(form, "Kdate")->hasFocus());
        typeInto(LineEdit(form, "Kdate"), QStringLiteral("0503"));
        QCOMPARE(LineEdit(form, "Kdate")->text(), QStringLiteral("05/03/2016"));
        QCOMPARE(TextBox(form, "Korario")->toPlainText(), QStringLiteral("09:00-17:00"));
        QCOMPARE(TextBox(form, "Kparat")->toPlainText(), QStringLiteral("υπερωρία"));
        QCOMPARE(Button(form, "SaveBut")->text(), QStringLiteral("Μεταβολή"));
        QCOMPARE(Program.BridgeMode[1], qint16(2));
        QVERIFY(Button(form, "DelBut")->isEnabled());
        for (const char* name : {"Eafm", "Kdate"})
            QVERIFY(!LineEdit(form, name)->isEnabled());
        for (const char* name : {"Find_0", "Find_1", "Cal"})
            QVERIFY(!ToolButton(form, name)->isEnabled());

        TextBox(form, "Korario")->setPlainText(QStringLiteral("08:00-16:00"));
        Button(form, "SaveBut")->click();
        QCOMPARE(SelectEntry(QStringLiteral("090000045"), QStringLiteral("20160305"))->Korario,
                 QStringLiteral("08:00-16:00"));
        // Cleared for the next entry, the date back on the work date.
        QCOMPARE(LineEdit(form, "Eafm")->text(), QString());
        QVERIFY(LineEdit(form, "Eafm")->isEnabled());
        QCOMPARE(LineEdit(form, "Kdate")->text(), QStringLiteral("10/03/2016"));
        QCOMPARE(Button(form, "SaveBut")->text(), QStringLiteral("Εισαγωγή"));
    }

    void insertStoresTheEntryWithTheDateAsStored() {
        Kins* form = open();
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("094019245"));
        typeInto(LineEdit(form, "Kdate"), QStringLiteral("07"));
        QVERIFY(TextBox(form, "Korario")->hasFocus());
        // Enter stays inside the hours and adds a line break.
        QTest::keyClicks(TextBox(form, "Korario"), QStringLiteral("09-13"));
        QTest::keyClick(TextBox(form, "Korario"), Qt::Key_Return);
        QTest::keyClicks(TextBox(form, "Korario"), QStringLiteral("17-21"));
        QVERIFY(TextBox(form, "Korario")->hasFocus());
        QTest::keyClicks(TextBox(form, "Kparat"), QStringLiteral("it's"));
        QTest::keyClick(TextBox(form, "Korario"), Qt::Key_F10);
        QCOMPARE(SelectEntry(QStringLiteral("094019245"), QStringLiteral("20160307")).value(),
                 (Entry{"094019245", "20160307", "09-13\n17-21", "it`s"}));
        QVERIFY(m_windows->dialogs().boxes.isEmpty());
    }

    // F10 saves from any field; the date is completed and the AFM looked up first, as leaving
    // their fields would do.
    void f10InTheDateCompletesItBeforeSaving() {
        Kins* form = open();
        pressF10InTheDate(form, QStringLiteral("15"));
        QVERIFY(m_windows->dialogs().boxes.isEmpty());
        const std::optional<Entry> stored =
            SelectEntry(QStringLiteral("094019245"), QStringLiteral("20160315"));
        QVERIFY(stored);
        QCOMPARE(*stored, (Entry{"094019245", "20160315", "09-17", ""}));
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 1);
    }

    void f10OnADateThatIsNoDayShowsMessage11AndStoresNothing() {
        Kins* form = open();
        pressF10InTheDate(form, QStringLiteral("31/02/2016"));
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{11});
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 0);
        // The rest of the input stays for the user to mend.
        QCOMPARE(LineEdit(form, "Eafm")->text(), QStringLiteral("094019245"));
        QCOMPARE(TextBox(form, "Korario")->toPlainText(), QStringLiteral("09-17"));
    }

    void f10InTheAfmLooksItUpBeforeSaving() {
        Kins* form = open();
        TextBox(form, "Korario")->setPlainText(QStringLiteral("09-17"));
        QLineEdit* afm = LineEdit(form, "Eafm");
        afm->setFocus();
        QTest::keyClicks(afm, QStringLiteral("094019245"));
        QTest::keyClick(afm, Qt::Key_F10);
        QVERIFY(m_windows->dialogs().boxes.isEmpty());
        const std::optional<Entry> stored =
            SelectEntry(QStringLiteral("094019245"), QStringLiteral("20160310"));
        QVERIFY(stored);
        QCOMPARE(stored->Korario, QStringLiteral("09-17"));

        // An AFM that is not in the table opens the employee list; nothing is saved.
        TextBox(form, "Korario")->setPlainText(QStringLiteral("10-18"));
        afm->setFocus();
        QTest::keyClicks(afm, QStringLiteral("111111111"));
        QTest::keyClick(afm, Qt::Key_F10);
        RecordWindows::settle();
        QVERIFY(m_windows->find<ErgazSrch>(QStringLiteral("ErgazSrch")));
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 1);
    }

    void missingHoursShowMessage11AndKeepTheInput() {
        Kins* form = open();
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("094019245"));
        Button(form, "SaveBut")->click();
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{11});
        QCOMPARE(LineEdit(form, "Eafm")->text(), QStringLiteral("094019245"));
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 0);
    }

    void anEntryStoredMeanwhileIsADuplicateAndTheFormClears() {
        Kins* form = open();
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("094019245"));
        typeInto(LineEdit(form, "Kdate"), QStringLiteral("10"));
        RecordWindows::addEntry(QStringLiteral("094019245"), QStringLiteral("20160310"),
                                QStringLiteral("ΠΡΩΤΗ"));
        TextBox(form, "Korario")->setPlainText(QStringLiteral("ΔΕΥΤΕΡΗ"));
        Button(form, "SaveBut")->click();
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{7});
        QCOMPARE(LineEdit(form, "Eafm")->text(), QString());
        QCOMPARE(SelectEntry(QStringLiteral("094019245"), QStringLiteral("20160310"))->Korario,
                 QStringLiteral("ΠΡΩΤΗ"));
    }

    void anUnknownAfmPicksFromTheEmployeeList() {
        Kins* form = open();
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("09"));
        auto* list = m_windows->find<ErgazSrch>(QStringLiteral("ErgazSrch"));
        QVERIFY(list);
        QCOMPARE(m_windows->active(), list);
        QCOMPARE(Program.EmployeeSortOrder, qint16(0));
        QCOMPARE(SearchField(list)->text(), QStringLiteral("09"));
        QTest::keyClick(SearchField(list), Qt::Key_Down);
        QTest::keyClick(SearchField(list), Qt::Key_Return);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("ErgazSrch")));
        QCOMPARE(m_windows->active(), form);
        QCOMPARE(LineEdit(form, "Eafm")->text(), QStringLiteral("094019245"));
        QCOMPARE(Label(form, "Eepon")->text(), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΝΙΚΟΣ"));
        QCOMPARE(Label(form, "Eypo")->text(), QStringLiteral("7"));
        QVERIFY(LineEdit(form, "Kdate")->hasFocus());
    }

    void aNameFragmentOpensTheListByNameAndEscapeEmptiesTheAfm() {
        Kins* form = open();
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("ΠΑΠ"));
        auto* list = m_windows->find<ErgazSrch>(QStringLiteral("ErgazSrch"));
        QVERIFY(list);
        QCOMPARE(Program.EmployeeSortOrder, qint16(1));
        QCOMPARE(SearchField(list)->text(), QStringLiteral("ΠΑΠ"));
        QTest::keyClick(SearchField(list), Qt::Key_Escape);
        RecordWindows::settle();
        QCOMPARE(m_windows->active(), form);
        QCOMPARE(LineEdit(form, "Eafm")->text(), QString());
        QCOMPARE(Label(form, "Eepon")->text(), QString());
    }

    void f3InTheAfmOpensTheListAndTheChoiceComesBack() {
        Kins* form = open();
        QTest::keyClick(LineEdit(form, "Eafm"), Qt::Key_F3);
        auto* list = m_windows->find<ErgazSrch>(QStringLiteral("ErgazSrch"));
        QVERIFY(list);
        QTest::keyClick(SearchField(list), Qt::Key_Return);
        RecordWindows::settle();
        QCOMPARE(LineEdit(form, "Eafm")->text(), QStringLiteral("090000045"));
        QCOMPARE(Label(form, "Eepon")->text(), QStringLiteral("ΑΛΕΞΙΟΥ ΜΑΡΙΑ"));
    }

    void f3InTheDatePicksAnEntryForChange() {
        RecordWindows::addEntry(QStringLiteral("094019245"), QStringLiteral("20160302"),
                                QStringLiteral("9-5"));
        Kins* form = open();
        LineEdit(form, "Kdate")->setFocus();
        QTest::keyClick(LineEdit(form, "Kdate"), Qt::Key_F3);
        auto* list = m_windows->find<KinsSrch>(QStringLiteral("KinsSrch"));
        QVERIFY(list);
        QVERIFY(list->list().atGridRow(1));
        QCOMPARE(list->list().atGridRow(2), nullptr);
        QTest::keyClick(SearchField(list), Qt::Key_Return);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("KinsSrch")));
        QCOMPARE(LineEdit(form, "Eafm")->text().trimmed(), QStringLiteral("094019245"));
        QCOMPARE(LineEdit(form, "Kdate")->text(), QStringLiteral("02/03/2016"));
        QCOMPARE(TextBox(form, "Korario")->toPlainText(), QStringLiteral("9-5"));
        QCOMPARE(Button(form, "SaveBut")->text(), QStringLiteral("Μεταβολή"));
        QCOMPARE(Program.BridgeKey[1], QString());
        QVERIFY(TextBox(form, "Korario")->hasFocus());
    }

    // The two picker buttons beside the key fields open the lists as F3 does, and each list's
    // choice comes back into the field that asked for it.
    void theFindButtonsOpenThePickersAndTheChoiceComesBack() {
        RecordWindows::addEntry(QStringLiteral("094019245"), QStringLiteral("20160302"),
                                QStringLiteral("9-5"));
        Kins* form = open();
        QTest::mouseClick(form->findChild<QToolButton*>(QStringLiteral("Find_0")), Qt::LeftButton);
        auto* employees = m_windows->find<ErgazSrch>(QStringLiteral("ErgazSrch"));
        QVERIFY(employees);
        QTest::keyClick(employees->findChild<QLineEdit*>(QStringLiteral("SrchTxt")), Qt::Key_Return);
        RecordWindows::settle();
        QCOMPARE(m_windows->active(), form);
        QCOMPARE(LineEdit(form, "Eafm")->text(), QStringLiteral("090000045"));
        QCOMPARE(Label(form, "Eepon")->text(), QStringLiteral("ΑΛΕΞΙΟΥ ΜΑΡΙΑ"));
        QVERIFY(LineEdit(form, "Kdate")->hasFocus());

        QTest::mouseClick(form->findChild<QToolButton*>(QStringLiteral("Find_1")), Qt::LeftButton);
        auto* entries = m_windows->find<KinsSrch>(QStringLiteral("KinsSrch"));
        QVERIFY(entries);
        QTest::keyClick(entries->findChild<QLineEdit*>(QStringLiteral("SrchTxt")), Qt::Key_Return);
        RecordWindows::settle();
        QCOMPARE(LineEdit(form, "Eafm")->text().trimmed(), QStringLiteral("094019245"));
        QCOMPARE(LineEdit(form, "Kdate")->text(), QStringLiteral("02/03/2016"));
        QCOMPARE(TextBox(form, "Korario")->toPlainText(), QStringLiteral("9-5"));
        QCOMPARE(Button(form, "SaveBut")->text(), QStringLiteral("Μεταβολή"));
        QVERIFY(TextBox(form, "Korario")->hasFocus());

        // Leaving the list without a choice keeps what the form shows.
        form->clear();
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("094019245"));
        QTest::mouseClick(form->findChild<QToolButton*>(QStringLiteral("Find_0")), Qt::LeftButton);
        employees = m_windows->find<ErgazSrch>(QStringLiteral("ErgazSrch"));
        QVERIFY(employees);
        QTest::keyClick(employees->findChild<QLineEdit*>(QStringLiteral("SrchTxt")), Qt::Key_Escape);
        RecordWindows::settle();
        QCOMPARE(LineEdit(form, "Eafm")->text(), QStringLiteral("094019245"));
        QCOMPARE(Label(form, "Eepon")->text(), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΝΙΚΟΣ"));
    }

    void anEntryHandedOverIsShownWhenTheFormOpens() {
        RecordWindows::addEntry(QStringLiteral("090000045"), QStringLiteral("20160229"),
                                QStringLiteral("ΩΡΕΣ"));
        Program.BridgeKey[1] = QStringLiteral("090000045     29/02/2016");
        Kins* form = open();
        QCOMPARE(TextBox(form, "Korario")->toPlainText(), QStringLiteral("ΩΡΕΣ"));
        QCOMPARE(Label(form, "Eepon")->text(), QStringLiteral("ΑΛΕΞΙΟΥ ΜΑΡΙΑ"));
        QVERIFY(!LineEdit(form, "Eafm")->isEnabled());
        QCOMPARE(Program.BridgeKey[1], QString());
    }

    void escapeClearsAFilledFormAndClosesAnEmptyOne() {
        Kins* form = open();
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("090000045"));
        TextBox(form, "Korario")->setPlainText(QStringLiteral("9-17"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        RecordWindows::settle();
        QCOMPARE(m_windows->findChild(QStringLiteral("Kins")), form);
        QCOMPARE(LineEdit(form, "Eafm")->text(), QString());
        QCOMPARE(TextBox(form, "Korario")->toPlainText(), QString());
        QCOMPARE(Label(form, "Eepon")->text(), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("Kins")));
    }

    void deleteAsksAndClearsWhateverTheAnswer() {
        RecordWindows::addEntry(QStringLiteral("090000045"), QStringLiteral("20160310"),
                                QStringLiteral("9-17"));
        Kins* form = open();
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("090000045"));
        typeInto(LineEdit(form, "Kdate"), QStringLiteral("10"));
        m_windows->dialogs().answers = {MsgAnswer::No};
        Button(form, "DelBut")->click();
        QCOMPARE(m_windows->dialogs().boxes.last().title, QStringLiteral("Διαγραφή Κίνησης"));
        QCOMPARE(m_windows->dialogs().boxes.last().defaultAnswer, MsgAnswer::No);
        QCOMPARE(LineEdit(form, "Eafm")->text(), QString());
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 1);

        // The entry is on the work date, which the cleared form shows: the AFM loads it.
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("090000045"));
        QCOMPARE(LineEdit(form, "Kdate")->text(), QStringLiteral("10/03/2016"));
        QVERIFY(TextBox(form, "Korario")->hasFocus());
        m_windows->dialogs().answers = {MsgAnswer::Yes};
        Button(form, "DelBut")->click();
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 0);
        QVERIFY(!Button(form, "DelBut")->isEnabled());
    }

    void aWrongDateIsEmptiedAndTheCalendarAnswersTheDate() {
        Kins* form = open();
        LineEdit(form, "Kdate")->setFocus();
        LineEdit(form, "Kdate")->setText(QStringLiteral("3102"));
        QTest::keyClick(LineEdit(form, "Kdate"), Qt::Key_Return);
        QCOMPARE(LineEdit(form, "Kdate")->text(), QString());

        ModalDriver driver;
        driver.run([](QDialog* calendar) { QTest::keyClick(calendar, Qt::Key_Escape); },
                   [form] { ToolButton(form, "Cal")->click(); });
        QVERIFY(driver.drove());
        QCOMPARE(LineEdit(form, "Kdate")->text(), QString());
        driver.run(
            [](QDialog* calendar) {
                calendar->findChild<QCalendarWidget*>()->setSelectedDate(QDate(2016, 3, 5));
                QTest::keyClick(calendar->findChild<QTableView*>(), Qt::Key_Return);
            },
            [form] { ToolButton(form, "Cal")->click(); });
        QCOMPARE(LineEdit(form, "Kdate")->text(), QStringLiteral("05/03/2016"));
    }

    void sendingNeedsTheCredentialsThenHandsTheScreenValuesOver() {
        fakeSubmission();
        Kins* form = open();
        QVERIFY(Button(form, "SendBut")->isEnabled());
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("090000045"));
        TextBox(form, "Korario")->setPlainText(QStringLiteral(" 9-17 "));
        Button(form, "SendBut")->click();
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{108});
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 0);

        Program.Params.IkaCode = QStringLiteral("user");
        Program.Params.IkaPass = QStringLiteral("pass");
        Button(form, "SendBut")->click();
        QCOMPARE(g_submission.shown, 1);
        QCOMPARE(g_submission.eafm, QStringLiteral("090000045"));
        QCOMPARE(g_submission.korario, QStringLiteral("9-17"));
        QCOMPARE(g_submission.eypo, QStringLiteral("12"));
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 1);
        QCOMPARE(LineEdit(form, "Eafm")->text(), QString());

        // The same entry again in insert mode: message 7, and it is sent all the same.
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("090000045"));
        Button(form, "SaveBut")->setFocus();
        TextBox(form, "Korario")->setPlainText(QStringLiteral("10-18"));
        Program.BridgeMode[1] = 1;
        Button(form, "SendBut")->click();
        QCOMPARE(m_windows->dialogs().numbers(), (QList<int>{108, 7}));
        QCOMPARE(g_submission.shown, 2);
        QCOMPARE(g_submission.korario, QStringLiteral("10-18"));
    }

    // Another PC changes the entry while it is on the screen: the save is refused with message
    // 12 and the form shows the entry as stored; a second save, knowing it, goes through.
    void aChangeMadeElsewhereMeanwhileIsNotOverwritten() {
        RecordWindows::addEntry(QStringLiteral("090000045"), QStringLiteral("20160305"),
                                QStringLiteral("09-17"));
        fakeSubmission();
        Program.Params.IkaCode = QStringLiteral("user");
        Program.Params.IkaPass = QStringLiteral("pass");
        Kins* form = openEntry(QStringLiteral("0503"));
        m_windows->folder().execElsewhere(
            QStringLiteral("Update Kins Set Korario='07-15',Kparat='άλλος' Where Eafm='090000045'"));
        TextBox(form, "Korario")->setPlainText(QStringLiteral("08-16"));
        Button(form, "SendBut")->click();
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{12});
        QCOMPARE(g_submission.shown, 0);
        QCOMPARE(SelectEntry(QStringLiteral("090000045"), QStringLiteral("20160305"))->Korario,
                 QStringLiteral("07-15"));
        QCOMPARE(TextBox(form, "Korario")->toPlainText(), QStringLiteral("07-15"));
        QCOMPARE(TextBox(form, "Kparat")->toPlainText(), QStringLiteral("άλλος"));
        QCOMPARE(Button(form, "SaveBut")->text(), QStringLiteral("Μεταβολή"));

        TextBox(form, "Korario")->setPlainText(QStringLiteral("08-16"));
        Button(form, "SaveBut")->click();
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{12});
        QCOMPARE(SelectEntry(QStringLiteral("090000045"), QStringLiteral("20160305")).value(),
                 (Entry{"090000045", "20160305", "08-16", "άλλος"}));
    }

    // Deleted elsewhere meanwhile: the save stores nothing and says so; the text stays on the
    // form, which now inserts it if the user saves again.
    void anEntryDeletedElsewhereIsNotStoredBehindTheUsersBack() {
        RecordWindows::addEntry(QStringLiteral("090000045"), QStringLiteral("20160305"),
                                QStringLiteral("09-17"));
        Kins* form = openEntry(QStringLiteral("0503"));
        m_windows->folder().execElsewhere(QStringLiteral("Delete From Kins"));
        TextBox(form, "Korario")->setPlainText(QStringLiteral("08-16"));
        Button(form, "SaveBut")->click();
        QCOMPARE(m_windows->dialogs().boxes.size(), 1);
        QVERIFY(m_windows->dialogs().boxes.first().text.startsWith(
            QStringLiteral("Η εγγραφή διαγράφηκε από άλλο χρήστη")));
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 0);
        QCOMPARE(TextBox(form, "Korario")->toPlainText(), QStringLiteral("08-16"));
        QCOMPARE(Button(form, "SaveBut")->text(), QStringLiteral("Εισαγωγή"));
        Button(form, "SaveBut")->click();
        QCOMPARE(SelectEntry(QStringLiteral("090000045"), QStringLiteral("20160305"))->Korario,
                 QStringLiteral("08-16"));
    }

    // A delete racing a change: the entry changed elsewhere is not deleted.
    void aDeleteOfAnEntryChangedElsewhereIsRefused() {
        RecordWindows::addEntry(QStringLiteral("090000045"), QStringLiteral("20160305"),
                                QStringLiteral("09-17"));
        Kins* form = openEntry(QStringLiteral("0503"));
        m_windows->folder().execElsewhere(QStringLiteral("Update Kins Set Korario='07-15'"));
        m_windows->dialogs().answers = {MsgAnswer::Yes};
        Button(form, "DelBut")->click();
        QCOMPARE(m_windows->dialogs().numbers(), (QList<int>{0, 12}));
        QCOMPARE(SelectEntry(QStringLiteral("090000045"), QStringLiteral("20160305"))->Korario,
                 QStringLiteral("07-15"));
        QCOMPARE(TextBox(form, "Korario")->toPlainText(), QStringLiteral("07-15"));
    }

private:
    // The web submission window is replaced by one that records what it was handed.
    static void fakeSubmission() {
        WindowCatalogue::addModal(QStringLiteral("InterSymplOrar"), [](QWidget* parent) {
            auto* dialog = new QDialog(parent);
            QTimer::singleShot(0, dialog, [dialog] {
                g_submission = {g_submission.shown + 1, Program.SendEafm, Program.SendKorario,
                                Program.SendKparat, Program.SendEypo};
                dialog->accept();
            });
            return dialog;
        });
        g_submission = {};
    }

    // The form on the entry of 090000045 of the day typed.
    Kins* openEntry(const QString& day) {
        Kins* form = open();
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("090000045"));
        typeInto(LineEdit(form, "Kdate"), day);
        if (Button(form, "SaveBut")->text() != QStringLiteral("Μεταβολή"))
            qFatal("The entry did not load for change");
        return form;
    }

    Kins* open() {
        Kins* form = m_windows->open<Kins>(QStringLiteral("Kins"));
        if (!form)
            qFatal("The entry form did not open");
        return form;
    }
    // Types into the field as the user does and leaves it with Enter.
    static void typeInto(QLineEdit* field, const QString& text) { RecordWindows::typeAndLeave(field, text); }
    // An employee and hours, then a date typed and F10 pressed before the date is left.
    static void pressF10InTheDate(Kins* form, const QString& date) {
        typeInto(LineEdit(form, "Eafm"), QStringLiteral("094019245"));
        TextBox(form, "Korario")->setPlainText(QStringLiteral("09-17"));
        QLineEdit* field = LineEdit(form, "Kdate");
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, date);
        QTest::keyClick(field, Qt::Key_F10);
    }
    std::unique_ptr<RecordWindows> m_windows;
};

QTEST_MAIN(KinsTest)
#include "KinsTest.moc"
