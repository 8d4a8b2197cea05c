#include "TestDataFolder.h"

#include <QProcess>
#include <QTest>

// The single-user lock across real processes of the program on one data folder.
class UserLockTest : public QObject {
    Q_OBJECT
private slots:
    void secondCopyIsRefusedAndACrashedCopyLeavesNoLock() {
        TestDataFolder folder;
        const QString probe = QStringLiteral(ORVA_PROBE_PATH);
        const QStringList arguments{QStringLiteral("--data-dir"), folder.path()};

        QProcess first;
        first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first.start(probe, arguments);
        QVERIFY(first.waitForStarted());
        QByteArray firstOutput;
        QTRY_VERIFY_WITH_TIMEOUT((firstOutput += first.readAllStandardOutput()).contains("running"), 20000);

        QProcess second;
        second.start(probe, arguments);
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 1);
        const QByteArray shown = second.readAllStandardOutput();
        QVERIFY2(shown.startsWith("box 32 ΠΡΟΣΟΧΗ\n"), shown.constData());
        QVERIFY(!shown.contains("running"));
        QCOMPARE(first.state(), QProcess::Running);

        // A copy that dies without unloading must not keep the folder locked.
        first.kill();
        QVERIFY(first.waitForFinished(5000));
        QProcess third;
        third.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        third.start(probe, arguments);
        QVERIFY(third.waitForStarted());
        QByteArray thirdOutput;
        QTRY_VERIFY_WITH_TIMEOUT((thirdOutput += third.readAllStandardOutput()).contains("running"), 20000);
        third.terminate();
        QVERIFY(third.waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(UserLockTest)
#include "UserLockTest.moc"
