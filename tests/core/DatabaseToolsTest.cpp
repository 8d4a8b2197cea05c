#include "OrvaCommand.h"
#include "TestDataFolder.h"
#include "logic/core/database/Database.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>

namespace {

struct ToolRun {
    int exitCode = -1;
    QString output; // standard output and error together
};

// The standard sqlite3 tool on the database, with SQL on its standard input.
ToolRun Sqlite3(const QStringList& arguments, const QByteArray& input) {
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(QStringLiteral("sqlite3"), arguments);
    ToolRun run;
    if (!tool.waitForStarted(10000)) {
        run.output = tool.errorString();
        return run;
    }
    tool.write(input);
    tool.closeWriteChannel();
    if (!tool.waitForFinished(60000)) {
        tool.kill();
        run.output = QStringLiteral("sqlite3 did not end");
        return run;
    }
    run.exitCode = tool.exitCode();
    run.output = QString::fromUtf8(tool.readAll());
    return run;
}

const QString Load = QStringLiteral(".load " ORVA_GREEK_EXTENSION);

} // namespace

// The program's database in the hands of the standard tools: the sqlite3 tool with the
// Greek collation that the program ships as its extension, and "orva check".
class DatabaseToolsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_folder = std::make_unique<TestDataFolder>(); }
    void cleanup() { m_folder.reset(); }

    void withoutTheExtensionTheToolCannotWriteTheEmployees() {
        const ToolRun run = Sqlite3({m_folder->file(QStringLiteral("IntTvx.db"))},
                                    "Insert Into Ergaz Values ('123456789','Άννα','0');\n");
        QVERIFY2(run.output.contains(QStringLiteral("no such collation sequence: GREEK")),
                 qPrintable(run.output));
    }

    // With the extension loaded the tool writes employees, checks the file and reads the names
    // in the order the program's own lists show them.
    void theExtensionLetsTheToolWriteCheckAndOrderAsTheProgramDoes() {
        const QString database = m_folder->file(QStringLiteral("IntTvx.db"));
        const ToolRun written =
            Sqlite3({QStringLiteral("-cmd"), Load, database},
                    "Insert Into Ergaz Values ('100000001','Ωμέγας','0');\n"
                    "Insert Into Ergaz Values ('100000002','άννα','0');\n"
                    "Insert Into Ergaz Values ('100000003','Βασίλης','0');\n"
                    "Insert Into Ergaz Values ('100000004','ΑΝΝΑ','0');\n"
                    "Insert Into Ergaz Values ('100000005','Άννα','0');\n"
                    "Insert Into Ergaz Values ('100000006','Zeta','0');\n"
                    "Pragma integrity_check;\n"
                    "Select Eafm From Ergaz Indexed By ErgazEeponGreek Order By Eepon Collate "
                    "GREEK, Eafm;\n");
        QCOMPARE(written.exitCode, 0);
        const QStringList lines = written.output.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(!lines.isEmpty() && lines.constFirst() == QStringLiteral("ok"), qPrintable(written.output));

        QVERIFY(m_folder->openDatabase());
        QSqlQuery query(DbConnection());
        QVERIFY(query.exec(QStringLiteral("Select Eafm From Ergaz Order By Eepon Collate GREEK, Eafm")));
        QStringList programOrder;
        while (query.next())
            programOrder << query.value(0).toString();
        QCOMPARE(lines.mid(1), programOrder);
        // Not the order of the characters' codes: Άννα stands with its other spellings, all
        // before Βασίλης and Ωμέγας.
        QCOMPARE(programOrder.mid(0, 5),
                 (QStringList{"100000004", "100000002", "100000005", "100000003", "100000001"}));
        QVERIFY(query.exec(QStringLiteral("Pragma integrity_check")) && query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("ok"));
    }

    // A name index that another tool wrote in another order, and a database that lacks parts
    // of the program's: the check names each fault, in Greek, with exit status 1; a sound one
    // is told so with 0.
    void theCheckFindsADamagedIndexAndMissingTablesAndColumns() {
        const QString database = m_folder->file(QStringLiteral("IntTvx.db"));
        const CommandRun sound = RunOrva({"check", "--data-dir", m_folder->path()});
        QCOMPARE(sound.exitCode, 0);
        QVERIFY2(sound.out.contains(QStringLiteral("είναι ακέραιη")), qPrintable(sound.out + sound.err));

        // The index was built in the order of character codes and then declared Greek.
        QVERIFY(QFile::remove(database));
        const ToolRun damaged = Sqlite3(
            {database}, "Create Table Ergaz (Eafm Varchar(14) Collate RTRIM Primary Key, Eepon, Eypo);\n"
                        "Create Table Kins (Eafm, Kdate, Korario, Kparat, Primary Key (Eafm, Kdate));\n"
                        "Create Table Param (IkaCode, IkaPass, TaxisCode, TaxisPass, SmtpServer, Cemail,"
                        " Lemail, Cepon);\n"
                        "Insert Into Ergaz Values ('1','Ωμέγας','0'), ('2','άννα','0'), ('3','Βασίλης','0'),"
                        " ('4','Zeta','0');\n"
                        "Create Index ErgazEeponGreek On Ergaz (Eepon Collate BINARY, Eafm);\n"
                        "Pragma writable_schema = 1;\n"
                        "Update sqlite_master Set sql = replace(sql, 'BINARY', 'GREEK') Where name = "
                        "'ErgazEeponGreek';\n");
        QVERIFY2(damaged.exitCode == 0, qPrintable(damaged.output));
        const QByteArray before = FileBytes(database);
        const CommandRun check = RunOrva({"check", "--data-dir", m_folder->path()});
        QCOMPARE(check.exitCode, 1);
        for (const QString& told :
             {QStringLiteral("ο έλεγχος ακεραιότητας βρήκε"),
              QStringLiteral("λείπει το πεδίο NewsDat του πίνακα Param"),
              QStringLiteral("λείπει ο πίνακας Company"), QStringLiteral("ErgazEeponGreek")})
            QVERIFY2(check.err.contains(told), qPrintable(told + QStringLiteral(" in:\n") + check.err));
        QVERIFY2(!check.err.contains(QStringLiteral("Kins")), qPrintable(check.err));
        QCOMPARE(FileBytes(database), before);

        // A file of another kind cannot be checked at all.
        QVERIFY(QFile::remove(database));
        QFile text(database);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a database, a letter");
        text.close();
        const CommandRun other = RunOrva({"check", "--data-dir", m_folder->path()});
        QCOMPARE(other.exitCode, 5);
        QVERIFY2(!other.err.trimmed().isEmpty(), qPrintable(other.out));
    }

private:
    static QByteArray FileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    std::unique_ptr<TestDataFolder> m_folder;
};

QTEST_GUILESS_MAIN(DatabaseToolsTest)
#include "DatabaseToolsTest.moc"
