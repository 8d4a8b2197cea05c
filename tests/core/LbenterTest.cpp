#include "ModalDriver.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "shell/Main.h"
#include "shell/Windows.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <memory>

// The work-date window, shown as the main window shows it, driven with keys and clicks;
// what counts is the work date and internet switch it leaves behind.
class LbenterTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void acceptingWithoutChangesKeepsTheWorkDate();
    void typedDayIsCompletedOnLeavingTheField();
    void unusableDateKeepsTheOldWorkDate();
    void f10CompletesTheFieldAndAccepts();
    void enterAndArrowsMoveBetweenTheFields();
    void calendarFillsTheFieldAndCancellingEmptiesIt();
    void escapeAndExitLeaveNoWorkDate();
    void internetSwitchTakesEffectAtOnceInTheMainWindow();
    // Ends the program (and so every later modal loop of this process): keep it last.
    void escapeAtStartUpEndsTheProgram();

private:
    // Shows the window as the main window does and runs drive on it; the dialog's result.
    int showLbenter(const std::function<void(QDialog*)>& drive);

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<QMainWindow> m_frame;
    MdiHost* m_mdi = nullptr;
    ScriptedDialogs* m_dialogs = nullptr;
};

namespace {
const QDate Today(2016, 3, 5);

template <typename T> T* control(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}
QLineEdit* dateFld(QWidget* window) {
    return control<QLineEdit>(window, "DateFld");
}

// Waits until the field holds the focus with its whole text selected, as it gets it.
bool fieldIsReady(QLineEdit* field) {
    return QTest::qWaitFor([&] { return field->hasFocus() && field->selectedText() == field->text(); });
}
} // namespace

void LbenterTest::init() {
    m_folder = std::make_unique<TestDataFolder>();
    m_dialogs = &InstallScriptedDialogs();
    InstallFixedClock(QDateTime(Today, QTime(14, 37, 12)));
    InstallScriptedProcesses();
    InstallDefaultSettings();
    RegisterWindows();
    Program.WorkDate = Today;
}

void LbenterTest::cleanup() {
    m_frame.reset();
    m_folder.reset();
}

int LbenterTest::showLbenter(const std::function<void(QDialog*)>& drive) {
    if (!m_frame) {
        m_frame = std::make_unique<QMainWindow>();
        m_mdi = new MdiHost;
        m_frame->setCentralWidget(m_mdi);
        m_frame->resize(900, 600);
        m_frame->show();
    }
    ModalDriver driver;
    int result = -2;
    driver.run(
        [&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("Lbenter"));
            drive(dialog);
        },
        [&] { result = m_mdi->showModal(QStringLiteral("Lbenter")); });
    return driver.drove() ? result : -2;
}

void LbenterTest::acceptingWithoutChangesKeepsTheWorkDate() {
    Program.InternetEnabled = 1;
    const int result = showLbenter([](QDialog* dialog) {
        QCOMPARE(dateFld(dialog)->text(), QStringLiteral("05/03/2016"));
        QVERIFY(control<QCheckBox>(dialog, "InterEnable")->isChecked());
        QVERIFY(fieldIsReady(dateFld(dialog)));
        QTest::mouseClick(control<QPushButton>(dialog, "SaveBut"), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Program.WorkDate, Today);
    QCOMPARE(Program.InternetEnabled, quint8(1));
}

void LbenterTest::typedDayIsCompletedOnLeavingTheField() {
    showLbenter([](QDialog* dialog) {
        QLineEdit* field = dateFld(dialog);
        QVERIFY(fieldIsReady(field));
        QTest::keyClicks(field, QStringLiteral("15")); // replaces the selected text
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!field->hasFocus());
        QCOMPARE(field->text(), QStringLiteral("15/03/2016"));
        QTest::mouseClick(control<QPushButton>(dialog, "SaveBut"), Qt::LeftButton);
    });
    QCOMPARE(Program.WorkDate, QDate(2016, 3, 15));
}

void LbenterTest::unusableDateKeepsTheOldWorkDate() {
    showLbenter([](QDialog* dialog) {
        QLineEdit* field = dateFld(dialog);
        QVERIFY(fieldIsReady(field));
        QTest::keyClicks(field, QStringLiteral("3102"));
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(field->text(), QString()); // 31/02/2016 is no date
        QTest::mouseClick(control<QPushButton>(dialog, "SaveBut"), Qt::LeftButton);
    });
    QCOMPARE(Program.WorkDate, Today);
}

void LbenterTest::f10CompletesTheFieldAndAccepts() {
    const int result = showLbenter([](QDialog* dialog) {
        QLineEdit* field = dateFld(dialog);
        QVERIFY(fieldIsReady(field));
        QTest::mouseClick(control<QCheckBox>(dialog, "InterEnable"), Qt::LeftButton);
        field->setFocus();
        QVERIFY(fieldIsReady(field));
        QTest::keyClicks(field, QStringLiteral("2004"));
        QTest::keyClick(field, Qt::Key_F10);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(Program.WorkDate, QDate(2016, 4, 20));
    QCOMPARE(Program.InternetEnabled, quint8(1));
}

void LbenterTest::enterAndArrowsMoveBetweenTheFields() {
    showLbenter([](QDialog* dialog) {
        QLineEdit* field = dateFld(dialog);
        auto* box = control<QCheckBox>(dialog, "InterEnable");
        QVERIFY(fieldIsReady(field));
        QTest::keyClick(field, Qt::Key_Enter);
        QVERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Down); // round to the first field
        QVERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_Up);
        QVERIFY(box->hasFocus());
        QVERIFY(!box->isChecked());
        QVERIFY(dialog->isVisible()); // none of these keys closes the window
        QTest::keyClick(box, Qt::Key_Escape);
    });
}

void LbenterTest::calendarFillsTheFieldAndCancellingEmptiesIt() {
    showLbenter([](QDialog* dialog) {
        QLineEdit* field = dateFld(dialog);
        auto* cal = control<QToolButton>(dialog, "Cal");
        QVERIFY(!cal->icon().isNull());
        ModalDriver calendar;
        calendar.run(
            [](QDialog* shown) {
                QCOMPARE(shown->objectName(), QStringLiteral("Lbcalendar"));
                auto* grid =
                    shown->findChild<QCalendarWidget*>(QStringLiteral("Calendar"))->findChild<QTableView*>();
                QTest::keyClick(grid, Qt::Key_Down);
                QTest::keyClick(grid, Qt::Key_Return);
            },
            [&] { QTest::mouseClick(cal, Qt::LeftButton); });
        QVERIFY(calendar.drove());
        QCOMPARE(field->text(), QStringLiteral("12/03/2016"));

        calendar.run([](QDialog* shown) { QTest::keyClick(shown, Qt::Key_Escape); },
                     [&] { QTest::mouseClick(cal, Qt::LeftButton); });
        QCOMPARE(field->text(), QString());
        QTest::mouseClick(control<QPushButton>(dialog, "SaveBut"), Qt::LeftButton);
    });
    QCOMPARE(Program.WorkDate, Today); // an empty field keeps the work date
}

void LbenterTest::escapeAndExitLeaveNoWorkDate() {
    int result = showLbenter([](QDialog* dialog) {
        QVERIFY(fieldIsReady(dateFld(dialog)));
        QTest::keyClicks(dateFld(dialog), QStringLiteral("20"));
        QTest::keyClick(dateFld(dialog), Qt::Key_Escape);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(Program.WorkDate.isNull());

    Program.WorkDate = Today;
    result = showLbenter(
        [](QDialog* dialog) { QTest::mouseClick(control<QPushButton>(dialog, "ExitBut"), Qt::LeftButton); });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(Program.WorkDate.isNull());
}

void LbenterTest::internetSwitchTakesEffectAtOnceInTheMainWindow() {
    Main main;
    QVERIFY(main.startupSucceeded());
    Program.InternetEnabled = 0;
    QList<int> intervals;
    ModalDriver driver;
    driver.run(
        [&](QDialog* dialog) {
            auto* box = control<QCheckBox>(dialog, "InterEnable");
            QVERIFY(!box->isChecked());
            QTest::mouseClick(box, Qt::LeftButton);
            intervals << main.updateTimerInterval();
            QTest::mouseClick(box, Qt::LeftButton);
            intervals << main.updateTimerInterval();
            QTest::mouseClick(control<QPushButton>(dialog, "SaveBut"), Qt::LeftButton);
        },
        [&] {
            main.show();
            QTRY_VERIFY(main.firstActivationDone() || main.hasEnded());
        });
    QVERIFY(driver.drove());
    QCOMPARE(intervals, (QList<int>{45000, 0}));
    QVERIFY(main.firstActivationDone());
    QCOMPARE(Program.InternetEnabled, quint8(0));
    QCOMPARE(main.updateTimerInterval(), 0);
    QVERIFY(main.windowTitle().endsWith(QStringLiteral("Σάβ 05/03/2016")));
}

void LbenterTest::escapeAtStartUpEndsTheProgram() {
    Main main;
    ModalDriver driver;
    driver.run(
        [&](QDialog* dialog) {
            QTest::mouseClick(control<QCheckBox>(dialog, "InterEnable"), Qt::LeftButton);
            QCOMPARE(main.updateTimerInterval(), 45000);
            QTest::keyClick(dialog, Qt::Key_Escape);
        },
        [&] {
            main.show();
            QTRY_VERIFY(main.firstActivationDone() || main.hasEnded());
        });
    QVERIFY(driver.drove());
    QVERIFY(main.hasEnded());
    QCOMPARE(main.exitCode(), 0);
    QVERIFY(Program.WorkDate.isNull());
    QCOMPARE(main.updateTimerInterval(), 0);
}

QTEST_MAIN(LbenterTest)
#include "LbenterTest.moc"
