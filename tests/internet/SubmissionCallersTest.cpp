#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/EntryStatements.h"
#include "logic/core/database/SubmissionStatements.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/internet/BatchSubmission.h"
#include "shell/Windows.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/internet/EpilErgaz.h"
#include "windows/records/Lbscroll.h"

#include <QTableWidget>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

// The windows that open the submission window: the batch submission with its pick list (the
// order in which submission windows and questions come) and the entry list's send action.
class SubmissionCallersTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        QVERIFY(m_folder->openDatabase());
        m_dialogs = &InstallScriptedDialogs();
        m_events.clear();
        m_dialogs->onMessage = [this](const MessageBox& box) {
            if (box.text == NextEmployeeQuestion) {
                QCOMPARE(box.title, QStringLiteral("Ηλεκτρονική Αποστολή"));
                QCOMPARE(box.icon, MsgIcon::Information);
                QCOMPARE(box.buttons, MsgButtons::YesNo);
                m_events << QStringLiteral("ask");
            }
        };
        Program.WorkDate = QDate(2024, 3, 15);
        Program.Params.IkaCode = QStringLiteral("ergodotis");
        Program.Params.IkaPass = QStringLiteral("kodikos");
        m_frame = std::make_unique<QMainWindow>();
        m_mdi = new MdiHost;
        m_frame->setCentralWidget(m_mdi);
        m_frame->resize(1000, 700);
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        RegisterWindows();
        // The submission windows stand in here: each notes what it was handed and closes.
        WindowCatalogue::addModal(QStringLiteral("InterSymplOrar"), [this](QWidget* parent) {
            m_events << QStringLiteral("send %1/%2/%3/%4 on %5")
                            .arg(Program.SendEafm, Program.SendKorario, Program.SendKparat, Program.SendEypo,
                                 Program.SendKdate);
            return standIn(parent);
        });
        WindowCatalogue::addModal(QStringLiteral("InterApi"), [this](QWidget* parent) {
            m_events << QStringLiteral("api %1 on %2, batch %3-%4")
                            .arg(Program.SendEafm, Program.SendKdate, Program.SendBatch.fromDate,
                                 Program.SendBatch.toDate);
            return standIn(parent);
        });
    }
    void cleanup() {
        m_frame.reset();
        m_folder.reset();
    }

    void onlyThePickedEmployeeIsSentAndTheQuestionComesBeforeEveryFurtherRow() {
        employee("100000001", "Άλφα", "1", {"20240305"});
        employee("200000002", "Βήτα", "12 Πειραιά", {"20240306"});
        employee("300000003", "Γάμμα", "3", {"20240307"});
        EpilErgaz* window = open();
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Epilbut")), Qt::LeftButton);

        auto* pickList = qobject_cast<Lbscroll*>(m_mdi->findChildWindow(QStringLiteral("Lbscroll")));
        QVERIFY(pickList);
        QCOMPARE(pickList->windowTitle(), QStringLiteral("Επιλογή Εργαζομένων"));
        auto* names = pickList->findChild<QListWidget*>(QStringLiteral("Lscroll_1"));
        QCOMPARE(names->count(), 3);
        QCOMPARE(names->item(1)->text(), QStringLiteral("Βήτα"));
        names->item(1)->setSelected(true);
        QTest::mouseClick(pickList->findChild<QPushButton*>(QStringLiteral("EpilBut")), Qt::LeftButton);
        QCOMPARE(Program.ScrollMarks, QStringLiteral("010"));

        window->findChild<QAction*>(QStringLiteral("Tools_2"))->trigger();
        QCOMPARE(
            m_events,
            (QStringList{"ask", "send 200000002/08:00-16:00 20240306/σημ. 20240306/12 Πειραιά on 20240306",
                         "ask"}));
    }

    void aPickAmongEmployeesOfOneNameFallsOnTheOneChosen() {
        employee("200000002", "Ίδιος", "2", {"20240306"});
        employee("100000001", "Ίδιος", "1", {"20240305"});
        EpilErgaz* window = open();
        window->chooseEmployees();
        auto* pickList = qobject_cast<Lbscroll*>(m_mdi->findChildWindow(QStringLiteral("Lbscroll")));
        QVERIFY(pickList);
        pickList->findChild<QListWidget*>(QStringLiteral("Lscroll_1"))->item(1)->setSelected(true);
        QTest::mouseClick(pickList->findChild<QPushButton*>(QStringLiteral("EpilBut")), Qt::LeftButton);
        window->submitBatch();
        QCOMPARE(m_events,
                 (QStringList{"ask", "send 200000002/08:00-16:00 20240306/σημ. 20240306/2 on 20240306"}));
    }

    void answeringNoAfterTheFirstEntryEndsTheBatch() {
        employee("100000001", "Άλφα", "1", {"20240303", "20240301", "20240302"});
        employee("200000002", "Βήτα", "2", {"20240301"});
        EpilErgaz* window = open();
        m_dialogs->answers << MsgAnswer::No;
        auto* mask = window->findChild<QLineEdit*>(QStringLiteral("Eafm_2"));
        mask->setFocus();
        QTest::keyClick(mask, Qt::Key_F10);
        QCOMPARE(m_events,
                 (QStringList{"send 100000001/08:00-16:00 20240301/σημ. 20240301/1 on 20240301", "ask"}));
    }

    void rangeMaskAndDatesChooseTheEntriesInNameAndDateOrder() {
        employee("120000001", "Ζήτα", "1", {"20240229", "20240331", "20240301", "20240401"});
        employee("125000004", "Ητα", "4", {"20240315"});
        employee("130000002", "Εψιλον", "2", {"20240310"});
        employee("200000003", "Δέλτα", "3", {"20240311"});
        employee("099999999", "Αλφα", "9", {"20240312"});
        EpilErgaz* window = open();
        type(window, "Dates_0", "01/03/2024");
        type(window, "Dates_1", "31/03/2024");
        // The bounds typed the wrong way round are exchanged.
        type(window, "Eafm_0", "200");
        type(window, "Eafm_1", "100");
        type(window, "Eafm_2", "12*");
        window->findChild<QAction*>(QStringLiteral("Tools_2"))->trigger();
        QCOMPARE(m_events,
                 (QStringList{"send 120000001/08:00-16:00 20240301/σημ. 20240301/1 on 20240301", "ask",
                              "send 120000001/08:00-16:00 20240331/σημ. 20240331/1 on 20240331", "ask",
                              "send 125000004/08:00-16:00 20240315/σημ. 20240315/4 on 20240315"}));
    }

    void blanksAroundTheMaskAreNotPartOfThePattern() {
        employee("120000001", "Ζήτα", "1", {"20240305"});
        employee("130000002", "Εψιλον", "2", {"20240306"});
        EpilErgaz* window = open();
        type(window, "Eafm_2", " 12* ");
        window->submitBatch();
        QCOMPARE(m_events, QStringList{"send 120000001/08:00-16:00 20240305/σημ. 20240305/1 on 20240305"});
        QVERIFY(m_dialogs->numbers().isEmpty());

        // A mask of blanks alone narrows nothing.
        m_events.clear();
        type(window, "Eafm_2", "   ");
        window->submitBatch();
        QCOMPARE(m_events.filter(QStringLiteral("send")).size(), 2);
    }

    void missingCredentialsAndEmptySelectionsAreReported() {
        employee("100000001", "Άλφα", "1", {"20240305"});
        EpilErgaz* window = open();
        Program.Params.IkaPass = QStringLiteral("   ");
        window->submitBatch();
        QCOMPARE(m_dialogs->numbers(), QList<int>{11});

        Program.Params.IkaPass = QStringLiteral("kodikos");
        type(window, "Dates_0", "01/01/2023");
        type(window, "Dates_1", "31/12/2023");
        window->submitBatch();
        QCOMPARE(m_dialogs->numbers(), (QList<int>{11, 18}));
        // Nobody to pick from: no pick list.
        window->chooseEmployees();
        QVERIFY(!m_mdi->findChildWindow(QStringLiteral("Lbscroll")));
        QVERIFY(m_events.isEmpty());
    }

    void opensWithTheWorkDateAFullMaskAndNoPicks() {
        Program.ScrollMarks = QStringLiteral("111");
        EpilErgaz* window = open(false);
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("Dates_0"))->text(),
                 QStringLiteral("15/03/2024"));
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("Dates_1"))->text(),
                 QStringLiteral("15/03/2024"));
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("Eafm_2"))->text(),
                 QString(14, QLatin1Char('*')));
        QVERIFY(Program.ScrollMarks.isEmpty());
        QVERIFY(!window->findChild<QAction*>(QStringLiteral("Tools_1"))->isVisible());
        QCOMPARE(window->findChild<QAction*>(QStringLiteral("Tools_2"))->toolTip(),
                 QStringLiteral("Ηλεκτρονική Αποστολή"));
    }

    void leavingAnAfmFieldShowsTheNameOrClearsAnUnknownAfm() {
        employee("100000001", "Άλφα", "1", {});
        EpilErgaz* window = open();
        auto* name = window->findChild<QLabel*>(QStringLiteral("Eepon_0"));
        type(window, "Eafm_0", "100000001");
        QCOMPARE(name->text(), QStringLiteral("Άλφα"));
        type(window, "Eafm_0", "999");
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("Eafm_0"))->text(), QString());
        QCOMPARE(name->text(), QString());
    }

    void theEmployeeListAnswersIntoTheFieldThatAskedForIt() {
        employee("100000001", "Άλφα", "1", {});
        employee("200000002", "Βήτα", "2", {});
        EpilErgaz* window = open();
        auto* to = window->findChild<QLineEdit*>(QStringLiteral("Eafm_1"));
        to->setFocus();
        QTest::keyClick(to, Qt::Key_F3);
        QWidget* list = m_mdi->findChildWindow(QStringLiteral("ErgazSrch"));
        QVERIFY(list);
        QWidget* search = list->findChild<QLineEdit*>(QStringLiteral("SrchTxt"));
        QTest::keyClick(search, Qt::Key_Down);
        QTest::keyClick(search, Qt::Key_Return);
        QTRY_VERIFY(!m_mdi->findChildWindow(QStringLiteral("ErgazSrch")));
        QTRY_COMPARE(to->text(), QStringLiteral("200000002"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Eepon_1"))->text(), QStringLiteral("Βήτα"));
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("Eafm_0"))->text(), QString());
    }

    void theEntryListSendsTheSelectedEntryAsStored() {
        employee("100000001", "Άλφα", " 7 ", {});
        QVERIFY(InsertEntry({"100000001", "20240301", " 9-17 ", " με κενά "}).ok());
        QWidget* list = m_mdi->openChild(QStringLiteral("KinsSrch"));
        QVERIFY(list);
        QAction* printOrSend = list->findChild<QAction*>(QStringLiteral("Tools_5"));
        QVERIFY(printOrSend->isEnabled());

        Program.Params.IkaCode = QStringLiteral(" ");
        m_dialogs->popUpChoices = {2};
        printOrSend->trigger();
        QCOMPARE(m_dialogs->numbers(), QList<int>{108});
        QVERIFY(m_events.isEmpty());

        Program.Params.IkaCode = QStringLiteral("ergodotis");
        m_dialogs->popUpChoices = {2};
        printOrSend->trigger();
        QCOMPARE(m_dialogs->popUps.last(), (QStringList{"Εκτύπωση", "Αποστολή"}));
        QCOMPARE(m_events, QStringList{"send 100000001/ 9-17 / με κενά / 7  on 20240301"});
        // The list is still there after the submission window closed.
        QCOMPARE(m_mdi->findChildWindow(QStringLiteral("KinsSrch")), list);
    }

    // With the API proposed by the installation, the entry list hands the entry's AFM and date
    // to the API window, and none of the page's batch is left behind.
    void theEntryListSendsThroughTheApiWhenTheInstallationSaysSo() {
        employee("100000001", "Άλφα", "7", {"20240305"});
        DefaultSettings& settings = InstallDefaultSettings();
        settings.set(QStringLiteral("Api/SendWay"), QStringLiteral("api"));
        Program.SendBatch.fromDate = QStringLiteral("01/01/2024");
        QWidget* list = m_mdi->openChild(QStringLiteral("KinsSrch"));
        QVERIFY(list);
        QAction* printOrSend = list->findChild<QAction*>(QStringLiteral("Tools_5"));

        // Without the API's account the user is told, and nothing opens.
        m_dialogs->popUpChoices = {2};
        printOrSend->trigger();
        QVERIFY(m_events.isEmpty());
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->boxes.first().text.startsWith(
            QStringLiteral("Ανύπαρκτα στοιχεία αποστολής μέσω API")));

        QVERIFY(UpdateApiAccount({QStringLiteral("xristis"), QStringLiteral("kodikos")}).ok());
        m_dialogs->popUpChoices = {2};
        printOrSend->trigger();
        QCOMPARE(m_events, QStringList{"api 100000001 on 20240305, batch -"});
    }

private:
    // A submission window that closes as soon as it is shown.
    static QDialog* standIn(QWidget* parent) {
        auto* window = new QDialog(parent);
        QTimer::singleShot(0, window, &QDialog::accept);
        return window;
    }

    void employee(const char* afm, const char* name, const char* branch, const QList<const char*>& days) {
        const QString eafm = QString::fromUtf8(afm);
        QVERIFY(InsertEmployee({eafm, QString::fromUtf8(name), QString::fromUtf8(branch)}).ok());
        for (const char* day : days) {
            const QString kdate = QString::fromLatin1(day);
            QVERIFY(InsertEntry({eafm, kdate, QStringLiteral("08:00-16:00 ") + kdate,
                                 QStringLiteral("σημ. ") + kdate})
                        .ok());
        }
    }

    // Opens the window from the catalogue, by default for the whole of March 2024.
    EpilErgaz* open(bool wholeMonth = true) {
        auto* window = qobject_cast<EpilErgaz*>(m_mdi->openChild(QStringLiteral("EpilErgaz")));
        if (!window)
            qFatal("EpilErgaz is not registered");
        if (wholeMonth) {
            type(window, "Dates_0", "01/03/2024");
            type(window, "Dates_1", "31/03/2024");
        }
        return window;
    }

    // Types into a field as the user would and leaves it.
    void type(QWidget* window, const char* field, const char* text) {
        auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(field));
        QVERIFY(box);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(text));
        const bool first = qstrcmp(field, "Dates_0") == 0;
        window->findChild<QLineEdit*>(first ? QStringLiteral("Dates_1") : QStringLiteral("Dates_0"))
            ->setFocus();
    }

    std::unique_ptr<TestDataFolder> m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
    std::unique_ptr<QMainWindow> m_frame;
    MdiHost* m_mdi = nullptr;
    QStringList m_events;
};

QTEST_MAIN(SubmissionCallersTest)
#include "SubmissionCallersTest.moc"
