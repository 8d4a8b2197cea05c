#include "logic/core/commandline/CommandLine.h"
#include "OrvaCommand.h"
#include "TestDataFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

// The command line of the real program: which arguments are a command, the Greek help and
// version, and the exit status and message of each wrong line.
class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void commandsAreToldFromTheWindowsArguments() {
        QVERIFY(!NamesCommand({}));
        QVERIFY(!NamesCommand({u"--data-dir"_s, u"/tmp/x"_s}));
        QVERIFY(!NamesCommand({u"--data-dir=/tmp/x"_s}));
        // Qt's own options start the windows, their values are not taken for commands.
        QVERIFY(!NamesCommand({u"-platform"_s, u"xcb"_s}));
        QVERIFY(!NamesCommand({u"-style"_s, u"fusion"_s, u"import"_s}));
        QVERIFY(NamesCommand({u"import"_s, u"a.asc"_s}));
        QVERIFY(NamesCommand({u"--data-dir"_s, u"/tmp/x"_s, u"report"_s}));
        QVERIFY(NamesCommand({u"--data-dir=/tmp/x"_s, u"import"_s}));
        QVERIFY(NamesCommand({u"--help"_s}));
        QVERIFY(NamesCommand({u"-h"_s}));
        QVERIFY(NamesCommand({u"--version"_s}));
        QVERIFY(NamesCommand({u"-v"_s}));
        QVERIFY(NamesCommand({u"--help=yes"_s}));
        // A word that names no command is still a command line (and refused as one).
        QVERIFY(NamesCommand({u"reprot"_s}));
    }

    void helpIsGreekAndListsEveryCommandAndExitStatus() {
        const CommandRun run = RunOrva({u"--help"_s});
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QVERIFY2(run.out.contains(u"Χρήση: "_s), qPrintable(run.out));
        QVERIFY(run.out.contains(u"[επιλογές] [εντολή]"_s));
        QVERIFY(run.out.contains(u"Επιλογές:\n"_s));
        QVERIFY(run.out.contains(u"--data-dir <φάκελος>"_s));
        QVERIFY(run.out.contains(u"-h, --help"_s));
        QVERIFY(run.out.contains(u"-v, --version"_s));
        QVERIFY(run.out.contains(u"\nΕντολές:\n"_s));
        QVERIFY(run.out.contains(u"  report entries "_s));
        QVERIFY(run.out.contains(u"  report employees "_s));
        QVERIFY(run.out.contains(u"  import ΑΡΧΕΙΟ "_s));
        QVERIFY(run.out.contains(u"  2  λάθος στη γραμμή εντολής\n"_s));
        QVERIFY(run.out.contains(u"  6  ο φάκελος δεδομένων είναι σε χρήση από το Orva\n"_s));
        // No English heading of the parser is left.
        QVERIFY(!run.out.contains(u"Usage"_s));
        QVERIFY(!run.out.contains(u"Options:"_s));
    }

    void aCommandsHelpNamesItsArguments() {
        const CommandRun run = RunOrva({u"import"_s, u"--help"_s});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(u"[επιλογές] import ΑΡΧΕΙΟ\n"_s), qPrintable(run.out));
        QVERIFY(run.out.contains(u"Ορίσματα:\n"_s));
        QVERIFY(run.out.contains(u"  ΑΡΧΕΙΟ "_s));
        QCOMPARE(RunOrva({u"--help"_s, u"import"_s}).out, run.out);
    }

    void aGroupOfCommandsNamesItsMembers() {
        const CommandRun help = RunOrva({u"report"_s, u"--help"_s});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith(u"Εντολές «report»:\n  report entries "_s), qPrintable(help.out));
        QVERIFY(help.out.contains(u"\n  report employees "_s));

        const CommandRun bare = RunOrva({u"report"_s});
        QCOMPARE(bare.exitCode, int(BadArguments));
        QVERIFY(bare.err.startsWith(u"orva: Η εντολή «report» θέλει μία από: entries, employees.\n"_s));
        const CommandRun typo = RunOrva({u"report"_s, u"entrys"_s});
        QCOMPARE(typo.exitCode, int(BadArguments));
        QVERIFY(
            typo.err.startsWith(u"orva: Άγνωστη εντολή «report entrys». Υπάρχουν: entries, employees.\n"_s));
    }

    void aReportsHelpExplainsEachOption() {
        const CommandRun run = RunOrva({u"report"_s, u"entries"_s, u"--help"_s});
        QCOMPARE(run.exitCode, 0);
        for (const QString& option :
             {u"--from <ηη/μμ/εεεε>"_s, u"--to <ηη/μμ/εεεε>"_s, u"--afm-from <ΑΦΜ>"_s, u"--afm-to <ΑΦΜ>"_s,
              u"--mask <μάσκα>"_s, u"--order <ταξινόμηση>"_s, u"--format <μορφή>"_s,
              u"--charset <κωδικοσελίδα>"_s, u"--out <αρχείο>"_s})
            QVERIFY2(run.out.contains(u"  "_s + option + u"  "_s), qPrintable(option));
    }

    void versionIsTheProgramsOwn() {
        for (const QString& option : {u"--version"_s, u"-v"_s}) {
            const CommandRun run = RunOrva({option});
            QCOMPARE(run.exitCode, 0);
            QCOMPARE(run.out, u"Orva 1.01\n"_s);
            QCOMPARE(run.err, QString());
        }
    }

    void wrongLinesExitWithStatus2AndAGreekReason_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown command") << QStringList{u"reprot"_s} << u"orva: Άγνωστη εντολή «reprot»."_s;
        QTest::newRow("unknown option")
            << QStringList{u"import"_s, u"a.asc"_s, u"--frob"_s} << u"orva: Άγνωστη επιλογή «frob»."_s;
        QTest::newRow("missing argument") << QStringList{u"import"_s} << u"orva: Λείπει το όρισμα ΑΡΧΕΙΟ."_s;
        QTest::newRow("extra argument")
            << QStringList{u"import"_s, u"a.asc"_s, u"b.asc"_s} << u"orva: Περιττό όρισμα «b.asc»."_s;
        QTest::newRow("missing value") << QStringList{u"import"_s, u"a.asc"_s, u"--data-dir"_s}
                                       << u"orva: Λείπει η τιμή μετά το «--data-dir»."_s;
        QTest::newRow("empty folder") << QStringList{u"import"_s, u"a.asc"_s, u"--data-dir="_s}
                                      << u"orva: Η επιλογή --data-dir θέλει έναν φάκελο."_s;
        QTest::newRow("value of a flag")
            << QStringList{u"--help=yes"_s} << u"orva: Η επιλογή «--help» δεν παίρνει τιμή."_s;
    }
    void wrongLinesExitWithStatus2AndAGreekReason() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const CommandRun run = RunOrva(arguments);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, int(BadArguments));
        QCOMPARE(run.out, QString());
        const QStringList lines = run.err.split(u'\n');
        QCOMPARE(lines.value(0), reason);
        QVERIFY2(lines.value(1).startsWith(u"Για βοήθεια: orva "_s), qPrintable(run.err));
    }

    void aFolderWithoutADatabaseIsNotTurnedIntoANewOne() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"typo"_s);
        QFile asc(dir.filePath(u"a.asc"_s));
        QVERIFY(asc.open(QIODevice::WriteOnly));
        asc.close();
        const CommandRun run = RunOrva({u"import"_s, asc.fileName(), u"--data-dir"_s, folder});
        QCOMPARE(run.exitCode, int(CannotOpenDatabase));
        QVERIFY2(run.err.contains(u"IntTvx.db δεν υπάρχει."_s), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(folder));
    }

    void aDamagedDatabaseIsLeftAsItWas() {
        TestDataFolder folder;
        const QByteArray damaged(4096, 'x');
        {
            QFile db(folder.file(u"IntTvx.db"_s));
            QVERIFY(db.open(QIODevice::WriteOnly | QIODevice::Truncate));
            db.write(damaged);
        }
        QFile asc(folder.file(u"a.asc"_s));
        QVERIFY(asc.open(QIODevice::WriteOnly));
        asc.close();
        const CommandRun run = RunOrva({u"--data-dir"_s, folder.path(), u"import"_s, asc.fileName()});
        QCOMPARE(run.exitCode, int(CannotOpenDatabase));
        QVERIFY(run.err.startsWith(u"orva: "_s));
        QFile db(folder.file(u"IntTvx.db"_s));
        QVERIFY(db.open(QIODevice::ReadOnly));
        QCOMPARE(db.readAll(), damaged);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
