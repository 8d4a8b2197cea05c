#include "MaintenanceData.h"
#include "logic/maintenance/BackupRestore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;

// A program doing backups and restores of a 5 MB database is killed at random moments.
// After each kill the database and its backup must both open, pass the integrity check and
// hold all the rows of one of the two generations: never a mix, never nothing.
class BackupCrashTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void killedAtRandomMomentsLeavesWholeFiles();

private:
    bool whole(const QString& path, QString* why) const;
    QStringList childArguments() const {
        return {m_dir.filePath(u"data"_s), m_dir.filePath(u"stick"_s), m_dir.filePath(u"first.db"_s),
                m_dir.filePath(u"second.db"_s)};
    }

    QTemporaryDir m_dir;
    QHash<QString, int> m_rows; // rows of each generation
};

namespace {
constexpr int Kills = 100;
}

void BackupCrashTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkdir(u"data"_s);
    QDir(m_dir.path()).mkdir(u"stick"_s);
    m_rows = {{u"first"_s, 50'000}, {u"second"_s, 47'500}};
    MakeOrvaDatabase(m_dir.filePath(u"first.db"_s), u"first"_s, m_rows[u"first"_s]);
    MakeOrvaDatabase(m_dir.filePath(u"second.db"_s), u"second"_s, m_rows[u"second"_s]);
    QVERIFY(QFileInfo(m_dir.filePath(u"first.db"_s)).size() >= 5'000'000);
    QVERIFY(QFile::copy(m_dir.filePath(u"first.db"_s), m_dir.filePath(u"data/IntTvx.db"_s)));
    QVERIFY(QFile::copy(m_dir.filePath(u"second.db"_s), m_dir.filePath(u"stick/IntTvx.db"_s)));
}

bool BackupCrashTest::whole(const QString& path, QString* why) const {
    const DatabaseContents contents = ReadDatabase(path);
    if (!contents.problem.isEmpty()) {
        *why = path + u": "_s + contents.problem;
        return false;
    }
    const int expected = m_rows.value(contents.generation, -1);
    if (expected < 0 || contents.employees != expected || contents.employeesOfGeneration != expected) {
        *why = u"%1: generation '%2' with %3 rows, %4 of them its own"_s.arg(path, contents.generation)
                   .arg(contents.employees)
                   .arg(contents.employeesOfGeneration);
        return false;
    }
    return true;
}

void BackupCrashTest::killedAtRandomMomentsLeavesWholeFiles() {
    // One round (two restores and two backups) sets the span the kills fall in.
    QElapsedTimer round;
    round.start();
    QProcess once;
    once.start(QStringLiteral(ORVA_CRASH_CHILD), QStringList{u"--cycles"_s, u"1"_s} + childArguments());
    QVERIFY(once.waitForFinished(120'000));
    QCOMPARE(once.exitCode(), 0);
    const int span = int(round.elapsed());
    qInfo("one round of two restores and two backups: %d ms", span);

    int survived = 0;
    int cutInTheMiddle = 0;
    QStringList failures;
    QRandomGenerator random(20260315);
    for (int kill = 0; kill < Kills; ++kill) {
        QProcess child;
        child.start(QStringLiteral(ORVA_CRASH_CHILD), childArguments());
        QVERIFY(child.waitForStarted());
        QThread::msleep(random.bounded(span));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10'000));
        const QStringList leftovers =
            QDir(m_dir.filePath(u"data"_s)).entryList({u".IntTvx.db.orva-*"_s}, QDir::Files | QDir::Hidden) +
            QDir(m_dir.filePath(u"stick"_s)).entryList({u".IntTvx.db.orva-*"_s}, QDir::Files | QDir::Hidden);
        cutInTheMiddle += leftovers.isEmpty() ? 0 : 1;
        QString why;
        const bool database = whole(m_dir.filePath(u"data/IntTvx.db"_s), &why);
        if (database && whole(m_dir.filePath(u"stick/IntTvx.db"_s), &why))
            ++survived;
        else
            failures << why;
    }
    qInfo("whole database and backup after %d of %d kills; %d kills cut a copy in the middle", survived,
          Kills, cutInTheMiddle);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    QCOMPARE(survived, Kills);
    QVERIFY2(cutInTheMiddle > Kills / 4, "the kills should fall in the middle of copies");
}

QTEST_GUILESS_MAIN(BackupCrashTest)
#include "BackupCrashTest.moc"
