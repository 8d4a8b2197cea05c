#include "windows/records/ErgazSrch.h"
#include "Controls.h"
#include "RecordWindows.h"
#include "TestEngine.h"
#include "logic/core/program/ProgramValues.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace Controls;

// The employee list as the user pages, searches, sorts and picks in it: what the grid shows
// and which row it highlights.
class ErgazSrchTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_windows = std::make_unique<RecordWindows>(); }
    void cleanup() { m_windows.reset(); }

    void rowDownOnTheLastRowScrollsOnlyWhileThereAreMore() {
        RecordWindows::addEmployees(15);
        ErgazSrch* list = open(0);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(1));
        QCOMPARE(cell(list, 14, 0), RecordWindows::afm(14));
        for (int i = 0; i < 13; ++i)
            key(list, Qt::Key_Down);
        QCOMPARE(highlighted(list), 14);
        key(list, Qt::Key_Down);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(2));
        QCOMPARE(cell(list, 14, 0), RecordWindows::afm(15));
        QCOMPARE(highlighted(list), 14);
        key(list, Qt::Key_Down);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(2));
        QCOMPARE(highlighted(list), 14);
        // Up on the first row scrolls back one.
        for (int i = 0; i < 14; ++i)
            key(list, Qt::Key_Up);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(1));
        QCOMPARE(highlighted(list), 1);
    }

    void pagingByPages() {
        RecordWindows::addEmployees(30);
        ErgazSrch* list = open(0);
        key(list, Qt::Key_PageDown);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(15));
        key(list, Qt::Key_PageDown);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(29));
        QCOMPARE(cell(list, 3, 0), QString());
        key(list, Qt::Key_PageDown);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(29));
        // The toolbar does the same as the keys.
        Tool(list, 7)->trigger();
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(15));
    }

    void pageUpFromThe10thShowsTheFirstPage() {
        RecordWindows::addEmployees(30);
        ErgazSrch* list = open(0);
        // Thirteen steps to row 14, then each step scrolls by one: nine put employee 10
        // on row 1.
        for (int i = 0; i < 13 + 9; ++i)
            key(list, Qt::Key_Down);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(10));
        QCOMPARE(highlighted(list), 14);
        key(list, Qt::Key_PageUp);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(1));
        QCOMPARE(cell(list, 14, 0), RecordWindows::afm(14));
        QCOMPARE(highlighted(list), 1);
    }

    // The office's server gone during a search: the keystroke says so in Greek, with the
    // driver's words behind «Λεπτομέρειες», instead of a blank grid; once the server is back
    // the next keystroke finds again.
    void aSearchWithTheServerGoneSaysSo() {
        if (!TestOnPostgres())
            QSKIP("the embedded file does not go away");
        RecordWindows::addEmployee(QStringLiteral("123456789"), QStringLiteral("ΓΑΜΜΑ"));
        ErgazSrch* list = open(0);
        QVERIFY(m_windows->dialogs().boxes.isEmpty());
        QVERIFY(TestCluster().stop());
        RecordWindows::typeText(SearchField(list), QStringLiteral("1"));
        QCOMPARE(m_windows->dialogs().boxes.size(), 1);
        const MessageBox told = m_windows->dialogs().boxes.first();
        QVERIFY2(told.text.startsWith(QStringLiteral("Η σύνδεση με τη βάση δεδομένων του διακομιστή")),
                 qPrintable(told.text));
        QVERIFY(!told.details.isEmpty());
        QString error;
        QVERIFY2(TestCluster().restart(&error), qPrintable(error));
        QCoreApplication::processEvents();
        RecordWindows::typeText(SearchField(list), QStringLiteral("2"));
        QCOMPARE(cell(list, 1, 0), QStringLiteral("123456789"));
        QCOMPARE(m_windows->dialogs().boxes.size(), 1);
    }

    void searchByAfmPrefixAndPastTheLastName() {
        RecordWindows::addEmployee(QStringLiteral("090000045"), QStringLiteral("ΑΛΦΑ"));
        RecordWindows::addEmployee(QStringLiteral("110000001"), QStringLiteral("ΒΗΤΑ"));
        RecordWindows::addEmployee(QStringLiteral("123456789"), QStringLiteral("ΓΑΜΜΑ"));
        RecordWindows::addEmployee(QStringLiteral("125000000"), QStringLiteral("ΔΕΛΤΑ"));
        ErgazSrch* list = open(0);
        RecordWindows::typeText(SearchField(list), QStringLiteral("12"));
        QCOMPARE(cell(list, 1, 0), QStringLiteral("123456789"));
        QCOMPARE(cell(list, 2, 0), QStringLiteral("125000000"));
        QCOMPARE(cell(list, 3, 0), QString());

        // By name: a text after every name gives a blank page.
        ComboBox(list, "IdxErg")->setCurrentIndex(1);
        emit ComboBox(list, "IdxErg")->activated(1);
        QCOMPARE(Label(list, "Lbl_0")->text(), QStringLiteral("Επωνυμία:"));
        QCOMPARE(SearchField(list)->maxLength(), 10);
        QCOMPARE(SearchField(list)->text(), QString());
        QCOMPARE(Program.EmployeeSortOrder, qint16(1));
        QCOMPARE(cell(list, 1, 1), QStringLiteral("ΑΛΦΑ"));
        RecordWindows::typeText(SearchField(list), QStringLiteral("Ω"));
        QCOMPARE(cell(list, 1, 0), QString());
        QTest::keyClick(SearchField(list), Qt::Key_Backspace);
        RecordWindows::typeText(SearchField(list), QStringLiteral("Γ"));
        QCOMPARE(cell(list, 1, 1), QStringLiteral("ΓΑΜΜΑ"));
    }

    void theNameSearchFindsWhatAGreekUserTypes() {
        for (const auto& [who, name] :
             {std::pair{"500000000", "ΩΡΑΙΟΣ"}, std::pair{"400000000", "παπάς"},
              std::pair{"300000000", "Παπαδόπουλος"}, std::pair{"200000000", "ΠΑΠΑΔΟΠΟΥΛΟΣ"},
              std::pair{"100000000", "άννα"}})
            RecordWindows::addEmployee(QString::fromLatin1(who), QString::fromUtf8(name));
        ErgazSrch* list = open(1);
        QCOMPARE(cell(list, 1, 1), QStringLiteral("άννα"));
        QCOMPARE(cell(list, 5, 1), QStringLiteral("ΩΡΑΙΟΣ"));
        for (const QString& typed : {QStringLiteral("πα"), QStringLiteral("ΠΑ"), QStringLiteral("Πά")}) {
            SearchField(list)->clear();
            RecordWindows::typeText(SearchField(list), typed);
            QCOMPARE(SearchField(list)->text(), typed);
            QCOMPARE(cell(list, 1, 1), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ"));
            QCOMPARE(cell(list, 2, 1), QStringLiteral("Παπαδόπουλος"));
            QCOMPARE(cell(list, 3, 1), QStringLiteral("παπάς"));
            QCOMPARE(highlighted(list), 1);
        }
    }

    void theIndexReportFollowsTheOrderOfTheList() {
        RecordWindows::addEmployees(10);
        const QStringList mixed = {"ωραίος",  "ΑΓΓΕΛΟΥ",      "Έλενα",        "αγγέλου", "ΕΛΕΝΑ",
                                   "ΆΓΓΕΛΟΥ", "Παπαδόπουλος", "ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΩΡΑΙΟΣ",  "ερμής"};
        for (int i = 0; i < mixed.size(); ++i)
            RecordWindows::addEmployee(QStringLiteral("2%1").arg(i, 8, 10, QLatin1Char('0')), mixed.at(i));
        QList<Employee> printed;
        ErgazSrch* list = open(1);
        catchPrint(list, printed);
        QStringList shown;
        for (int page = 0; page < 2; ++page) {
            for (int row = 1; row <= 14 && !cell(list, row, 0).isEmpty(); ++row)
                shown << cell(list, row, 0);
            key(list, Qt::Key_PageDown);
        }
        QCOMPARE(shown.size(), 20);
        key(list, Qt::Key_F7);
        QStringList reported;
        for (const Employee& e : printed)
            reported << e.Eafm;
        QCOMPARE(reported, shown);
        QCOMPARE(printed.first().Eepon, QStringLiteral("ΑΓΓΕΛΟΥ"));
        QCOMPARE(printed.last().Eepon, QStringLiteral("ωραίος"));
    }

    void shiftHeldDoesNotSearch() {
        RecordWindows::addEmployees(3);
        RecordWindows::addEmployee(QStringLiteral("500000000"), QStringLiteral("ΠΕΝΤΕ"));
        ErgazSrch* list = open(0);
        sendKey(SearchField(list), QEvent::KeyPress, Qt::Key_Shift, {}, Qt::ShiftModifier);
        sendKey(SearchField(list), QEvent::KeyPress, Qt::Key_5, QStringLiteral("5"), Qt::ShiftModifier);
        sendKey(SearchField(list), QEvent::KeyRelease, Qt::Key_5, QStringLiteral("5"), Qt::ShiftModifier);
        QCOMPARE(SearchField(list)->text(), QStringLiteral("5"));
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(1));
        QTest::keyClick(SearchField(list), Qt::Key_0);
        QCOMPARE(cell(list, 1, 0), QStringLiteral("500000000"));
    }

    // Capitals typed with Shift held: the letters are released while Shift is down, and the
    // release of Shift itself searches. Systems differ on whether that release still reports
    // Shift as held.
    void releasingShiftSearches_data() {
        QTest::addColumn<bool>("shiftReported");
        QTest::newRow("reported held") << true;
        QTest::newRow("reported released") << false;
    }
    void releasingShiftSearches() {
        QFETCH(bool, shiftReported);
        RecordWindows::addEmployee(QStringLiteral("400000000"), QStringLiteral("ΑΛΦΑ"));
        RecordWindows::addEmployee(QStringLiteral("300000000"), QStringLiteral("ΒΗΤΑ"));
        RecordWindows::addEmployee(QStringLiteral("200000000"), QStringLiteral("ΓΑΜΜΑ"));
        RecordWindows::addEmployee(QStringLiteral("100000000"), QStringLiteral("ΔΕΛΤΑ"));
        ErgazSrch* list = open(1);
        QLineEdit* box = SearchField(list);
        sendKey(box, QEvent::KeyPress, Qt::Key_Shift, {}, Qt::ShiftModifier);
        for (const QChar c : QStringLiteral("ΓΑ")) {
            sendKey(box, QEvent::KeyPress, c.unicode(), QString(c), Qt::ShiftModifier);
            sendKey(box, QEvent::KeyRelease, c.unicode(), QString(c), Qt::ShiftModifier);
        }
        QCOMPARE(box->text(), QStringLiteral("ΓΑ"));
        QCOMPARE(cell(list, 1, 1), QStringLiteral("ΑΛΦΑ"));
        sendKey(box, QEvent::KeyRelease, Qt::Key_Shift, {},
                shiftReported ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(cell(list, 1, 1), QStringLiteral("ΓΑΜΜΑ"));
    }

    // The window sees every key first: the list's keys act with the focus in the drop-down
    // too, which keeps only its arrows.
    void theListsKeysActInTheDropDown() {
        RecordWindows::addEmployees(30);
        ErgazSrch* list = open(0);
        QComboBox* order = ComboBox(list, "IdxErg");
        order->setFocus();
        QVERIFY(order->hasFocus());
        QTest::keyClick(order, Qt::Key_PageDown);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(15));
        QTest::keyClick(order, Qt::Key_PageUp);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(1));
        QCOMPARE(order->currentIndex(), 0);
        // Down in the drop-down chooses its next item: the list sorts by name.
        QTest::keyClick(order, Qt::Key_Down);
        QCOMPARE(order->currentIndex(), 1);
        QCOMPARE(Program.EmployeeSortOrder, qint16(1));
        // F6 opens a new employee, Esc closes the list.
        order->setFocus();
        QTest::keyClick(order, Qt::Key_F6);
        RecordWindows::settle();
        QVERIFY(m_windows->findChild(QStringLiteral("Ergaz")));
        m_windows->findChild(QStringLiteral("Ergaz"))->closeWindow();
        RecordWindows::settle();
        list = m_windows->find<ErgazSrch>(QStringLiteral("ErgazSrch"));
        QVERIFY(list);
        ComboBox(list, "IdxErg")->setFocus();
        QTest::keyClick(ComboBox(list, "IdxErg"), Qt::Key_Escape);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("ErgazSrch")));
    }

    void deletingTheLastEmployeeReopensAtTheNewLast() {
        RecordWindows::addEmployees(16);
        Program.EmployeeListFromMenu = true;
        ErgazSrch* list = open(0);
        key(list, Qt::Key_PageDown);
        key(list, Qt::Key_Down);
        QCOMPARE(list->list().selected()->Eafm, RecordWindows::afm(16));
        m_windows->dialogs().answers = {MsgAnswer::Yes};
        key(list, Qt::Key_F2);
        QWidget* form = m_windows->findChild(QStringLiteral("Ergaz"));
        QVERIFY(form);
        Button(form, "SaveBut")->click();
        RecordWindows::settle();
        QCOMPARE(m_windows->active(), list);
        QCOMPARE(cell(list, 1, 0), RecordWindows::afm(15));
        QCOMPARE(cell(list, 2, 0), QString());
        QCOMPARE(highlighted(list), 1);
    }

    void anEmptyListDoesNothingButPrintSaysSo() {
        QList<Employee> printed{{"x", "y", "z"}};
        Program.EmployeeListFromMenu = true;
        ErgazSrch* list = open(1);
        catchPrint(list, printed);
        for (int k : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F2, Qt::Key_Return})
            key(list, k);
        QVERIFY(!m_windows->findChild(QStringLiteral("Ergaz")));
        key(list, Qt::Key_F7);
        QCOMPARE(m_windows->dialogs().numbers(), QList<int>{18});
        QCOMPARE(printed.size(), 1);
    }

    void printHandsTheWholeTableInTheListOrder() {
        RecordWindows::addEmployee(QStringLiteral("300000000"), QStringLiteral("ΑΑ"));
        RecordWindows::addEmployee(QStringLiteral("200000000"), QStringLiteral("ΒΒ"));
        QList<Employee> printed;
        ErgazSrch* list = open(1);
        catchPrint(list, printed);
        QVERIFY(Tool(list, 5)->isEnabled());
        RecordWindows::typeText(SearchField(list), QStringLiteral("Β"));
        QTest::keyClick(SearchField(list), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(printed.size(), 2);
        QCOMPARE(printed.first().Eepon, QStringLiteral("ΑΑ"));
    }

    // The print button, its keys and its item of the right-click menu are one command:
    // disabling the button disables the rest.
    void aDisabledPrintButtonTakesItsKeysAndMenuItemAlong() {
        RecordWindows::addEmployees(2);
        QList<Employee> printed;
        ErgazSrch* list = open(1);
        catchPrint(list, printed);
        Tool(list, 5)->setEnabled(false);
        key(list, Qt::Key_F7);
        QTest::keyClick(SearchField(list), Qt::Key_P, Qt::ControlModifier);
        m_windows->dialogs().popUpChoices = {4};
        QTableWidget* grd = ListGrid(list);
        QTest::mouseClick(grd->viewport(), Qt::RightButton, {},
                          grd->visualRect(grd->model()->index(0, 0)).center());
        QCOMPARE(m_windows->dialogs().popUps.size(), 1);
        QVERIFY(printed.isEmpty());

        Tool(list, 5)->setEnabled(true);
        key(list, Qt::Key_F7);
        QCOMPARE(printed.size(), 2);
    }

    void thePickerAnswersWithTheKeyOrNothing() {
        RecordWindows::addEmployees(3);
        Program.EmployeeListFromMenu = false;
        ErgazSrch* list = open(0);
        key(list, Qt::Key_Down);
        key(list, Qt::Key_Return);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("ErgazSrch")));
        QCOMPARE(Program.BridgeKey[0], RecordWindows::afm(2) + QStringLiteral("     "));

        list = open(0);
        key(list, Qt::Key_Escape);
        RecordWindows::settle();
        QVERIFY(!m_windows->findChild(QStringLiteral("ErgazSrch")));
        QCOMPARE(Program.BridgeKey[0], QString());
    }

    void doubleClickAndPopUpMenuAct() {
        RecordWindows::addEmployees(3);
        Program.EmployeeListFromMenu = true;
        ErgazSrch* list = open(0);
        QTableWidget* grd = ListGrid(list);
        const QPoint third = grd->visualRect(grd->model()->index(2, 0)).center();
        // A double click comes after the click of its first press.
        QTest::mouseClick(grd->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(highlighted(list), 3);
        QTest::mouseDClick(grd->viewport(), Qt::LeftButton, {}, third);
        RecordWindows::settle();
        QCOMPARE(Program.BridgeMode[0], qint16(2));
        QCOMPARE(Program.BridgeKey[0].trimmed(), RecordWindows::afm(3));
        m_windows->findChild(QStringLiteral("Ergaz"))->closeWindow();
        RecordWindows::settle();

        m_windows->dialogs().popUpChoices = {1};
        QTest::mouseClick(grd->viewport(), Qt::RightButton, {}, third);
        QCOMPARE(m_windows->dialogs().popUps.last(),
                 (QStringList{"Εισαγωγή", "Μεταβολή", "Διαγραφή", "Εκτύπωση", "Αντιγραφή", "Εξοδος"}));
        QCOMPARE(Program.BridgeMode[0], qint16(1));
        QVERIFY(m_windows->findChild(QStringLiteral("Ergaz")));
    }

    void reloadShowsTheSearchTextAndTheSortOrderOfTheProgram() {
        RecordWindows::addEmployees(2);
        Program.EmployeeSearchText = QStringLiteral("ΕΡΓ");
        ErgazSrch* list = open(0);
        QCOMPARE(SearchField(list)->text(), QStringLiteral("ΕΡΓ"));
        QCOMPARE(ComboBox(list, "IdxErg")->currentIndex(), 0);
        QCOMPARE(Label(list, "Lbl_0")->text(), QStringLiteral("Α.Φ.Μ.:"));
        QCOMPARE(SearchField(list)->maxLength(), 14);
        QVERIFY(SearchField(list)->hasFocus());
        // The window sits inside its frame, below the title bar.
        QVERIFY(list->y() > 0);
    }

private:
    // The test stands in for the print engine: it takes the rows the list hands over.
    static void catchPrint(ErgazSrch* list, QList<Employee>& printed) {
        QObject::disconnect(list, &ErgazSrch::printRequested, nullptr, nullptr);
        QObject::connect(list, &ErgazSrch::printRequested, list,
                         [&printed](const QList<Employee>& rows) { printed = rows; });
    }
    ErgazSrch* open(qint16 order) {
        Program.EmployeeSortOrder = order;
        ErgazSrch* list = m_windows->open<ErgazSrch>(QStringLiteral("ErgazSrch"));
        if (!list)
            qFatal("The employee list did not open");
        return list;
    }
    static QString cell(QWidget* list, int row, int column) {
        const QTableWidgetItem* item = ListGrid(list)->item(row - 1, column);
        return item ? item->text() : QString();
    }
    static int highlighted(QWidget* list) {
        const QList<QTableWidgetItem*> selected = ListGrid(list)->selectedItems();
        return selected.isEmpty() ? 0 : selected.first()->row() + 1;
    }
    static void key(QWidget* list, int k) { QTest::keyClick(SearchField(list), Qt::Key(k)); }
    // One key event as the system sends it (QTest's own key clicks press and release the
    // modifiers around every key).
    static void sendKey(QWidget* widget, QEvent::Type type, int key, const QString& text,
                        Qt::KeyboardModifiers modifiers) {
        QKeyEvent event(type, key, modifiers, text);
        QApplication::sendEvent(widget, &event);
    }

    std::unique_ptr<RecordWindows> m_windows;
};

QTEST_MAIN(ErgazSrchTest)
#include "ErgazSrchTest.moc"
