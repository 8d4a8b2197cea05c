#include "logic/print/TextExport.h"
#include "ExportTestSupport.h"
#include "Golden.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/print/ExportFiles.h"

#include <QBuffer>
#include <QTest>

using namespace JobBuilder;
using namespace ExportTestSupport;
using namespace Qt::StringLiterals;

// The text files of the preview's export: the paged file with headers and the import file,
// byte for byte, and the save dialog around them.
class TextExportTest : public QObject {
    Q_OBJECT

    static QByteArray exported(const PrintJob& job, int selected, int charset = WindowsGreek) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        WriteTextExport(job, selected, charset, buffer);
        return bytes;
    }

    // A report 40 characters wide with a title and a column title.
    static void fillReport(PrintJob& job, const QStringList& lines, const QString& code,
                           const QString& company, bool date = true, bool page = true) {
        job.InitTitles({}, {});
        for (const QString& line : lines)
            job.PutLine(line, {});
        job.FixTitles(u"ΚΑΤΑΣΤΑΣΗ"_s, 0, 0);
        job.FixTitles(u"ΟΝΟΜΑ"_s + QString(34, u' ') + u'|', 1, 1);
        job.Initprint(40, 2, 0, 0, date, page, false, code, company, {});
    }

    static QList<QByteArray> blanks(int count, const QByteArray& blank = " ") {
        return QList<QByteArray>(count, blank);
    }

    static constexpr Golden::ShownAs Cp1253Text = Golden::ShownAs::Windows1253;

private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        m_dialogs = &InstallScriptedDialogs();
        Program.WorkDate = QDate(2026, 12, 8);
    }
    void cleanup() { m_folder.reset(); }

    // Each page: the header line, the title and the column titles between rules, the lines,
    // filled up with blank lines to 66.
    void aFirstLineWithPageBreakEndsTheFirstPage() {
        PrintJob job;
        fillReport(job, {Line(u"ΑΛΦΑ"_s, 40, 1, u'#'), Line(u"ΒΗΤΑ"_s, 40)}, u"001"_s, u"ΕΤΑΙΡΕΙΑ"_s);
        GOLDEN_COMPARE(exported(job, PagedTextFile), u"print/text/break-after-the-first-line.txt"_s,
                       Cp1253Text);
    }

    void aBreakOnTheLastLineAddsNoEmptyPage() {
        PrintJob job;
        fillReport(job, {Line(u"A"_s, 40), Line(u"B"_s, 40, 1, u'#')}, {}, {}, false, false);
        const QList<QByteArray> written = CrLfLines(exported(job, PagedTextFile));
        QCOMPARE(written.size(), 66);
        QCOMPARE(written.at(5), QByteArray("B").leftJustified(39));
        QCOMPARE(written.mid(6), blanks(60));
    }

    // No header, and the page break of line 3 is ignored: 63 lines and two blank ones a page.
    void theImportFileBreaksEverySixtyThreeLines() {
        PrintJob job;
        QStringList lines;
        for (int i = 1; i <= 130; ++i)
            lines << Line(u"Γραμμή %1"_s.arg(i), 40, 1, i == 3 ? u'#' : u' ');
        fillReport(job, lines, u"001"_s, u"ΕΤΑΙΡΕΙΑ"_s);
        GOLDEN_COMPARE(exported(job, ImportTextFile), u"print/text/import-file-of-130-lines.asc"_s,
                       Cp1253Text);
    }

    // Without a column title: the header line, the title and its rule, 60 lines, two blank
    // lines; the last page filled up to 66 lines.
    void thePagedFileHasSixtySixLinePages() {
        PrintJob job;
        QStringList lines;
        for (int i = 1; i <= 70; ++i)
            lines << Line(u"L%1"_s.arg(i), 40);
        fillReport(job, lines, {}, {}, true, false);
        job.FixTitles(u" "_s, 1, 0);
        GOLDEN_COMPARE(exported(job, PagedTextFile), u"print/text/two-pages-without-column-titles.txt"_s,
                       Cp1253Text);
    }

    // "^" draws a rule under its row, "@" repeats the titles; "*" ends the page when the rows
    // it keeps together fit on the next one (5 rows) and not when they would not (70 rows).
    void rowMarkersOfThePagedFile() {
        PrintJob job;
        fillReport(job,
                   {Line(u"A"_s, 40, 1, u'^'), Line(u"B"_s, 40, 1, u'@'), Line(u"C"_s, 40, 1, u'*', u"05 "_s),
                    Line(u"D"_s, 40, 1, u'*', u"70 "_s), Line(u"E"_s, 40)},
                   {}, {}, false, false);
        GOLDEN_COMPARE(exported(job, PagedTextFile), u"print/text/row-markers.txt"_s, Cp1253Text);
    }

    void theHeaderOfAReportWithoutCompanyCode() {
        PrintJob job;
        fillReport(job, {Line(u"X"_s, 40)}, {}, u"ΕΤΑΙΡΕΙΑ ΑΕ"_s);
        const QList<QByteArray> written = CrLfLines(exported(job, PagedTextFile));
        QCOMPARE(written.first(),
                 Cp1253(QString(14, u' ') + u"08/12/2026"_s + QString(7, u' ') + u"Σελίδα:1 "_s));
        QVERIFY(!written.first().contains(Cp1253(u"ΕΤΑΙΡΕΙΑ"_s)));
        QCOMPARE(written.size(), 66);
    }

    void theDosChoiceWritesCodePage737() {
        PrintJob job;
        fillReport(job, {Line(u"Ας"_s, 40)}, {}, {}, false, false);
        const QList<QByteArray> dos = CrLfLines(exported(job, ImportTextFile, DosGreek));
        QCOMPARE(quint8(dos.first().at(0)), quint8(128));
        QCOMPARE(quint8(dos.first().at(1)), quint8(170));
        const QList<QByteArray> win = CrLfLines(exported(job, ImportTextFile, WindowsGreek));
        QCOMPARE(quint8(win.first().at(0)), quint8(193));
        QCOMPARE(quint8(win.first().at(1)), quint8(242));
        // Any other choice (a dismissed menu) writes Windows Greek as well.
        QCOMPARE(CrLfLines(exported(job, ImportTextFile, 0)), win);
    }

    void charactersOutsideTheCodePageBecomeQuestionMarks() {
        bool lossy = false;
        QCOMPARE(EncodeExportText(u"Α中Β"_s, WindowsGreek, &lossy), QByteArray("\xC1?\xC2"));
        QVERIFY(lossy);
        lossy = false;
        QCOMPARE(EncodeExportText(u"€ ΑΒ"_s, WindowsGreek, &lossy), QByteArray("\x80 \xC1\xC2"));
        QVERIFY(!lossy);
    }

    // The exports drop the control characters (Unicode's category Cc) but the tab from a
    // cell's text, and keep every other character as it is.
    void cellsLoseTheirControlCharactersOnly() {
        QString every;
        for (char16_t c = 0; c < 0x3000; ++c)
            every += QChar(c);
        QString expected;
        for (const QChar c : every) {
            if (c.category() != QChar::Other_Control || c == u'\t')
                expected += c;
        }
        QCOMPARE(PrintableText(every), expected);
        QCOMPARE(expected.size(), every.size() - 64);
        QCOMPARE(PrintableText(u"ΑΦΜ\t090000045"_s), u"ΑΦΜ\t090000045"_s);
    }

    void savingAsksForTheFileAndReportsCompletion() {
        PrintJob job;
        fillReport(job, {Line(u"Ας"_s, 40)}, {}, {}, false, false);
        const QString path = m_folder->file(u"out/Κατάσταση.Asc"_s);
        QDir().mkpath(m_folder->file(u"out"_s));
        m_dialogs->popUpChoices = {DosGreek};
        m_dialogs->fileNames = {path};
        ExportToFile(job, ImportTextFile);

        QCOMPARE(m_dialogs->popUps.first(), (QStringList{u"Γραμματοσειρά Win"_s, u"Γραμματοσειρά Dos"_s}));
        QCOMPARE(m_dialogs->fileRequests.size(), 1);
        QCOMPARE(m_dialogs->fileRequests.first().title, u"Ονομα αρχείου εκτύπωσης"_s);
        QCOMPARE(m_dialogs->fileRequests.first().proposedName, m_folder->file(u"Prt.Asc"_s));
        QCOMPARE(Program.LastExportFolder, m_folder->file(u"out/"_s));
        const QByteArray bytes = ReadAll(path);
        QCOMPARE(quint8(bytes.at(0)), quint8(128));
        QCOMPARE(CrLfLines(bytes).size(), 66);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().title, u"Εξαγωγή στοιχείων"_s);
        QCOMPARE(m_dialogs->boxes.first().text, u"Η μεταφορά ολοκληρώθηκε."_s);
        QCOMPARE(m_dialogs->boxes.first().icon, MsgIcon::Information);

        // The next export starts in that folder; an existing file is replaced only on OK.
        m_dialogs->clear();
        m_dialogs->popUpChoices = {WindowsGreek};
        m_dialogs->fileNames = {path};
        m_dialogs->answers = {MsgAnswer::Cancel};
        ExportToFile(job, ImportTextFile);
        QCOMPARE(m_dialogs->fileRequests.first().proposedName, m_folder->file(u"out/Prt.Asc"_s));
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().title, u"ΠΡΟΣΟΧΗ !!!"_s);
        QCOMPARE(m_dialogs->boxes.first().text, u"To αρχείο υπάρχει ήδη."_s);
        QCOMPARE(m_dialogs->boxes.first().buttons, MsgButtons::OkCancel);
        QCOMPARE(m_dialogs->boxes.first().defaultAnswer, MsgAnswer::Cancel);
        QCOMPARE(ReadAll(path), bytes);

        m_dialogs->clear();
        m_dialogs->popUpChoices = {WindowsGreek};
        m_dialogs->fileNames = {path};
        m_dialogs->answers = {MsgAnswer::Ok};
        QString written;
        QVERIFY(ToFile(job, ImportTextFile, WindowsGreek, written));
        QCOMPARE(written, path);
        QCOMPARE(quint8(ReadAll(path).at(0)), quint8(193));
    }

    void aCancelledDialogWritesNothing() {
        PrintJob job;
        fillReport(job, {Line(u"A"_s, 40)}, {}, {});
        m_dialogs->popUpChoices = {WindowsGreek};
        ExportToFile(job, PagedTextFile);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().icon, MsgIcon::Critical);
        QVERIFY(Program.LastExportFolder.isEmpty());
        QVERIFY(!QFile::exists(m_folder->file(u"Prt.Asc"_s)));
    }

    void aFileThatCannotBeWrittenIsReported() {
        PrintJob job;
        fillReport(job, {Line(u"A"_s, 40)}, {}, {});
        m_dialogs->fileNames = {m_folder->file(u"missing/folder/Prt.Asc"_s)};
        QString written;
        QVERIFY(!ToFile(job, PagedTextFile, WindowsGreek, written));
        QVERIFY(written.isEmpty());
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().title, u"ΠΡΟΣΟΧΗ"_s);
        QCOMPARE(m_dialogs->boxes.first().icon, MsgIcon::Critical);
        QVERIFY(!m_dialogs->boxes.first().text.isEmpty());
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
};

QTEST_MAIN(TextExportTest)
#include "TextExportTest.moc"
