#include "ModalDriver.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/records/LbPopUp.h"
#include "logic/records/PickList.h"
#include "windows/core/ChildWindow.h"
#include "windows/core/HandOvers.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/core/WindowNames.h"
#include "windows/records/Lbcalendar.h"
#include "windows/records/Lbscroll.h"

#include <QCalendarWidget>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

// The three pickers, driven as their callers and the user drive them, with the answers read
// from the program-wide values afterwards.
class PickersTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_frame.reset(); }

    void popUpShowsEachItemAndReportsTheClickedOne();
    void popUpDismissedGivesNoChoice();
    void popUpShowsAtMostThirtyItems();

    void pickListItemsEndWithBarAndHaveNoLimit();
    void multipleChoiceMarksTheChosenItemsInListOrder();
    void singleChoiceByKeyboardSurvivesTheCallerTakingOver();
    void doubleClickChoosesOnlyInTheSingleChoiceList();
    void exitEscapeAndLosingTheActivationLeaveNoAnswer();
    void longItemsWidenTheListAndTheWindow();

    void calendarEnterGivesTheSelectedDay();
    void calendarClickGivesTheDayClicked();
    void calendarWithoutWorkDateShowsToday();
    void calendarEscapeOrLosingTheActivationGivesNoDate();

private:
    Lbscroll* openPickList(const QString& items, bool multiSel, double x = 0, int y = 0);
    QString pickDate(const std::function<void(QCalendarWidget*)>& drive);

    std::unique_ptr<QMainWindow> m_frame;
    MdiHost* m_mdi = nullptr;
    ChildWindow* m_caller = nullptr;
    ScriptedDialogs* m_dialogs = nullptr;
};

void PickersTest::init() {
    ResetProgramValues();
    m_dialogs = &InstallScriptedDialogs();
    InstallFixedClock(QDateTime(QDate(2019, 11, 7), QTime(10, 30)));
    WindowCatalogue::addModal(WindowName::Lbcalendar, [](QWidget* parent) { return new Lbcalendar(parent); });
    m_frame = std::make_unique<QMainWindow>();
    m_mdi = new MdiHost;
    m_frame->setCentralWidget(m_mdi);
    m_frame->resize(1000, 700);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    m_caller = new ChildWindow;
    m_caller->setObjectName(QStringLiteral("Caller"));
    m_caller->resize(200, 100);
    m_mdi->addChild(m_caller);
}

Lbscroll* PickersTest::openPickList(const QString& items, bool multiSel, double x, int y) {
    Lbscroll* scroll = OpenLbscroll();
    if (scroll)
        scroll->InitScroll(x, y, QStringLiteral("Επιλογή Εργαζομένου"), items, multiSel);
    return scroll;
}

// --- pop-up menu ------------------------------------------------------------------------

void PickersTest::popUpShowsEachItemAndReportsTheClickedOne() {
    Program.PopUpItems = QStringLiteral("Εκτύπωση|Αποστολή|");
    m_dialogs->popUpChoices = {2};
    LoadLbPopUp();
    QCOMPARE(m_dialogs->popUps.size(), 1);
    QCOMPARE(m_dialogs->popUps.first(),
             (QStringList{QStringLiteral("Εκτύπωση"), QStringLiteral("Αποστολή")}));
    QCOMPARE(Program.PopUpChoice, qint16(2));
}

void PickersTest::popUpDismissedGivesNoChoice() {
    Program.PopUpChoice = 3; // the answer of an earlier question
    Program.PopUpItems = QStringLiteral("Εκτύπωση|Αποστολή|Εξοδος|");
    LoadLbPopUp(); // the script has no choice: the menu is dismissed
    QCOMPARE(Program.PopUpChoice, qint16(0));

    // Without items the menu still has its first, empty entry.
    Program.PopUpItems.clear();
    LoadLbPopUp();
    QCOMPARE(m_dialogs->popUps.last(), QStringList{QString()});
}

void PickersTest::popUpShowsAtMostThirtyItems() {
    for (int i = 1; i <= 31; ++i)
        Program.PopUpItems += QStringLiteral("Επιλογή %1|").arg(i);
    Program.PopUpItems += QStringLiteral("χωρίς τέλος");
    LoadLbPopUp();
    const QStringList shown = m_dialogs->popUps.first();
    QCOMPARE(shown.size(), 30);
    QCOMPARE(shown.last(), QStringLiteral("Επιλογή 30"));
}

// --- pick list -------------------------------------------------------------------------

void PickersTest::pickListItemsEndWithBarAndHaveNoLimit() {
    QCOMPARE(PickListItems(QStringLiteral("Α||Γ|υπόλοιπο")),
             (QStringList{QStringLiteral("Α"), QString(), QStringLiteral("Γ")}));
    QVERIFY(PickListItems(QString()).isEmpty());
    QCOMPARE(PickListItems(QStringLiteral("x|").repeated(45)).size(), 45);
}

void PickersTest::multipleChoiceMarksTheChosenItemsInListOrder() {
    QPointer<Lbscroll> scroll = openPickList(QStringLiteral("Πρώτος|Δεύτερος|Τρίτος|"), true, 1500, 750);
    QVERIFY(scroll);
    QCOMPARE(scroll->subWindow()->pos(), QPoint(100, 50)); // twips inside the main window
    auto* multi = scroll->findChild<QListWidget*>(QStringLiteral("Lscroll_1"));
    auto* single = scroll->findChild<QListWidget*>(QStringLiteral("Lscroll_0"));
    QVERIFY(multi->isVisible());
    QVERIFY(!single->isVisible());
    QCOMPARE(multi->count(), 3);
    QCOMPARE(scroll->windowTitle(), QStringLiteral("Επιλογή Εργαζομένου"));

    QTest::mouseClick(multi->viewport(), Qt::LeftButton, {}, multi->visualItemRect(multi->item(1)).center());
    QTest::mouseClick(scroll->findChild<QPushButton*>(QStringLiteral("EpilBut")), Qt::LeftButton);
    QCOMPARE(Program.ScrollMarks, QStringLiteral("010"));
    QCOMPARE(Program.ScrollChoice, qint16(0));
    QTRY_VERIFY(!scroll);

    // Two marked, Enter accepts.
    scroll = openPickList(QStringLiteral("Α|Β|Γ|Δ|"), true);
    multi = scroll->findChild<QListWidget*>(QStringLiteral("Lscroll_1"));
    multi->item(0)->setSelected(true);
    multi->item(3)->setSelected(true);
    QTest::keyClick(multi, Qt::Key_Return);
    QCOMPARE(Program.ScrollMarks, QStringLiteral("1001"));
}

void PickersTest::singleChoiceByKeyboardSurvivesTheCallerTakingOver() {
    QPointer<Lbscroll> scroll = openPickList(QStringLiteral("Α|Β|Γ|"), false);
    auto* list = scroll->findChild<QListWidget*>(QStringLiteral("Lscroll_0"));
    QVERIFY(list->isVisible());
    QVERIFY(list->hasFocus());
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Enter);
    QTRY_VERIFY(!scroll);
    // Closing hands the activation back to the caller, which then reads the answer.
    QCOMPARE(m_mdi->activeSubWindow()->widget(), m_caller);
    QCOMPARE(Program.ScrollChoice, qint16(2));
    QCOMPARE(Program.ScrollMarks, QString());

    // The first item is chosen when the user just accepts.
    scroll = openPickList(QStringLiteral("Α|Β|"), false);
    QTest::mouseClick(scroll->findChild<QPushButton*>(QStringLiteral("EpilBut")), Qt::LeftButton);
    QCOMPARE(Program.ScrollChoice, qint16(1));
}

namespace {
// A double click as the window system delivers it: press, release, press, double click,
// release.
void doubleClickItem(QListWidget* list, int row) {
    QWidget* top = list->window();
    const QPoint at = list->viewport()->mapTo(top, list->visualItemRect(list->item(row)).center());
    QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, {}, at);
}
} // namespace

void PickersTest::doubleClickChoosesOnlyInTheSingleChoiceList() {
    QPointer<Lbscroll> scroll = openPickList(QStringLiteral("Α|Β|Γ|"), false);
    auto* list = scroll->findChild<QListWidget*>(QStringLiteral("Lscroll_0"));
    doubleClickItem(list, 2);
    QCOMPARE(Program.ScrollChoice, qint16(3));
    QTRY_VERIFY(!scroll);

    scroll = openPickList(QStringLiteral("Α|Β|Γ|"), true);
    auto* multi = scroll->findChild<QListWidget*>(QStringLiteral("Lscroll_1"));
    doubleClickItem(multi, 2);
    QTest::qWait(50);
    QVERIFY(scroll && scroll->isVisible());
    QCOMPARE(Program.ScrollMarks, QString());
}

void PickersTest::exitEscapeAndLosingTheActivationLeaveNoAnswer() {
    QPointer<Lbscroll> scroll = openPickList(QStringLiteral("Α|Β|"), false);
    scroll->findChild<QListWidget*>(QStringLiteral("Lscroll_0"))->setCurrentRow(1);
    QTest::mouseClick(scroll->findChild<QPushButton*>(QStringLiteral("ExitBut")), Qt::LeftButton);
    QTRY_VERIFY(!scroll);
    QCOMPARE(Program.ScrollChoice, qint16(0));

    scroll = openPickList(QStringLiteral("Α|Β|"), true);
    auto* multi = scroll->findChild<QListWidget*>(QStringLiteral("Lscroll_1"));
    multi->item(1)->setSelected(true);
    QTest::keyClick(multi, Qt::Key_Escape);
    QTRY_VERIFY(!scroll);
    QCOMPARE(Program.ScrollMarks, QString());

    // The user clicks into the caller while the list is open.
    scroll = openPickList(QStringLiteral("Α|Β|"), false);
    scroll->findChild<QListWidget*>(QStringLiteral("Lscroll_0"))->setCurrentRow(1);
    m_mdi->setActiveSubWindow(m_caller->subWindow());
    QTRY_VERIFY(!scroll);
    QCOMPARE(Program.ScrollChoice, qint16(0));
    QVERIFY(m_caller->isVisible());
}

void PickersTest::longItemsWidenTheListAndTheWindow() {
    QCOMPARE(WidenedListWidthTwips({QString(21, QLatin1Char('x'))}), 0);
    QCOMPARE(WidenedListWidthTwips({QStringLiteral("x"), QString(22, QLatin1Char('x'))}), 21 * 148);

    Lbscroll* designed = openPickList(QStringLiteral("Α|"), false);
    const auto* designedList = designed->findChild<QListWidget*>(QStringLiteral("Lscroll_0"));
    const int designedListWidth = designedList->width();
    const int designedWindowWidth = designed->width();
    QCOMPARE(designedWindowWidth - designedListWidth, TwipsToPixels(190));

    const QString twentyOne(21, QChar(0x0391));
    Lbscroll* kept = openPickList(twentyOne + QLatin1Char('|'), false);
    QCOMPARE(kept->findChild<QListWidget*>(QStringLiteral("Lscroll_0"))->width(), designedListWidth);
    QCOMPARE(kept->width(), designedWindowWidth);

    const QString thirtyOne(31, QChar(0x0391));
    Lbscroll* widened = openPickList(QStringLiteral("Α|") + thirtyOne + QStringLiteral("|Β|"), true);
    const auto* list = widened->findChild<QListWidget*>(QStringLiteral("Lscroll_1"));
    QCOMPARE(list->width(), TwipsToPixels(30 * 148));
    QCOMPARE(widened->width(), TwipsToPixels(30 * 148 + 190));
    // The exit button follows the list's right edge.
    const auto* exitBut = widened->findChild<QPushButton*>(QStringLiteral("ExitBut"));
    QVERIFY(exitBut->geometry().right() > designedWindowWidth);
    QVERIFY(exitBut->geometry().right() <= list->geometry().right());
}

// --- calendar --------------------------------------------------------------------------

QString PickersTest::pickDate(const std::function<void(QCalendarWidget*)>& drive) {
    ModalDriver driver;
    QString answer = QStringLiteral("not answered");
    driver.run(
        [&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Lbcalendar"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Ημερολόγιο"));
            drive(dialog->findChild<QCalendarWidget*>(QStringLiteral("Calendar")));
        },
        [&] { answer = PickDate(m_frame.get()); });
    if (!driver.drove())
        qWarning("the calendar was not shown modally");
    return driver.drove() ? answer : QStringLiteral("not shown");
}

namespace {
QAbstractItemView* dayGrid(QCalendarWidget* calendar) {
    return calendar->findChild<QTableView*>();
}
} // namespace

void PickersTest::calendarEnterGivesTheSelectedDay() {
    Program.WorkDate = QDate(2016, 3, 20);
    const QString date = pickDate([](QCalendarWidget* calendar) {
        QCOMPARE(calendar->selectedDate(), QDate(2016, 3, 20));
        QCOMPARE(calendar->monthShown(), 3);
        QCOMPARE(calendar->yearShown(), 2016);
        // Two weeks and one day back: Saturday 5 March.
        QTest::keyClick(dayGrid(calendar), Qt::Key_Up);
        QTest::keyClick(dayGrid(calendar), Qt::Key_Up);
        QTest::keyClick(dayGrid(calendar), Qt::Key_Left);
        QTest::keyClick(dayGrid(calendar), Qt::Key_Return);
    });
    QCOMPARE(date, QStringLiteral("05/03/2016"));
    QCOMPARE(Program.CalendarDate, QStringLiteral("05/03/2016"));
}

void PickersTest::calendarClickGivesTheDayClicked() {
    Program.WorkDate = QDate(2016, 3, 28);
    const QString date = pickDate([](QCalendarWidget* calendar) {
        QAbstractItemView* grid = dayGrid(calendar);
        // The first cell showing 5 after the header row and the week numbers is 5 March
        // (February ends on the 29th).
        for (int row = 1; row < grid->model()->rowCount(); ++row) {
            for (int column = 1; column < grid->model()->columnCount(); ++column) {
                const QModelIndex cell = grid->model()->index(row, column);
                if (cell.data().toInt() == 5) {
                    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
                    return;
                }
            }
        }
    });
    QCOMPARE(date, QStringLiteral("05/03/2016"));
}

void PickersTest::calendarWithoutWorkDateShowsToday() {
    Program.WorkDate = QDate();
    const QString date =
        pickDate([](QCalendarWidget* calendar) { QTest::keyClick(dayGrid(calendar), Qt::Key_Enter); });
    QCOMPARE(date, QStringLiteral("07/11/2019"));
}

void PickersTest::calendarEscapeOrLosingTheActivationGivesNoDate() {
    Program.WorkDate = QDate(2016, 3, 5);
    Program.CalendarDate = QStringLiteral("01/01/2001");
    QCOMPARE(pickDate([](QCalendarWidget* calendar) { QTest::keyClick(dayGrid(calendar), Qt::Key_Escape); }),
             QString());

    Program.CalendarDate = QStringLiteral("01/01/2001");
    QWidget other;
    const QString lost = pickDate([&](QCalendarWidget* calendar) {
        QTest::keyClick(dayGrid(calendar), Qt::Key_Down);
        other.show();
        QApplication::setActiveWindow(&other);
    });
    QCOMPARE(lost, QString());
    QCOMPARE(Program.CalendarDate, QString());
}

QTEST_MAIN(PickersTest)
#include "PickersTest.moc"
