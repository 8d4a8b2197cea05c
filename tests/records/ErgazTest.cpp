#include "windows/records/Ergaz.h"
#include "Controls.h"
#include "RecordWindows.h"
#include "logic/core/program/ProgramValues.h"
#include "windows/core/MdiHost.h"
#include "windows/records/ErgazSrch.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace Controls;

// The employee form as the employee list opens it: each mode with its caption, its fields
// and the rows it leaves in the table.
class ErgazTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_windows = std::make_unique<RecordWindows>();
        Program.EmployeeListFromMenu = true;
    }
    void cleanup() { m_windows.reset(); }

    void insertStoresTheFieldsWithGraveAccents() {
        ErgazSrch* list = openList();
        QTest::keyClick(SearchField(list), Qt::Key_F6);
        Ergaz* form = m_windows->find<Ergaz>(QStringLiteral("Ergaz"));
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Εισαγωγή Εργαζομένων"));
        QCOMPARE(Button(form, "SaveBut")->text(), QStringLiteral("Εισαγωγή"));
        QVERIFY(LineEdit(form, "Eafm")->isEnabled());
        type(form, {"090000045", "Ο'ΝΗΛ ΓΙΑΝΝΗΣ", "12"});
        QCOMPARE(QApplication::focusWidget(), LineEdit(form, "Eafm")); // Enter went round
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        RecordWindows::settle();
        QCOMPARE(SelectEmployee(QStringLiteral("090000045")).value(),
                 (Employee{"090000045", "Ο`ΝΗΛ ΓΙΑΝΝΗΣ", "12"}));
        QVERIFY(!m_windows->findChild(QStringLiteral("Ergaz")));
        // The list is active again and shows the new employee on its first page.
        QCOMPARE(m_windows->active(), list);
        QCOMPARE(list->list().atGridRow(1)->Eafm, QStringLiteral("090000045"));
        QVERIFY(m_windows->dialogs().boxes.isEmpty());
    }

    void changeKeepsTheAfmAndUpdatesNameAndBranch() {
        RecordWindows::addEmployees(3);
        Program.EmployeeSortOrder = 0;
        ErgazSrch* list = openList();
        QTest::keyClick(SearchField(list), Qt::Key_Down);
        QTest::keyClick(SearchField(list), Qt::Key_Return); // from the menu, Enter changes
        Ergaz* form = m_windows->find<Ergaz>(QStringLiteral("Ergaz"));
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Μεταβολή Εργαζομένων"));
        QCOMPARE(Program.BridgeKey[0], RecordWindows::afm(2) + QStringLiteral("     "));
        QVERIFY(!LineEdit(form, "Eafm")->isEnabled());
        QCOMPARE(LineEdit(form, "Eafm")->text(), RecordWindows::afm(2));
        QCOMPARE(LineEdit(form, "Eepon")->text(), RecordWindows::name(2));
        LineEdit(form, "Eepon")->setText(QStringLiteral("ΝΕΟ ΟΝΟΜΑ"));
        LineEdit(form, "Eypo")->setText(QStringLiteral("77"));
        Button(form, "SaveBut")->click();
        RecordWindows::settle();
        QCOMPARE(SelectEmployee(RecordWindows::afm(2)).value(),
                 (Employee{RecordWindows::afm(2), "ΝΕΟ ΟΝΟΜΑ", "77"}));
        QCOMPARE(RecordWindows::count(QStringLiteral("Ergaz")), 3);
        // The list reopened at the changed employee, highlighted on row 1.
        QCOMPARE(list->list().atGridRow(1)->Eepon, QStringLiteral("ΝΕΟ ΟΝΟΜΑ"));
        QCOMPARE(ListGrid(list)->currentRow(), 0);
    }

    void copyStartsFromTheBranchAndInsertsANewEmployee() {
        RecordWindows::addEmployee(QStringLiteral("090000045"), QStringLiteral("ΠΗΓΗ"), QStringLiteral("31"));
        ErgazSrch* list = openList();
        QTest::keyClick(SearchField(list), Qt::Key_F5);
        Ergaz* form = m_windows->find<Ergaz>(QStringLiteral("Ergaz"));
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Αντιγραφή Εργαζομένων"));
        QVERIFY(LineEdit(form, "Eafm")->isEnabled());
        QCOMPARE(LineEdit(form, "Eafm")->text(), QString());
        QCOMPARE(LineEdit(form, "Eepon")->text(), QString());
        QCOMPARE(LineEdit(form, "Eypo")->text(), QStringLiteral("31"));
        type(form, {"094019245", "ΑΝΤΙΓΡΑΦΟ"});
        Button(form, "SaveBut")->click();
        RecordWindows::settle();
        QCOMPARE(SelectEmployee(QStringLiteral("094019245")).value(),
                 (Employee{"094019245", "ΑΝΤΙΓΡΑΦΟ", "31"}));
        QCOMPARE(SelectEmployee(QStringLiteral("090000045")).value(), (Employee{"090000045", "ΠΗΓΗ", "31"}));
    }

    void deleteAsksThenRemovesTheEmployeeWithHisEntries() {
        RecordWindows::addEmployees(2);
        RecordWindows::addEntry(RecordWindows::afm(1), QStringLiteral("20160301"), QStringLiteral("9-17"));
        RecordWindows::addEntry(RecordWindows::afm(1), QStringLiteral("20160302"), QStringLiteral("9-17"));
        RecordWindows::addEntry(RecordWindows::afm(2), QStringLiteral("20160302"), QStringLiteral("9-17"));
        ErgazSrch* list = openList();

        // No: nothing opens.
        m_windows->dialogs().answers = {MsgAnswer::No};
        QTest::keyClick(SearchField(list), Qt::Key_F2);
        const MessageBox question = m_windows->dialogs().boxes.last();
        QCOMPARE(question.title, QStringLiteral("Διαγραφή Εργαζόμενου"));
        QCOMPARE(question.buttons, MsgButtons::YesNo);
        QCOMPARE(question.defaultAnswer, MsgAnswer::No);
        QCOMPARE(question.icon, MsgIcon::Critical);
        QVERIFY(question.text.startsWith(QStringLiteral("ΠΡΟΣΟΧΗ !!!")));
        QVERIFY(question.text.endsWith(QStringLiteral("Να διαγραφή η εγγραφή.")));
        QVERIFY(!m_windows->findChild(QStringLiteral("Ergaz")));

        m_windows->dialogs().answers = {MsgAnswer::Yes};
        QTest::keyClick(SearchField(list), Qt::Key_F2);
        Ergaz* form = m_windows->find<Ergaz>(QStringLiteral("Ergaz"));
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Διαγραφή Εργαζομένων"));
        QVERIFY(!LineEdit(form, "Eafm")->isEnabled());
        // Nothing is checked in this mode.
        LineEdit(form, "Eepon")->clear();
        Button(form, "SaveBut")->click();
        RecordWindows::settle();
        QVERIFY(!SelectEmployee(RecordWindows::afm(1)));
        QCOMPARE(RecordWindows::count(QStringLiteral("Ergaz")), 1);
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 1);
    }

    void missingFieldsAndDuplicatesKeepTheFormOpen() {
        RecordWindows::addEmployee(QStringLiteral("090000045"), QStringLiteral("ΥΠΑΡΧΩΝ"));
        ErgazSrch* list = openList();
        QTest::keyClick(SearchField(list), Qt::Key_F6);
        Ergaz* form = m_windows->find<Ergaz>(QStringLiteral("Ergaz"));
        LineEdit(form, "Eafm")->setText(QStringLiteral("094019245"));
        LineEdit(form, "Eepon")->setText(QStringLiteral("   "));
        LineEdit(form, "Eypo")->setText(QStringLiteral("1"));
        Button(form, "SaveBut")->click();
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{11});

        // A branch of blanks counts as given; the AFM that exists is a duplicate.
        LineEdit(form, "Eafm")->setText(QStringLiteral("090000045"));
        LineEdit(form, "Eepon")->setText(QStringLiteral("ΑΛΛΟΣ"));
        LineEdit(form, "Eypo")->setText(QStringLiteral("   "));
        Button(form, "SaveBut")->click();
        RecordWindows::settle();
        QCOMPARE(m_windows->dialogs().numbers(), (QList<int>{11, 7}));
        QCOMPARE(m_windows->findChild(QStringLiteral("Ergaz")), form);
        QCOMPARE(SelectEmployee(QStringLiteral("090000045"))->Eepon, QStringLiteral("ΥΠΑΡΧΩΝ"));

        LineEdit(form, "Eafm")->setText(QStringLiteral("094019245"));
        Button(form, "SaveBut")->click();
        RecordWindows::settle();
        QCOMPARE(SelectEmployee(QStringLiteral("094019245"))->Eypo, QStringLiteral("   "));
        QVERIFY(!m_windows->findChild(QStringLiteral("Ergaz")));
    }

    void aWrongAfmWarnsOnLeavingButCanBeSaved() {
        Program.BridgeMode[0] = 1;
        Ergaz* form = m_windows->open<Ergaz>(QStringLiteral("Ergaz"));
        QVERIFY(form);
        LineEdit(form, "Eafm")->setFocus();
        RecordWindows::typeText(LineEdit(form, "Eafm"), QStringLiteral(" 123456789 "));
        QTest::keyClick(LineEdit(form, "Eafm"), Qt::Key_Return);
        QCOMPARE(m_windows->dialogs().boxes.size(), 1);
        QCOMPARE(m_windows->dialogs().boxes.first().text, QStringLiteral("Λανθασμένο ΑΦΜ"));
        QCOMPARE(LineEdit(form, "Eafm")->text(), QStringLiteral("123456789"));
        QVERIFY(LineEdit(form, "Eepon")->hasFocus());
        LineEdit(form, "Eepon")->setText(QStringLiteral("ΚΑΠΟΙΟΣ"));
        LineEdit(form, "Eypo")->setText(QStringLiteral("5"));
        Button(form, "SaveBut")->click();
        QVERIFY(SelectEmployee(QStringLiteral("123456789")));
    }

    void anEmployeeThatIsGoneShowsMessage8AndCloses() {
        Program.BridgeMode[0] = 2;
        Program.BridgeKey[0] = QStringLiteral("999999999     ");
        QVERIFY(m_windows->mdi()->openChild(QStringLiteral("Ergaz")));
        RecordWindows::settle();
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{8});
        QVERIFY(!m_windows->findChild(QStringLiteral("Ergaz")));
    }

    void keysWithAndWithoutTrailingBlanksFindTheSameEmployee() {
        RecordWindows::addEmployee(QStringLiteral("090000045"), QStringLiteral("ΕΝΑΣ"), QStringLiteral("4"));
        for (const QString& key : {QStringLiteral("090000045"), QStringLiteral("090000045     ")}) {
            Program.BridgeMode[0] = 2;
            Program.BridgeKey[0] = key;
            Ergaz* form = m_windows->open<Ergaz>(QStringLiteral("Ergaz"));
            QVERIFY(form);
            QCOMPARE(LineEdit(form, "Eepon")->text(), QStringLiteral("ΕΝΑΣ"));
            form->closeWindow();
            RecordWindows::settle();
        }
        QVERIFY(m_windows->dialogs().boxes.isEmpty());
    }

    // Another PC renamed the employee while the form showed him: the change is refused with
    // message 12 and the form shows him as stored; saved again, the user's change goes in.
    void aChangeMadeElsewhereMeanwhileIsNotOverwritten() {
        RecordWindows::addEmployee(QStringLiteral("090000045"), QStringLiteral("ΠΡΩΤΟ"), QStringLiteral("4"));
        Ergaz* form = openForm(2, QStringLiteral("090000045"));
        m_windows->folder().execElsewhere(QStringLiteral("Update Ergaz Set Eepon='ΑΛΛΟΥ ΧΕΡΙ'"));
        LineEdit(form, "Eypo")->setText(QStringLiteral("9"));
        Button(form, "SaveBut")->click();
        RecordWindows::settle();
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{12});
        QCOMPARE(m_windows->findChild(QStringLiteral("Ergaz")), form);
        QCOMPARE(LineEdit(form, "Eepon")->text(), QStringLiteral("ΑΛΛΟΥ ΧΕΡΙ"));
        QCOMPARE(LineEdit(form, "Eypo")->text(), QStringLiteral("4"));
        QCOMPARE(SelectEmployee(QStringLiteral("090000045"))->Eypo, QStringLiteral("4"));
        LineEdit(form, "Eypo")->setText(QStringLiteral("9"));
        Button(form, "SaveBut")->click();
        RecordWindows::settle();
        QCOMPARE(SelectEmployee(QStringLiteral("090000045")).value(),
                 (Employee{"090000045", "ΑΛΛΟΥ ΧΕΡΙ", "9"}));
        QVERIFY(!m_windows->findChild(QStringLiteral("Ergaz")));
    }

    // A change racing a delete: the employee deleted elsewhere is not stored again, and a
    // delete of an employee changed elsewhere deletes nothing.
    void aDeleteRacingAChangeLeavesTheOtherPcsWork() {
        RecordWindows::addEmployee(QStringLiteral("090000045"), QStringLiteral("ΠΡΩΤΟ"), QStringLiteral("4"));
        Ergaz* form = openForm(2, QStringLiteral("090000045"));
        m_windows->folder().execElsewhere(QStringLiteral("Delete From Ergaz"));
        LineEdit(form, "Eepon")->setText(QStringLiteral("ΝΕΟ"));
        Button(form, "SaveBut")->click();
        RecordWindows::settle();
        QCOMPARE(m_windows->dialogs().boxes.size(), 1);
        QVERIFY(m_windows->dialogs().boxes.first().text.startsWith(
            QStringLiteral("Η εγγραφή διαγράφηκε από άλλο χρήστη")));
        QVERIFY(!m_windows->findChild(QStringLiteral("Ergaz")));
        QCOMPARE(RecordWindows::count(QStringLiteral("Ergaz")), 0);

        RecordWindows::addEmployee(QStringLiteral("090000045"), QStringLiteral("ΠΡΩΤΟ"), QStringLiteral("4"));
        RecordWindows::addEntry(QStringLiteral("090000045"), QStringLiteral("20160301"),
                                QStringLiteral("9-17"));
        form = openForm(3, QStringLiteral("090000045"));
        m_windows->folder().execElsewhere(QStringLiteral("Update Ergaz Set Eypo='5'"));
        Button(form, "SaveBut")->click();
        RecordWindows::settle();
        QCOMPARE(m_windows->dialogs().numbers(), (QList<int>{0, 12}));
        QCOMPARE(SelectEmployee(QStringLiteral("090000045"))->Eypo, QStringLiteral("5"));
        QCOMPARE(RecordWindows::count(QStringLiteral("Kins")), 1);
    }

    void escapeClosesWithoutSaving() {
        Program.BridgeMode[0] = 1;
        Ergaz* form = m_windows->open<Ergaz>(QStringLiteral("Ergaz"));
        LineEdit(form, "Eafm")->setText(QStringLiteral("090000045"));
        LineEdit(form, "Eepon")->setText(QStringLiteral("ΟΝΟΜΑ"));
        LineEdit(form, "Eypo")->setText(QStringLiteral("1"));
        LineEdit(form, "Eepon")->setFocus();
        QTest::keyClick(LineEdit(form, "Eepon"), Qt::Key_Escape);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("Ergaz")));
        QCOMPARE(RecordWindows::count(QStringLiteral("Ergaz")), 0);
    }

    void closingTheListClosesTheFormItOpened() {
        RecordWindows::addEmployees(1);
        ErgazSrch* list = openList();
        QTest::keyClick(SearchField(list), Qt::Key_F4);
        QVERIFY(m_windows->findChild(QStringLiteral("Ergaz")));
        list->closeWindow();
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("Ergaz")));
        QVERIFY(!Program.EmployeeListFromMenu);
    }

private:
    // The form in a mode on an employee, as the list opens it.
    Ergaz* openForm(qint16 mode, const QString& afm) {
        Program.BridgeMode[0] = mode;
        Program.BridgeKey[0] = afm;
        Ergaz* form = m_windows->open<Ergaz>(QStringLiteral("Ergaz"));
        if (!form)
            qFatal("The employee form did not open");
        return form;
    }

    ErgazSrch* openList() {
        ErgazSrch* list = m_windows->open<ErgazSrch>(QStringLiteral("ErgazSrch"));
        if (!list)
            qFatal("The employee list did not open");
        return list;
    }
    // Types the texts into the form's fields one after another, with Enter between them.
    static void type(QWidget* form, const QStringList& texts) {
        QWidget* current = LineEdit(form, "Eafm");
        current->setFocus();
        for (const QString& text : texts) {
            current = QApplication::focusWidget();
            RecordWindows::typeText(current, text);
            QTest::keyClick(current, Qt::Key_Return);
        }
    }

    std::unique_ptr<RecordWindows> m_windows;
};

QTEST_MAIN(ErgazTest)
#include "ErgazTest.moc"
