#include "MainTestSupport.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/files/UserLock.h"
#include "logic/core/program/ProgramValues.h"
#include "shell/Main.h"
#include "shell/Windows.h"
#include "windows/core/WindowCatalogue.h"

#include <QAction>
#include <QTcpServer>
#include <QTest>

// The two ways out of the program and the mail to the accountant on the toolbar's way.
class MainExitTest : public QObject {
    Q_OBJECT
    // The mail tool in the data folder, where the program looks for it.
    void installMailTool() {
        QFile tool(m_folder->file(QStringLiteral("SmtpMail")));
        QVERIFY(tool.open(QIODevice::WriteOnly));
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        m_dialogs = &InstallScriptedDialogs();
        m_processes = &InstallScriptedProcesses();
        m_settings = &InstallDefaultSettings();
        InstallFixedClock(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
        RegisterWindows();
        WindowCatalogue::addModal(QStringLiteral("Lbenter"),
                                  [](QWidget* parent) { return new AcceptAtOnceDialog(parent); });
        m_main = std::make_unique<Main>();
        m_main->show();
        QTRY_VERIFY(m_main->firstActivationDone());
    }
    void cleanup() {
        m_main.reset();
        ReleaseUserLock();
        m_folder.reset();
    }

    void mailIsOfferedOnlyWithServerBothAddressesAndSubmissions_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("log");
        QTest::addColumn<bool>("offered");
        QTest::newRow("all set") << "smtp.example.gr"
                                 << "a@example.gr"
                                 << "l@example.gr"
                                 << "line" << true;
        QTest::newRow("no submissions") << "smtp.example.gr"
                                        << "a@example.gr"
                                        << "l@example.gr"
                                        << "" << false;
        QTest::newRow("no server") << ""
                                   << "a@example.gr"
                                   << "l@example.gr"
                                   << "line" << false;
        QTest::newRow("no sender") << "smtp.example.gr"
                                   << ""
                                   << "l@example.gr"
                                   << "line" << false;
        QTest::newRow("no accountant") << "smtp.example.gr"
                                       << "a@example.gr"
                                       << ""
                                       << "line" << false;
    }
    void mailIsOfferedOnlyWithServerBothAddressesAndSubmissions() {
        QFETCH(QString, server);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, log);
        QFETCH(bool, offered);
        Program.Params.SmtpServer = server;
        Program.Params.Cemail = from;
        Program.Params.Lemail = to;
        Program.SubmissionLog = log;
        m_dialogs->answers = {MsgAnswer::No, MsgAnswer::No};
        m_main->findChild<QAction*>(QStringLiteral("MainTools_8"))->trigger();
        QStringList titles;
        for (const MessageBox& box : m_dialogs->boxes)
            titles << box.title;
        const QStringList expected = offered ? QStringList{"Email Ενημέρωση", "Επιβεβαίωση εξόδου"}
                                             : QStringList{"Επιβεβαίωση εξόδου"};
        QCOMPARE(titles, expected);
        QVERIFY(m_processes->started.isEmpty());
        QVERIFY(!m_main->hasEnded());
    }

    void acceptedMailStartsTheToolWithSeparateArguments() {
        Program.Params.SmtpServer = QStringLiteral("smtp.example.gr");
        Program.Params.Cemail = QStringLiteral("owner@example.gr");
        Program.Params.Lemail = QStringLiteral("accountant@example.gr");
        Program.Params.Cepon = QStringLiteral("Ο \"Φούρνος\" Ε.Π.Ε.");
        Program.SubmissionLog = QStringLiteral("123456789 08/12/2026 \"9-17\"\r\n");
        m_settings->set(QStringLiteral("Mail/SmtpMailLicense"), QStringLiteral("ABC-1"));
        installMailTool();
        m_dialogs->answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        m_main->exitFromToolbar();

        QCOMPARE(m_dialogs->boxes.first().text,
                 QStringLiteral(
                     "Θέλετε να ενημερώσετε τον λογιστή σας, με τις σημερινές ηλεκτρονικές σας αποστολές;"));
        QCOMPARE(m_dialogs->boxes.first().icon, MsgIcon::Information);
        QCOMPARE(m_dialogs->boxes.first().buttons, MsgButtons::YesNo);
        QCOMPARE(m_processes->started.size(), 1);
        const ScriptedProcesses::Start start = m_processes->started.first();
        QCOMPARE(start.program, m_folder->file(QStringLiteral("SmtpMail")));
        QCOMPARE(start.arguments, (QStringList{"From=owner@example.gr", "To=accountant@example.gr",
                                               "Body=123456789 08/12/2026 \"9-17\"\r\n",
                                               "Subject=Ηλεκτρονικές Αποστολές Ο \"Φούρνος\" Ε.Π.Ε.",
                                               "Server=smtp.example.gr", "License=ABC-1", "Gui"}));
        QCOMPARE(m_dialogs->boxes.last().title, QStringLiteral("Επιβεβαίωση εξόδου"));
        QCOMPARE(m_dialogs->boxes.last().text, QStringLiteral("Τέλος λειτουργίας προγράμματος"));
        QVERIFY(m_main->hasEnded());
        QCOMPARE(m_main->exitCode(), 0);
    }

    void aMailToolThatCannotStartIsReportedAndExitGoesOn() {
        Program.Params.SmtpServer = QStringLiteral("smtp.example.gr");
        Program.Params.Cemail = QStringLiteral("owner@example.gr");
        Program.Params.Lemail = QStringLiteral("accountant@example.gr");
        Program.SubmissionLog = QStringLiteral("line");
        installMailTool();
        m_processes->succeed = false;
        m_processes->failureText = QStringLiteral("execve: No such file or directory");
        m_dialogs->answers = {MsgAnswer::Yes, MsgAnswer::No};
        m_main->exitFromToolbar();
        QCOMPARE(m_dialogs->boxes.size(), 3);
        QCOMPARE(m_dialogs->boxes.at(1).title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        // The user reads Greek; the system's words wait under «Λεπτομέρειες».
        QVERIFY2(
            m_dialogs->boxes.at(1).text.startsWith(QStringLiteral("Το email στον λογιστή δεν στάλθηκε.")),
            qPrintable(m_dialogs->boxes.at(1).text));
        QVERIFY(!m_dialogs->boxes.at(1).text.contains(QStringLiteral("No such file")));
        QCOMPARE(m_dialogs->boxes.at(1).details, QStringLiteral("execve: No such file or directory"));
        QCOMPARE(m_dialogs->boxes.at(1).icon, MsgIcon::Critical);
        QCOMPARE(m_dialogs->boxes.at(2).title, QStringLiteral("Επιβεβαίωση εξόδου"));
        QVERIFY(!m_main->hasEnded());
    }

    void withoutTheMailToolTheProgramSendsTheMailItself() {
        Program.Params.SmtpServer = QStringLiteral("127.0.0.1");
        Program.Params.Cemail = QStringLiteral("owner@example.gr");
        Program.Params.Lemail = QStringLiteral("accountant@example.gr");
        Program.SubmissionLog = QStringLiteral("line");
        // A port where nothing listens: the failure is reported and exit goes on.
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        m_settings->set(QStringLiteral("Mail/SmtpPort"), QString::number(closed.serverPort()));
        closed.close();
        m_dialogs->answers = {MsgAnswer::Yes, MsgAnswer::No};
        m_main->exitFromToolbar();
        QVERIFY(m_processes->started.isEmpty());
        QCOMPARE(m_dialogs->boxes.size(), 3);
        QCOMPARE(m_dialogs->boxes.at(1).title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(m_dialogs->boxes.at(1).icon, MsgIcon::Critical);
        QVERIFY(m_dialogs->boxes.at(1).text.startsWith(QStringLiteral("Το email δεν στάλθηκε.")));
        QVERIFY2(m_dialogs->boxes.at(1).text.contains(QStringLiteral("127.0.0.1")),
                 qPrintable(m_dialogs->boxes.at(1).text));
        QCOMPARE(m_dialogs->boxes.at(2).title, QStringLiteral("Επιβεβαίωση εξόδου"));
    }

    void menuExitAsksOnlyForConfirmation() {
        Program.Params.SmtpServer = QStringLiteral("smtp.example.gr");
        Program.Params.Cemail = QStringLiteral("owner@example.gr");
        Program.Params.Lemail = QStringLiteral("accountant@example.gr");
        Program.SubmissionLog = QStringLiteral("line");
        m_dialogs->answers = {MsgAnswer::Yes};
        m_main->findChild<QAction*>(QStringLiteral("Mnu1_3"))->trigger();
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().title, QStringLiteral("Επιβεβαίωση εξόδου"));
        QVERIFY(m_main->hasEnded());
        QVERIFY(m_processes->started.isEmpty());
    }

    void endingReleasesTheLockAndWritesTheRecord() {
        Program.InternetEnabled = 1;
        QVERIFY(UserLockHeld());
        m_dialogs->answers = {MsgAnswer::Yes};
        m_main->exitFromMenu();
        QVERIFY(!UserLockHeld());
        QFile record(m_folder->file(QStringLiteral("Appl.Bt")));
        QVERIFY(record.open(QIODevice::ReadOnly));
        QCOMPARE(record.read(5), QByteArray("1.01\x01", 5));
    }

    void closingTheWindowEndsWithoutQuestions() {
        m_main->close();
        QVERIFY(m_main->hasEnded());
        QVERIFY(m_dialogs->boxes.isEmpty());
        QVERIFY(!UserLockHeld());
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<Main> m_main;
    ScriptedDialogs* m_dialogs = nullptr;
    ScriptedProcesses* m_processes = nullptr;
    DefaultSettings* m_settings = nullptr;
};

QTEST_MAIN(MainExitTest)
#include "MainExitTest.moc"
