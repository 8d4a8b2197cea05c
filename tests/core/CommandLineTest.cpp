#include "logic/core/commandline/CommandLine.h"
#include "OrvaCommand.h"
#include "TestDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
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
        QVERIFY(!NamesCommand({u"-style"_s, u"fusion"_s, u"--data-dir"_s, u"/tmp/x"_s}));
        QVERIFY(!NamesCommand({u"--style=fusion"_s, u"-reverse"_s}));
        // Anything else, wherever it stands, is a command line and never the windows.
        QVERIFY(NamesCommand({u"-style"_s, u"fusion"_s, u"import"_s}));
        QVERIFY(NamesCommand(
            {u"--data-dir"_s, u"/tmp/x"_s, u"--order"_s, u"afm"_s, u"report"_s, u"employees"_s}));
        QVERIFY(NamesCommand({u"--order"_s, u"afm"_s}));
        QVERIFY(NamesCommand({u"--data-dir"_s}));
        QVERIFY(NamesCommand({u"--data-dir="_s}));
        QVERIFY(NamesCommand({u"-x"_s}));
        QVERIFY(NamesCommand({u"-platform"_s}));
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

    // Options may stand before the command's words; a wrong line without a display is still
    // told in Greek with status 2, never taken for the windows.
    void optionsBeforeTheCommandWordAreUnderstood() {
        TestDataFolder folder;
        QTemporaryDir out;
        const QString pdf = out.filePath(u"employees.pdf"_s);
        const CommandRun run = RunOrva({u"--data-dir"_s, folder.path(), u"--order"_s, u"afm"_s, u"--out"_s,
                                        pdf, u"report"_s, u"employees"_s});
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, int(NothingFound));
        QCOMPARE(run.err, u"orva: Δεν υπάρχουν εγγραφές.\n"_s);
    }

    void wrongLinesWithoutADisplayNeverReachTheWindows_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder option without its folder")
            << QStringList{u"--data-dir"_s} << u"orva: Λείπει η τιμή μετά το «--data-dir»."_s;
        QTest::newRow("an empty folder")
            << QStringList{u"--data-dir="_s} << u"orva: Η επιλογή --data-dir θέλει έναν φάκελο."_s;
        QTest::newRow("an unknown option first")
            << QStringList{u"--frob"_s, u"report"_s, u"employees"_s} << u"orva: Άγνωστη επιλογή «frob»."_s;
        QTest::newRow("a report's option without a command")
            << QStringList{u"--data-dir"_s, u"/tmp"_s, u"--order"_s, u"afm"_s} << QString();
        QTest::newRow("Qt's option without its value") << QStringList{u"-platform"_s} << QString();
    }
    void wrongLinesWithoutADisplayNeverReachTheWindows() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const CommandRun run = RunOrva(arguments);
        QVERIFY2(run.finished, qPrintable(run.err));
        QCOMPARE(run.exitCode, int(BadArguments));
        QVERIFY2(run.err.startsWith(u"orva: "_s), qPrintable(run.err));
        if (!reason.isEmpty())
            QCOMPARE(run.err.split(u'\n').value(0), reason);
        QVERIFY2(!run.err.contains(u"display"_s, Qt::CaseInsensitive), qPrintable(run.err));
    }

    // What the help lists, the README and the manual page document: every command and every
    // exit status.
    void everyCommandAndStatusIsDocumented() {
        const CommandRun help = RunOrva({u"--help"_s});
        QCOMPARE(help.exitCode, 0);
        const QString commands = help.out.section(u"\nΕντολές:\n"_s, 1).section(u"\n\n"_s, 0, 0);
        const QString statuses = help.out.section(u"\nΚωδικοί εξόδου:\n"_s, 1).section(u"\n\n"_s, 0, 0);
        QStringList words;
        for (const QString& line : commands.split(u'\n', Qt::SkipEmptyParts)) {
            QStringList commandWords;
            for (const QString& word : line.split(u' ', Qt::SkipEmptyParts)) {
                if (word.front().isUpper() || !word.front().isLetter())
                    break;
                commandWords << word;
            }
            words << commandWords.join(u' ');
        }
        QVERIFY(words.contains(u"backup"_s) && words.contains(u"restore"_s));
        QList<int> numbers;
        for (const QString& line : statuses.split(u'\n', Qt::SkipEmptyParts))
            numbers << line.trimmed().section(u' ', 0, 0).toInt();
        QCOMPARE(numbers.first(), 0);
        QVERIFY(numbers.size() >= 7);

        const auto read = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QString readme = read(QStringLiteral(ORVA_SOURCE_DIR "/README.md"));
        const QString readmeCommands = readme.section(u"## The command line"_s, 1).section(u"\n## "_s, 0, 0);
        const QString manual = read(QStringLiteral(ORVA_SOURCE_DIR "/packaging/man/orva.1"));
        const QString manualCommands = manual.section(u".SH COMMANDS"_s, 1).section(u"\n.SH "_s, 0, 0);
        const QString manualStatuses = manual.section(u".SH EXIT STATUS"_s, 1).section(u"\n.SH "_s, 0, 0);
        QVERIFY(!readmeCommands.isEmpty() && !manualCommands.isEmpty() && !manualStatuses.isEmpty());
        for (const QString& command : words) {
            QVERIFY2(readmeCommands.contains(u"orva "_s + command), qPrintable(u"README: "_s + command));
            // The manual page writes a command in bold, a dash escaped.
            QString roff = command;
            roff.replace(u'-', u"\\-"_s);
            QVERIFY2(manualCommands.contains(u".B "_s + roff) || manualCommands.contains(u".BI "_s + roff) ||
                         manualCommands.contains(u"\\fB"_s + roff),
                     qPrintable(u"orva.1: "_s + command));
        }
        for (int number : numbers) {
            QVERIFY2(readmeCommands.contains(u"\n| %1 |"_s.arg(number)),
                     qPrintable(u"README: status %1"_s.arg(number)));
            QVERIFY2(manualStatuses.contains(u".TP\n.B %1\n"_s.arg(number)),
                     qPrintable(u"orva.1: status %1"_s.arg(number)));
        }
    }

    // A broken installation says which part is missing: without orva-gui the windows and the
    // reports fail (the other commands still run), without the commands' library the commands.
    void aMissingPartOfTheProgramIsNamed() {
        QTemporaryDir alone;
        const QString program = alone.filePath(u"orva"_s);
        QVERIFY(QFile::copy(QStringLiteral(ORVA_EXECUTABLE), program));
        const auto run = [&program](const QStringList& arguments) {
            QProcess process;
            process.start(program, arguments);
            process.waitForFinished(60000);
            return std::pair{process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
        };
        const auto [code, err] = run({u"--version"_s});
        QCOMPARE(code, 1);
        QVERIFY2(err.startsWith(u"Το πρόγραμμα δεν ξεκίνησε: "_s) && err.contains(u"liborva_commands.so"_s),
                 qPrintable(err));

        const QDir built = QFileInfo(QStringLiteral(ORVA_EXECUTABLE)).dir();
        QVERIFY(
            QFile::copy(built.filePath(u"liborva_commands.so"_s), alone.filePath(u"liborva_commands.so"_s)));
        TestDataFolder folder;
        const QString out = folder.file(u"e.txt"_s);
        QCOMPARE(run({u"--data-dir"_s, folder.path()}),
                 std::pair(1, u"Το πρόγραμμα "_s + alone.filePath(u"orva-gui"_s) +
                                  u" δεν ξεκίνησε: No such file or directory\n"_s));
        // A report with nothing to show ends in the command line, without the report library.
        const QStringList report = {u"report"_s, u"employees"_s,  u"--out"_s,
                                    out,         u"--data-dir"_s, folder.path()};
        QCOMPARE(run(report), std::pair(int(NothingFound), u"orva: Δεν υπάρχουν εγγραφές.\n"_s));
        // One with lines needs it, whether the quick look or the command line found the report.
        folder.execElsewhere(
            u"Insert Into Ergaz (Eafm, Eepon, Eypo) Values ('090000045', 'ΑΛΕΞΙΟΥ ΜΑΡΙΑ', '0')"_s);
        const QStringList optionFirst = {u"--out"_s,      out,          u"report"_s, u"employees"_s,
                                         u"--data-dir"_s, folder.path()};
        for (const QStringList& arguments : {report, optionFirst}) {
            const auto [missingCode, missingErr] = run(arguments);
            QCOMPARE(missingCode, 1);
            QVERIFY2(missingErr.startsWith(u"Το πρόγραμμα δεν ξεκίνησε: "_s) &&
                         missingErr.contains(u"liborva_report_commands.so"_s),
                     qPrintable(missingErr));
            QVERIFY(!QFile::exists(out));
        }
        QVERIFY(QFile::copy(built.filePath(u"liborva_report_commands.so"_s),
                            alone.filePath(u"liborva_report_commands.so"_s)));
        QCOMPARE(run(optionFirst).first, 0);
        QVERIFY(QFile::exists(out));
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
