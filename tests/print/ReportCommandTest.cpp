#include "ExportTestSupport.h"
#include "Golden.h"
#include "LatinSentences.h"
#include "OfficeFiles.h"
#include "OrvaCommand.h"
#include "ReportData.h"
#include "TestDataFolder.h"
#include "logic/core/commandline/CommandLine.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DosGreek.h"
#include "logic/print/ExcelExport.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/IndexReports.h"
#include "logic/print/PdfExport.h"
#include "logic/print/TextExport.h"
#include "logic/records/EmployeeList.h"

#include <QBuffer>
#include <QDir>
#include <QPdfDocument>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>
#include <QXmlStreamReader>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace ExportTestSupport;
using namespace ReportData;
using namespace Qt::StringLiterals;

// "orva report entries|employees" run as a process on a data folder: the files it writes,
// read back, and the exit status of each failure. What the command writes is what the
// preview's exports write for the same report.
class ReportCommandTest : public QObject {
    Q_OBJECT

    // Sixty employees with an entry on the 2nd and the 20th of November 2026; every third
    // carries remarks. The index runs to a few landscape pages.
    void addNovember() {
        for (int i = 0; i < 60; ++i) {
            const QString afm = u"%1"_s.arg(100000000 + i * 7919);
            AddEmployee(afm, u"ΕΡΓΑΖΟΜΕΝΟΣ %1"_s.arg(60 - i, 2, 10, QChar(u'0')));
            AddEntry(afm, u"20261102"_s, u"08:00-16:00"_s, i % 3 == 0 ? u"Υπερωρία"_s : QString());
            AddEntry(afm, u"20261120"_s, u"09:00-13:00\r\n17:00-21:00"_s);
        }
    }

    CommandRun orva(QStringList arguments) {
        arguments << u"--data-dir"_s << m_folder->path();
        return RunOrva(arguments, m_out->path());
    }

    QString out(const QString& name) const { return m_out->filePath(name); }

    // The report as the preview holds it, from this process.
    PrintJob entryIndex(const EntryIndexRequest& request) {
        PrintJob job;
        if (!PrepareEntryIndex(job, request))
            qFatal("no entries");
        return job;
    }

    static QStringList pdfPages(const QString& path) {
        QPdfDocument pdf;
        QStringList pages;
        if (pdf.load(path) != QPdfDocument::Error::None)
            return pages;
        for (int p = 0; p < pdf.pageCount(); ++p)
            pages << pdf.getAllText(p).text();
        return pages;
    }

    void expectBadArguments(const QStringList& arguments, const QString& reason) {
        const CommandRun run = orva(arguments);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, int(BadArguments));
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(u"orva: "_s + reason + u"\nΓια βοήθεια: orva report "_s),
                 qPrintable(run.err));
        QCOMPARE(QDir(m_out->path()).entryList(QDir::Files), QStringList());
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        m_out = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->openDatabase());
        // The command's work date is its day.
        Program.WorkDate = QDate::currentDate();
        Program.DosGreekTable = BuildDosGreekTable();
    }
    void cleanup() {
        m_folder.reset();
        m_out.reset();
    }

    void entriesToPdfAreThePreviewsPages() {
        addNovember();
        const CommandRun run = orva({u"report"_s, u"entries"_s, u"--from"_s, u"01/11/2026"_s, u"--to"_s,
                                     u"30/11/2026"_s, u"--format"_s, u"pdf"_s, u"--out"_s, u"nov.pdf"_s});
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, int(CommandDone));
        QCOMPARE(run.out, u"nov.pdf: Η εγγραφή του αρχείου ολοκληρώθηκε.\n"_s);
        QCOMPARE(run.err, QString());

        const QStringList pages = pdfPages(out(u"nov.pdf"_s));
        QVERIFY(pages.size() >= 3);
        for (const QString& page : pages) {
            QVERIFY(page.contains(u"Ευρετήριο Ηλεκτρονικών Αποστολών (Από:01/11/2026 Εως 30/11/2026)"_s));
            QVERIFY(page.contains(u"Tavrinex SA"_s));
        }
        QVERIFY(pages.first().contains(u"Σελίδα:1"_s));
        QVERIFY(pages.last().contains(u"Σελίδα:%1"_s.arg(pages.size())));
        // By date, then by AFM: the last entry is the 20th's of the highest AFM.
        QVERIFY(pages.first().contains(u"02/11/2026"_s));
        QVERIFY(pages.last().contains(u"20/11/2026 %1"_s.arg(100000000 + 59 * 7919)));

        QString error;
        int written = 0;
        const PrintJob job = entryIndex({{}, {}, {}, u"01/11/2026"_s, u"30/11/2026"_s, 0});
        QVERIFY(WritePdf(job, out(u"preview.pdf"_s), &error, &written));
        QCOMPARE(pages.size(), written);
        QCOMPARE(pages, pdfPages(out(u"preview.pdf"_s)));
    }

    void entriesToXlsxByAfmWithRangeAndMask() {
        addNovember();
        // AFMs 100047514..100110866 start with 1000 or 1001; the mask keeps those with 1000.
        const CommandRun run =
            orva({u"report"_s, u"entries"_s, u"--from"_s, u"0111"_s + QString::number(2026).right(2),
                  u"--to"_s, u"30112026"_s, u"--afm-from"_s, u"100047514"_s, u"--afm-to"_s, u"1001"_s,
                  u"--mask"_s, u"1000*"_s, u"--order"_s, u"afm"_s, u"--out"_s, u"nov.xlsx"_s});
        QCOMPARE(run.exitCode, int(CommandDone));
        const ZipContents zip = ReadZip(out(u"nov.xlsx"_s));
        QCOMPARE(zip.error, QString());
        QVERIFY(zip.names.contains(u"xl/worksheets/sheet1.xml"_s));
        // The column titles, then each employee's entries by date.
        GOLDEN_COMPARE(Golden::IndentedXml(zip.data.value(u"xl/worksheets/sheet1.xml"_s)),
                       u"print/command/entries-by-afm.xml"_s);
        const Workbook book = ReadWorkbook(zip);
        QStringList afms;
        for (int row = 2; book.cells.contains(u"A%1"_s.arg(row)); ++row) {
            const QString afm = book.text(u"B%1"_s.arg(row));
            if (!afm.isEmpty() && !afms.contains(afm))
                afms << afm;
        }
        // 100047514 + k * 7919 up to 100095028 start with 1000; 100102947 and on do not.
        QCOMPARE(afms, (QStringList{u"100047514"_s, u"100055433"_s, u"100063352"_s, u"100071271"_s,
                                    u"100079190"_s, u"100087109"_s, u"100095028"_s}));

        QString error;
        const PrintJob job =
            entryIndex({u"100047514"_s, u"1001"_s, u"1000*"_s, u"01/11/2026"_s, u"30/11/2026"_s, 1});
        QVERIFY(WriteExcelWorkbook(job, out(u"preview.xlsx"_s), &error));
        QCOMPARE(zip.data.value(u"xl/worksheets/sheet1.xml"_s),
                 ReadZip(out(u"preview.xlsx"_s)).data.value(u"xl/worksheets/sheet1.xml"_s));
    }

    void textFilesInBothCodePages() {
        addNovember();
        const QStringList november = {u"report"_s,     u"entries"_s, u"--from"_s,
                                      u"01/11/2026"_s, u"--to"_s,    u"30/11/2026"_s};
        QCOMPARE(orva(november + QStringList{u"--format"_s, u"txt"_s, u"--charset"_s, u"dos"_s, u"--out"_s,
                                             u"nov.Asc"_s})
                     .exitCode,
                 int(CommandDone));
        QCOMPARE(orva(november + QStringList{u"--out"_s, u"nov.txt"_s}).exitCode, int(CommandDone));
        QCOMPARE(orva(november + QStringList{u"--format"_s, u"asc"_s, u"--out"_s, u"import.asc"_s}).exitCode,
                 int(CommandDone));

        const PrintJob job = entryIndex({{}, {}, {}, u"01/11/2026"_s, u"30/11/2026"_s, 0});
        const auto expected = [&job](int selected, int charset) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            WriteTextExport(job, selected, charset, buffer);
            return buffer.data();
        };
        const QByteArray dos = ReadAll(out(u"nov.Asc"_s));
        QCOMPARE(dos, expected(PagedTextFile, DosGreek));
        // The paged file opens with the header: the work date, the page and the title.
        const QList<QByteArray> lines = CrLfLines(dos);
        QVERIFY(lines.value(0).contains(QDate::currentDate().toString(u"dd/MM/yyyy"_s).toLatin1()));
        QVERIFY(lines.value(1).contains(ToDosGreek(Cp1253(u"Ευρετήριο Ηλεκτρονικών Αποστολών"_s), DosGreek)));
        QCOMPARE(ReadAll(out(u"nov.txt"_s)), expected(PagedTextFile, WindowsGreek));
        const QByteArray import = ReadAll(out(u"import.asc"_s));
        QCOMPARE(import, expected(ImportTextFile, WindowsGreek));
        QVERIFY(import.startsWith(Cp1253(u"02/11/2026 100000000      ΕΡΓΑΖΟΜΕΝΟΣ 60"_s)));
    }

    void employeesInEitherOrderToWord() {
        AddEmployee(u"200000000"_s, u"ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"_s, u"3"_s);
        AddEmployee(u"100000000"_s, u"ΒΑΣΙΛΕΙΟΥ ΝΙΚΟΣ"_s, u"0"_s);
        const QStringList employees = {u"report"_s, u"employees"_s, u"--format"_s, u"asc"_s};
        QCOMPARE(orva(employees + QStringList{u"--out"_s, u"by-name.asc"_s}).exitCode, int(CommandDone));
        QCOMPARE(orva(employees + QStringList{u"--order"_s, u"afm"_s, u"--out"_s, u"by-afm.asc"_s}).exitCode,
                 int(CommandDone));
        // The AFM in 15 characters, the name in 31, the branch in 5.
        GOLDEN_COMPARE(ReadAll(out(u"by-name.asc"_s)), u"print/command/employees-by-name.asc"_s,
                       Golden::ShownAs::Windows1253);
        const QList<QByteArray> byName = CrLfLines(ReadAll(out(u"by-name.asc"_s)));
        const QList<QByteArray> byAfm = CrLfLines(ReadAll(out(u"by-afm.asc"_s)));
        QCOMPARE(byAfm.value(0), byName.value(1));
        QCOMPARE(byAfm.value(1), byName.value(0));

        const CommandRun word = orva({u"report"_s, u"employees"_s, u"--out"_s, u"employees.docx"_s});
        QCOMPARE(word.exitCode, int(CommandDone));
        const ZipContents docx = ReadZip(out(u"employees.docx"_s));
        QCOMPARE(docx.error, QString());
        const QString document = QString::fromUtf8(docx.data.value(u"word/document.xml"_s));
        QVERIFY(document.contains(u"Ευρετήριο Εργαζομένων"_s));
        QVERIFY(document.indexOf(u"ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"_s) < document.indexOf(u"ΒΑΣΙΛΕΙΟΥ ΝΙΚΟΣ"_s));
    }

    void shortDatesAreCompletedFromToday() {
        const QDate today = QDate::currentDate();
        AddEmployee(u"100000000"_s, u"ΣΗΜΕΡΙΝΟΣ"_s);
        AddEntry(u"100000000"_s, today.toString(u"yyyyMMdd"_s), u"08:00-16:00"_s);
        AddEntry(u"100000000"_s, u"20000101"_s, u"08:00-16:00"_s);
        // Without dates the selection is today's, as the window's fields start.
        QCOMPARE(
            orva({u"report"_s, u"entries"_s, u"--format"_s, u"asc"_s, u"--out"_s, u"today.asc"_s}).exitCode,
            int(CommandDone));
        const QList<QByteArray> lines = CrLfLines(ReadAll(out(u"today.asc"_s)));
        QVERIFY(lines.value(0).startsWith(today.toString(u"dd/MM/yyyy"_s).toLatin1()));
        QVERIFY(!ReadAll(out(u"today.asc"_s)).contains("01/01/2000"));
        // "01" is the first of this month, "0101" the first of January of this year.
        QCOMPARE(orva({u"report"_s, u"entries"_s, u"--from"_s, u"01"_s, u"--format"_s, u"asc"_s, u"--out"_s,
                       u"month.asc"_s})
                     .exitCode,
                 int(CommandDone));
        QCOMPARE(orva({u"report"_s, u"entries"_s, u"--from"_s, u"0101"_s, u"--to"_s, u"0101"_s, u"--out"_s,
                       u"none.pdf"_s})
                     .exitCode,
                 int(NothingFound));
        QCOMPARE(orva({u"report"_s, u"entries"_s, u"--from"_s, u"010100"_s, u"--to"_s, u"010100"_s,
                       u"--format"_s, u"asc"_s, u"--out"_s, u"2000.asc"_s})
                     .exitCode,
                 int(CommandDone));
        QVERIFY(ReadAll(out(u"2000.asc"_s)).startsWith("01/01/2000"));
    }

    void nothingFoundWritesNoFile() {
        addNovember();
        for (const QStringList& arguments :
             {QStringList{u"report"_s, u"entries"_s, u"--from"_s, u"01/12/2026"_s, u"--to"_s, u"31/12/2026"_s,
                          u"--out"_s, u"dec.pdf"_s},
              QStringList{u"report"_s, u"entries"_s, u"--from"_s, u"01/11/2026"_s, u"--to"_s, u"30/11/2026"_s,
                          u"--mask"_s, u"9*"_s, u"--out"_s, u"dec.pdf"_s}}) {
            const CommandRun run = orva(arguments);
            QCOMPARE(run.exitCode, int(NothingFound));
            QCOMPARE(run.out, QString());
            QCOMPARE(run.err, u"orva: Δεν υπάρχουν εγγραφές.\n"_s);
            // The command line saw that on its own, without loading the report library.
            qputenv("LD_DEBUG", "files");
            const CommandRun traced = orva(arguments);
            qunsetenv("LD_DEBUG");
            QCOMPARE(traced.exitCode, int(NothingFound));
            QVERIFY(traced.err.contains(u"liborva_commands.so"_s));
            QVERIFY(!traced.err.contains(u"liborva_report_commands.so"_s));
        }
        m_folder->exec(u"Delete From Ergaz"_s);
        const CommandRun run = orva({u"report"_s, u"employees"_s, u"--out"_s, u"employees.pdf"_s});
        QCOMPARE(run.exitCode, int(NothingFound));
        QCOMPARE(QDir(m_out->path()).entryList(QDir::Files), QStringList());
    }

    void wrongValuesAreRefusedBeforeTheDatabase() {
        const QStringList entries = {u"report"_s, u"entries"_s};
        expectBadArguments(entries, u"Λείπει το αρχείο εξόδου (--out αρχείο)."_s);
        expectBadArguments(entries + QStringList{u"--out"_s, u"x.asc"_s},
                           u"Δώστε τη μορφή του αρχείου με --format (pdf, xlsx, docx, txt, asc)."_s);
        expectBadArguments(entries + QStringList{u"--format"_s, u"odt"_s, u"--out"_s, u"x.odt"_s},
                           u"Άγνωστη μορφή «odt»· υπάρχουν: pdf, xlsx, docx, txt, asc."_s);
        expectBadArguments(entries + QStringList{u"--charset"_s, u"dos"_s, u"--out"_s, u"x.pdf"_s},
                           u"Η --charset ισχύει μόνο για τις μορφές txt και asc."_s);
        expectBadArguments(entries + QStringList{u"--charset"_s, u"mac"_s, u"--out"_s, u"x.txt"_s},
                           u"Άγνωστη κωδικοσελίδα «mac»· υπάρχουν: windows, dos."_s);
        expectBadArguments(entries + QStringList{u"--from"_s, u"31/02/2026"_s, u"--out"_s, u"x.pdf"_s},
                           u"Λανθασμένη ημερομηνία «31/02/2026» στο --from (ηη/μμ/εεεε)."_s);
        expectBadArguments(entries + QStringList{u"--to"_s, u"1/11"_s, u"--out"_s, u"x.pdf"_s},
                           u"Λανθασμένη ημερομηνία «1/11» στο --to (ηη/μμ/εεεε)."_s);
        expectBadArguments(entries + QStringList{u"--order"_s, u"name"_s, u"--out"_s, u"x.pdf"_s},
                           u"Λανθασμένη ταξινόμηση «name»· υπάρχουν: date, afm."_s);
        expectBadArguments(entries +
                               QStringList{u"--afm-from"_s, u"123456789012345"_s, u"--out"_s, u"x.pdf"_s},
                           u"Το --afm-from έχει έως 14 χαρακτήρες."_s);
        expectBadArguments({u"report"_s, u"employees"_s, u"--order"_s, u"date"_s, u"--out"_s, u"x.pdf"_s},
                           u"Λανθασμένη ταξινόμηση «date»· υπάρχουν: name, afm."_s);
        // An option of the other report.
        expectBadArguments({u"report"_s, u"employees"_s, u"--from"_s, u"01"_s, u"--out"_s, u"x.pdf"_s},
                           u"Άγνωστη επιλογή «from»."_s);
    }

    void aFileThatCannotBeWrittenIsStatus4() {
        AddEmployee(u"100000000"_s, u"ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"_s);
        QVERIFY(QDir(m_out->path()).mkdir(u"taken.pdf"_s));
        QStringList targets = {u"missing/employees.pdf"_s, u"taken.pdf"_s, u"missing/employees.xlsx"_s,
                               u"missing/employees.docx"_s, u"missing/employees.txt"_s};
        // A folder the user may not write in (the superuser may write anywhere).
        if (::geteuid() != 0) {
            QVERIFY(QDir(m_out->path()).mkdir(u"locked"_s));
            QFile::setPermissions(out(u"locked"_s), QFile::ReadOwner | QFile::ExeOwner);
            targets << u"locked/employees.pdf"_s << u"locked/employees.xlsx"_s;
        }
        for (const QString& target : targets) {
            const CommandRun run = orva({u"report"_s, u"employees"_s, u"--out"_s, target});
            QCOMPARE(run.exitCode, int(CannotWriteFile));
            QCOMPARE(run.out, QString());
            QVERIFY2(run.err.startsWith(u"orva: Το αρχείο «%1» δεν μπορεί να γραφτεί: "_s.arg(target)),
                     qPrintable(run.err));
            // Greek words say why; the library's own text only follows on its line.
            const QString told = run.err.section(u"\nΛεπτομέρειες: "_s, 0, 0);
            QVERIFY2(LatinSentences(told).isEmpty(), qPrintable(run.err));
        }
        QVERIFY(QFileInfo(out(u"taken.pdf"_s)).isDir());
        QFile::setPermissions(out(u"locked"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // An output that is no regular file is written into, never replaced: standard output,
    // a device, a pipe.
    void standardOutputCarriesTheReport() {
        // Without a format there is no name to take it from.
        expectBadArguments({u"report"_s, u"employees"_s, u"--out"_s, u"-"_s},
                           u"Δώστε τη μορφή του αρχείου με --format (pdf, xlsx, docx, txt, asc)."_s);
        AddEmployee(u"100000000"_s, u"ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"_s);
        AddEmployee(u"200000000"_s, u"ΒΑΣΙΛΕΙΟΥ ΝΙΚΟΣ"_s);
        const CommandRun written = orva({u"report"_s, u"employees"_s, u"--out"_s, u"employees.txt"_s});
        QCOMPARE(written.exitCode, int(CommandDone));
        QProcess process;
        process.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        process.start(QStringLiteral(ORVA_EXECUTABLE),
                      {u"report"_s, u"employees"_s, u"--format"_s, u"txt"_s, u"--out"_s, u"-"_s,
                       u"--data-dir"_s, m_folder->path()});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), int(CommandDone));
        QCOMPARE(process.readAllStandardOutput(), ReadAll(out(u"employees.txt"_s)));
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 u"orva: Η εγγραφή του αρχείου ολοκληρώθηκε.\n"_s);
    }

    void aDeviceOrAPipeIsWrittenIntoAndAFailedWriteIsStatus4() {
        AddEmployee(u"100000000"_s, u"ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"_s);
        QVERIFY(orva({u"report"_s, u"employees"_s, u"--out"_s, u"employees.pdf"_s}).exitCode == CommandDone);
        const QByteArray pdf = ReadAll(out(u"employees.pdf"_s));

        // A pipe: what a reader at its other end receives is the whole file.
        const QByteArray fifo = QFile::encodeName(out(u"pipe"_s));
        QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);
        QProcess reader;
        reader.start(u"cat"_s, {out(u"pipe"_s)});
        QVERIFY(reader.waitForStarted());
        const CommandRun piped =
            orva({u"report"_s, u"employees"_s, u"--format"_s, u"pdf"_s, u"--out"_s, u"pipe"_s});
        QVERIFY(reader.waitForFinished(60000));
        QCOMPARE(piped.exitCode, int(CommandDone));
        QCOMPARE(pdfPages(out(u"employees.pdf"_s)).size(), 1);
        const QByteArray received = reader.readAllStandardOutput();
        QCOMPARE(received.size(), pdf.size());
        QVERIFY(received.startsWith("%PDF-"));
        QFileInfo pipe(out(u"pipe"_s));
        QVERIFY(!pipe.isFile());
        QVERIFY(pipe.exists());

        // A device that is always full: a failed write, and the device is still a device.
        if (::geteuid() != 0)
            QSKIP("making a device file needs root");
        const QByteArray device = QFile::encodeName(out(u"full"_s));
        QVERIFY(::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 7)) == 0);
        const CommandRun full =
            orva({u"report"_s, u"employees"_s, u"--format"_s, u"txt"_s, u"--out"_s, u"full"_s});
        QCOMPARE(full.exitCode, int(CannotWriteFile));
        QVERIFY2(full.err.startsWith(u"orva: Το αρχείο full δεν μπορεί να γραφτεί ("_s),
                 qPrintable(full.err));
        QVERIFY2(full.err.contains(u"δεν υπάρχει χώρος"_s), qPrintable(full.err));
        struct stat info {};
        QVERIFY(::stat(device.constData(), &info) == 0);
        QVERIFY(S_ISCHR(info.st_mode));
    }

    void aFormatThatContradictsTheNameIsRefused() {
        AddEmployee(u"100000000"_s, u"ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"_s);
        expectBadArguments(
            {u"report"_s, u"employees"_s, u"--format"_s, u"pdf"_s, u"--out"_s, u"x.xlsx"_s},
            u"Η μορφή pdf δεν ταιριάζει με την κατάληξη .xlsx του αρχείου x.xlsx· δώστε όνομα με "
            u"κατάληξη .pdf ή αφήστε τη μορφή να βγει από την κατάληξη."_s);
        // The two text formats share their names, and a name of no format is the user's.
        QCOMPARE(
            orva({u"report"_s, u"employees"_s, u"--format"_s, u"asc"_s, u"--out"_s, u"x.txt"_s}).exitCode,
            int(CommandDone));
        QCOMPARE(
            orva({u"report"_s, u"employees"_s, u"--format"_s, u"pdf"_s, u"--out"_s, u"x.dat"_s}).exitCode,
            int(CommandDone));
        QVERIFY(ReadAll(out(u"x.dat"_s)).startsWith("%PDF-"));
    }

    void aTerminalSeesTheProgressLine() {
        addNovember();
        // script(1) gives the command a terminal for its standard error.
        const QString command =
            u"'%1' report entries --from 01/11/2026 --to 30/11/2026 --out nov.pdf "
            u"--data-dir '%2' 2>&1"_s.arg(QStringLiteral(ORVA_EXECUTABLE), m_folder->path());
        QProcess script;
        script.setWorkingDirectory(m_out->path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"QT_QPA_PLATFORM"_s);
        script.setProcessEnvironment(environment);
        script.start(u"script"_s, {u"-qec"_s, command, u"/dev/null"_s});
        QVERIFY(script.waitForFinished(60000));
        QCOMPARE(script.exitCode(), 0);
        const QString shown = QString::fromUtf8(script.readAllStandardOutput());
        QVERIFY2(shown.contains(u"\r\x1b[KΕγγραφή του nov.pdf, γραμμή "_s), qPrintable(shown));
        QVERIFY(shown.contains(
            u"/%1 (100%)"_s.arg(entryIndex({{}, {}, {}, u"01/11/2026"_s, u"30/11/2026"_s, 0}).LineCount())));
        // The line is erased before the result is printed.
        QVERIFY(shown.contains(u"\r\x1b[Knov.pdf: Η εγγραφή του αρχείου ολοκληρώθηκε."_s));
    }

    void aReportCutAtTheLimitIsWrittenButNotDone() {
        // 21,334 entries of three lines each: two lines more than a report holds.
        QSqlQuery query(DbConnection());
        DbConnection().transaction();
        AddEmployee(u"100000000"_s, u"ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"_s);
        query.prepare(
            u"Insert Into Kins (Eafm,Kdate,Korario,Kparat) Values ('100000000',?,'08:00','Υπερωρία')"_s);
        QDate day(1960, 1, 1);
        for (int i = 0; i < 21334; ++i, day = day.addDays(1)) {
            query.addBindValue(day.toString(u"yyyyMMdd"_s));
            QVERIFY(query.exec());
        }
        DbConnection().commit();
        const CommandRun run = orva({u"report"_s, u"entries"_s, u"--from"_s, u"01/01/1960"_s, u"--to"_s,
                                     u"31/12/2030"_s, u"--format"_s, u"asc"_s, u"--out"_s, u"all.asc"_s});
        QCOMPARE(run.exitCode, int(CommandFailed));
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err,
                 u"orva: Η εκτύπωση χωράει έως 64.000 γραμμές· 2 γραμμές έμειναν έξω από το all.asc. "
                 u"Στενέψτε την επιλογή (ημερομηνίες ή ΑΦΜ).\n"_s);
        // What the report holds is there: 1,015 pages of 63 lines and two blank ones, then
        // the last 55 lines filled up to 66.
        QCOMPARE(CrLfLines(ReadAll(out(u"all.asc"_s))).size(), 1015 * 65 + 66);
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<QTemporaryDir> m_out; // the current folder of the command
};

QTEST_MAIN(ReportCommandTest)
#include "ReportCommandTest.moc"
