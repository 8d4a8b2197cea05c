#include "LatinSentences.h"
#include "RunningMain.h"
#include "logic/core/services/OutsideTools.h"
#include "logic/core/services/SystemServices.h"

#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {} // namespace

// The toolbar's "Live Support 2" and "Live Support 8", the optional stop command before them,
// and how the outside tools are found and run.
class RemoteSupportTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_run = std::make_unique<RunningMain>(); }
    void cleanup() { m_run.reset(); }

    void eachButtonStartsItsToolAndTheProgramGoesOn() {
        m_run->touch(QStringLiteral("A_Remote"));
        m_run->touch(QStringLiteral("B_Remote"));
        m_run->press(4);
        m_run->press(6);
        QVERIFY(m_run->dialogs.boxes.isEmpty());
        QCOMPARE(m_run->processes.started.size(), 2);
        QCOMPARE(m_run->processes.started.at(0).program, m_run->file(QStringLiteral("A_Remote")));
        QCOMPARE(m_run->processes.started.at(0).arguments, QStringList());
        QCOMPARE(m_run->processes.started.at(0).workingFolder, m_run->path());
        QCOMPARE(m_run->processes.started.at(1).program, m_run->file(QStringLiteral("B_Remote")));
        QVERIFY(m_run->processes.waitedFor.isEmpty());
        QVERIFY(!m_run->main->hasEnded());
    }

    void theStopCommandRunsAndIsWaitedForBeforeTheTool() {
        m_run->touch(QStringLiteral("B_Remote"));
        m_run->touch(QStringLiteral("StopSessions"));
        m_run->settings.set(QStringLiteral("Support/StopCommand"),
                            QStringLiteral("StopSessions --all \"Team Viewer\""));
        m_run->press(6);
        QCOMPARE(m_run->processes.started.size(), 2);
        QCOMPARE(m_run->processes.waitedFor, QList<int>{0});
        QCOMPARE(m_run->processes.started.at(0).program, m_run->file(QStringLiteral("StopSessions")));
        QCOMPARE(m_run->processes.started.at(0).arguments, (QStringList{"--all", "Team Viewer"}));
        QCOMPARE(m_run->processes.started.at(1).program, m_run->file(QStringLiteral("B_Remote")));
        QVERIFY(m_run->dialogs.boxes.isEmpty());
    }

    void aBareNameNotInTheDataFolderIsASystemProgram() {
        QCOMPARE(ToolPath(QStringLiteral("sh")), QStandardPaths::findExecutable(QStringLiteral("sh")));
        QCOMPARE(ToolPath(QStringLiteral("/opt/tools/../support/A_Remote")),
                 QStringLiteral("/opt/support/A_Remote"));
        QCOMPARE(ToolPath(QStringLiteral("tools/A_Remote")), m_run->file(QStringLiteral("tools/A_Remote")));
        QCOMPARE(ToolPath(QStringLiteral("NoSuchTool")), m_run->file(QStringLiteral("NoSuchTool")));
        m_run->touch(QStringLiteral("sh"));
        QCOMPARE(ToolPath(QStringLiteral("sh")), m_run->file(QStringLiteral("sh")));
    }

    void aMissingToolIsNamedWithItsSetting() {
        m_run->press(6);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        const MessageBox box = m_run->dialogs.boxes.at(0);
        QCOMPARE(box.title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(box.icon, MsgIcon::Critical);
        QVERIFY(box.text.contains(m_run->file(QStringLiteral("B_Remote"))));
        QVERIFY(box.text.contains(QLatin1String("Support/RemoteSupport8Program")));
        QVERIFY(m_run->processes.started.isEmpty());

        m_run->dialogs.clear();
        m_run->settings.set(QStringLiteral("Support/RemoteSupport2Program"), QString());
        m_run->press(4);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        QVERIFY(m_run->dialogs.boxes.at(0).text.contains(QLatin1String("Support/RemoteSupport2Program")));
        QVERIFY(!m_run->main->hasEnded());
    }

    void aMissingStopCommandIsNamedAndTheToolStillStarts() {
        m_run->touch(QStringLiteral("A_Remote"));
        m_run->settings.set(QStringLiteral("Support/StopCommand"), QStringLiteral("/no/such/stopper -x"));
        m_run->press(4);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        QVERIFY(m_run->dialogs.boxes.at(0).text.contains(QLatin1String("/no/such/stopper")));
        QVERIFY(m_run->dialogs.boxes.at(0).text.contains(QLatin1String("Support/StopCommand")));
        QCOMPARE(m_run->processes.started.size(), 1);
        QCOMPARE(m_run->processes.started.at(0).program, m_run->file(QStringLiteral("A_Remote")));
    }

    void aToolThatDoesNotStartShowsTheReasonInGreek() {
        m_run->touch(QStringLiteral("A_Remote"));
        QVERIFY(QFile::setPermissions(m_run->file(QStringLiteral("A_Remote")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        m_run->processes.succeed = false;
        m_run->processes.failureText = QStringLiteral("execve: Permission denied");
        m_run->press(4);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        const MessageBox box = m_run->dialogs.boxes.at(0);
        QCOMPARE(box.text,
                 QStringLiteral("Το πρόγραμμα «%1» δεν ξεκίνησε: δεν έχετε δικαίωμα πρόσβασης.\r\n"
                                "Το πρόγραμμα ορίζεται στις «Βοηθητικές → Ρυθμίσεις Εγκατάστασης», στη "
                                "ρύθμιση «Support/RemoteSupport2Program».")
                     .arg(m_run->file(QStringLiteral("A_Remote"))));
        QCOMPARE(box.details, QStringLiteral("execve: Permission denied"));
    }

    void theSystemRunsAndWaitsWithinItsLimit() {
        SystemProcesses system;
        const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
        Failure failure;
        // The exit code is not judged: a stop command that found nothing to stop is fine.
        QVERIFY(system.runAndWait(sh, {"-c", "exit 3"}, m_run->path(), 5000, &failure));
        QVERIFY(!system.runAndWait(QStringLiteral("/no/such/program"), {}, m_run->path(), 5000, &failure));
        QCOMPARE(failure.text, QStringLiteral("Το πρόγραμμα «/no/such/program» δεν βρέθηκε.\r\n"
                                              "Ελέγξτε ότι είναι εγκατεστημένο σε αυτόν τον φάκελο."));
        QVERIFY(!failure.details.isEmpty());

        // A file that may not run: the system says so in English, the user reads Greek.
        const QString notRunnable = m_run->file(QStringLiteral("Stopper"));
        m_run->touch(QStringLiteral("Stopper"));
        QVERIFY(!system.startDetached(notRunnable, {}, m_run->path(), &failure));
        QVERIFY2(failure.text.contains(QStringLiteral("δεν έχει δικαίωμα εκτέλεσης")),
                 qPrintable(failure.text));
        QVERIFY2(LatinSentences(failure.text).isEmpty(), qPrintable(failure.text));

        bool ticked = false;
        QTimer::singleShot(20, [&ticked] { ticked = true; });
        QVERIFY(!system.runAndWait(sh, {"-c", "sleep 30"}, m_run->path(), 300, &failure));
        QVERIFY(ticked);
        QVERIFY2(failure.text.contains(QStringLiteral("δεν τελείωσε")), qPrintable(failure.text));
    }

private:
    std::unique_ptr<RunningMain> m_run;
};

QTEST_MAIN(RemoteSupportTest)
#include "RemoteSupportTest.moc"
