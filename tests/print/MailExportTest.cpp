#include "logic/print/MailExport.h"
#include "ExportTestSupport.h"
#include "LatinSentences.h"
#include "OfficeFiles.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "TestMailServer.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/print/AccountantMail.h"
#include "logic/print/SmtpMail.h"

#include <QJsonObject>
#include <QTest>

using namespace JobBuilder;
using namespace ExportTestSupport;
using namespace Qt::StringLiterals;

// The e-mail export and the mail to the accountant, sent to a real mail server on this
// machine and read back from what it received.
class MailExportTest : public QObject {
    Q_OBJECT

    static inline const QString Title = u"ΚΑΤΑΣΤΑΣΗ ΗΛΕΚΤΡΟΝΙΚΩΝ ΑΠΟΣΤΟΛΩΝ ΣΥΜΠΛΗΡΩΜΑΤΙΚΟΥ ΩΡΑΡΙΟΥ"_s;

    // Three lines under a long Greek title; frm names the windows the rows lead to.
    static void fill(PrintJob& job, const QString& frm = {}, const QStringList& keys = {}) {
        job.InitTitles(frm, {});
        for (int i = 1; i <= 3; ++i)
            job.PutLine(Line(u"Γραμμή %1"_s.arg(i), 40), keys.value(i - 1));
        job.FixTitles(u"   "_s + Title + u"  "_s, 0, 0);
        job.FixTitles(u"ΠΕΡΙΓΡΑΦΗ"_s.leftJustified(39) + u'|', 1, 1);
        job.Initprint(40, 2, 0, 0, true, false, false, {}, {}, {});
        job.firstPage();
    }

    // The one message the server received in this test.
    QJsonObject received() {
        const QJsonArray messages = m_server->messages();
        return messages.size() == 1 ? messages.first().toObject() : QJsonObject();
    }

    QByteArray attachment(const QJsonObject& message) {
        return QByteArray::fromBase64(
            message[u"attachments"_s].toArray().first()[u"data"_s].toString().toLatin1());
    }

    // The export to the address proposed, with the given choice of the pop-up menu.
    void send(const PrintJob& job, int choice, const QString& address = u"logistis@example.gr"_s) {
        m_dialogs->inputs = {address};
        m_dialogs->popUpChoices = {choice};
        ExportToEmail(job);
    }

    const MessageBox& lastBox() const { return m_dialogs->boxes.last(); }

private slots:
    void initTestCase() {
        m_server = std::make_unique<TestMailServer>();
        QString error;
        QVERIFY2(m_server->start(&error), qPrintable(error));
    }
    void cleanupTestCase() { m_server.reset(); }

    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        QVERIFY(m_folder->openDatabase());
        m_dialogs = &InstallScriptedDialogs();
        m_settings = &InstallDefaultSettings();
        InstallFixedClock(QDateTime(QDate(2026, 12, 8), QTime(9, 30)));
        Program.WorkDate = QDate(2026, 12, 8);
        Program.Params.SmtpServer = u"127.0.0.1"_s;
        Program.Params.Cemail = u"owner@example.gr"_s;
        Program.Params.Cepon = u"Ο Φούρνος ΕΠΕ"_s;
        Program.Params.Lemail = u"logistis@example.gr"_s;
        m_settings->set(u"Mail/SmtpPort"_s, QString::number(m_server->port()));
        m_server->clear();
    }
    void cleanup() { m_folder.reset(); }

    void theReportAsTextWithItsGreekSubject() {
        PrintJob job;
        fill(job);
        send(job, 1);
        // The report names no company: the accountant's address is proposed.
        QCOMPARE(m_dialogs->inputDefaults, QStringList{u"logistis@example.gr"_s});
        QCOMPARE(m_dialogs->popUps.first(),
                 (QStringList{u"Κείμενο"_s, u"Συνημμένο"_s, u"Συμπιεσμένο"_s, u"Pdf"_s}));
        QCOMPARE(lastBox().title, u"Αποστολή E-Mail"_s);
        QCOMPARE(lastBox().icon, MsgIcon::Information);

        const QJsonObject mail = received();
        QCOMPARE(mail[u"rcpt"_s].toString(), u"logistis@example.gr"_s);
        QCOMPARE(mail[u"mailfrom"_s].toString(), u"owner@example.gr"_s);
        QCOMPARE(mail[u"subject"_s].toString(), Title);
        // On the wire the subject is plain ASCII: encoded words.
        const QString raw = mail[u"rawSubject"_s].toString();
        QVERIFY2(raw.startsWith(u"=?UTF-8?B?"_s), qPrintable(raw));
        QCOMPARE(mail[u"from"_s].toString(), u"Ο Φούρνος ΕΠΕ <owner@example.gr>"_s);
        QVERIFY(mail[u"date"_s].toString().contains(u"08 Dec 2026 09:30:00"_s));
        QVERIFY(mail[u"messageId"_s].toString().endsWith(u"@example.gr>"_s));
        const QStringList body = mail[u"body"_s].toString().split(u'\n');
        QCOMPARE(body.value(0), (u"   "_s + Title).left(39));
        QCOMPARE(body.value(1), u"ΠΕΡΙΓΡΑΦΗ"_s.leftJustified(39));
        QCOMPARE(body.value(2), QString(40, u'-'));
        QCOMPARE(body.value(3), u"Γραμμή 1"_s.leftJustified(39));
        QCOMPARE(body.value(5), u"Γραμμή 3"_s.leftJustified(39));
        QVERIFY(mail[u"attachments"_s].toArray().isEmpty());
    }

    void theTextFileAttached() {
        PrintJob job;
        fill(job);
        const QString path = m_folder->file(u"Κατάσταση.Asc"_s);
        m_dialogs->fileNames = {path};
        send(job, 2, u"a@example.gr; b@example.gr"_s);
        QCOMPARE(m_dialogs->withTitle(u"Εξαγωγή στοιχείων"_s).size(), 1);
        const QJsonObject mail = received();
        QCOMPARE(mail[u"rcpt"_s].toString(), u"a@example.gr, b@example.gr"_s);
        const QJsonObject file = mail[u"attachments"_s].toArray().first().toObject();
        QCOMPARE(file[u"filename"_s].toString(), u"Κατάσταση.Asc"_s);
        QCOMPARE(file[u"type"_s].toString(), u"text/plain"_s);
        const QByteArray written = ReadAll(path);
        QVERIFY(written.contains(Cp1253(u"Γραμμή 1"_s)));
        QCOMPARE(attachment(mail), written);
    }

    void theTextFileInAZipArchive() {
        PrintJob job;
        fill(job);
        const QString path = m_folder->file(u"Κατάσταση.Asc"_s);
        m_dialogs->fileNames = {path};
        send(job, 3);
        const QJsonObject mail = received();
        const QJsonObject file = mail[u"attachments"_s].toArray().first().toObject();
        QCOMPARE(file[u"filename"_s].toString(), u"Κατάσταση.Zip"_s);
        QCOMPARE(file[u"type"_s].toString(), u"application/zip"_s);
        const QString archive = m_folder->file(u"Κατάσταση.Zip"_s);
        QCOMPARE(attachment(mail), ReadAll(archive));
        const ZipContents zip = ReadZip(archive);
        QVERIFY2(zip.error.isEmpty(), qPrintable(zip.error));
        QCOMPARE(zip.names, QStringList{u"Κατάσταση.Asc"_s});
        QCOMPARE(zip.data.first(), ReadAll(path));
    }

    void thePdfAttached() {
        PrintJob job;
        fill(job);
        const QString path = m_folder->file(u"Prt.pdf"_s);
        m_dialogs->fileNames = {path};
        send(job, 4);
        QVERIFY(!m_dialogs->wasShown(43));
        const QJsonObject mail = received();
        const QJsonObject file = mail[u"attachments"_s].toArray().first().toObject();
        QCOMPARE(file[u"filename"_s].toString(), u"Prt.pdf"_s);
        QCOMPARE(file[u"type"_s].toString(), u"application/pdf"_s);
        QVERIFY(ReadAll(path).startsWith("%PDF"));
        QCOMPARE(attachment(mail), ReadAll(path));
    }

    void aRefusedRecipientIsReportedWithTheServersReply() {
        PrintJob job;
        fill(job);
        send(job, 1, u"nobody@example.gr"_s);
        QVERIFY(m_server->messages().isEmpty());
        QCOMPARE(lastBox().title, u"ΠΡΟΣΟΧΗ"_s);
        QCOMPARE(lastBox().icon, MsgIcon::Critical);
        // The server's own reply is for «Λεπτομέρειες»; the box says in Greek what to do.
        QCOMPARE(lastBox().text,
                 u"Το email δεν στάλθηκε.\r\nΟ διακομιστής αλληλογραφίας δεν δέχτηκε το μήνυμα.\r\n"
                 u"Ελέγξτε τη διεύθυνση του παραλήπτη και δοκιμάστε ξανά."_s);
        QVERIFY2(lastBox().details.contains(u"Recipient address rejected: User unknown"_s),
                 qPrintable(lastBox().details));
        for (const MessageBox& box : m_dialogs->boxes)
            QVERIFY(!box.text.startsWith(u"Το email στάλθηκε"_s));
    }

    void aServerThatIsNotThereIsReported() {
        m_settings->set(u"Mail/SmtpPort"_s, QString::number(TestMailServer::FreePort()));
        PrintJob job;
        fill(job);
        send(job, 1);
        QCOMPARE(m_dialogs->boxes.size(), 2); // the address asked, then the failure
        QCOMPARE(lastBox().icon, MsgIcon::Critical);
        QVERIFY(lastBox().text.startsWith(
            u"Το email δεν στάλθηκε.\r\nΟ διακομιστής αλληλογραφίας «127.0.0.1» δεν δέχεται σύνδεση."_s));
        QVERIFY2(LatinSentences(lastBox().text).isEmpty(), qPrintable(lastBox().text));
        QVERIFY(!lastBox().details.isEmpty());
    }

    void nothingIsSentWithoutAnAnswer() {
        PrintJob job;
        fill(job);
        m_dialogs->inputs = {std::nullopt};
        ExportToEmail(job);
        QVERIFY(m_dialogs->popUps.isEmpty());
        m_dialogs->clear();
        send(job, 0); // the menu dismissed
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QCOMPARE(m_dialogs->boxes.first().text, u"Διεύθυνση αποστολής"_s);
        QVERIFY(m_dialogs->fileRequests.isEmpty());
        QVERIFY(m_server->messages().isEmpty());
    }

    void withoutAServerTheUserIsToldWhatToSetUp() {
        Program.Params.SmtpServer.clear();
        PrintJob job;
        fill(job);
        ExportToEmail(job);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        QVERIFY(m_dialogs->boxes.first().text.contains(u"SMTP"_s));
        QVERIFY(m_dialogs->inputDefaults.isEmpty());
    }

    void aReportWithTheCompanyBridgeProposesTheCompanysAddress() {
        m_folder->exec(u"Insert Into Company (Ccode, Cemail) Values ('A1', 'info@a1.gr')"_s);
        const QString a1 = QString(47, u' ') + u"A1"_s.leftJustified(47);
        const QString b2 = QString(47, u' ') + u"B2"_s.leftJustified(47);
        // Field 1 holds the company: the same on every line.
        PrintJob job;
        fill(job, u"Ergaz     LbCompDt  "_s, {a1, QString(), a1});
        send(job, 1, u"info@a1.gr"_s);
        QCOMPARE(m_dialogs->inputDefaults, QStringList{u"info@a1.gr"_s});
        QCOMPARE(received()[u"rcpt"_s].toString(), u"info@a1.gr"_s);

        // Two companies in one report: message 109, nothing asked.
        m_dialogs->clear();
        PrintJob two;
        fill(two, u"Ergaz     LbCompDt  "_s, {a1, a1, b2});
        ExportToEmail(two);
        QCOMPARE(m_dialogs->numbers(), QList<int>{109});
        QVERIFY(m_dialogs->inputDefaults.isEmpty());

        // A company without an address: message 37.
        m_dialogs->clear();
        PrintJob unknown;
        fill(unknown, u"Ergaz     LbCompDt  "_s, {b2, b2, b2});
        ExportToEmail(unknown);
        QCOMPARE(m_dialogs->numbers(), QList<int>{37});
    }

    void theMailToTheAccountant() {
        Program.SubmissionLog = u"123456789 08/12/2026 Αποστολή 9:00-17:00\r\n"_s;
        Failure failure;
        QVERIFY2(SendAccountantMail(&failure), qPrintable(failure.text));
        const QJsonObject mail = received();
        QCOMPARE(mail[u"rcpt"_s].toString(), u"logistis@example.gr"_s);
        QCOMPARE(mail[u"mailfrom"_s].toString(), u"owner@example.gr"_s);
        QCOMPARE(mail[u"subject"_s].toString(), u"Ηλεκτρονικές Αποστολές Ο Φούρνος ΕΠΕ"_s);
        QCOMPARE(mail[u"body"_s].toString(), u"123456789 08/12/2026 Αποστολή 9:00-17:00\n"_s);

        Program.Params.Lemail = u"nobody@example.gr"_s;
        QVERIFY(!SendAccountantMail(&failure));
        QVERIFY(failure.details.contains(u"User unknown"_s));
    }

    void archiveNames_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("archive");
        QTest::newRow("extension") << u"C:\\Data\\Report.Asc"_s << u"C:\\Data\\Report.Zip"_s;
        QTest::newRow("no extension") << u"C:\\Data\\Report"_s << u"C:\\Data\\Report.Zip"_s;
        QTest::newRow("dot in a folder")
            << u"/home/anna/.local/share/Orva/Prt.Asc"_s << u"/home/anna/.local/share/Orva/Prt.Zip"_s;
        QTest::newRow("first dot of the name") << u"/data/Report.2026.Asc"_s << u"/data/Report.Zip"_s;
    }
    void archiveNames() {
        QFETCH(QString, file);
        QFETCH(QString, archive);
        QCOMPARE(ArchiveName(file), archive);
    }

    void headerWordsStayShort() {
        const QString encoded = EncodeHeaderText(Title);
        for (const QString& word : encoded.split(u"\r\n "_s)) {
            QVERIFY(word.startsWith(u"=?UTF-8?B?"_s) && word.endsWith(u"?="_s));
            QVERIFY(word.size() <= 75);
        }
        QCOMPARE(EncodeHeaderText(u"Report 1"_s), u"Report 1"_s);
    }

private:
    std::unique_ptr<TestMailServer> m_server;
    std::unique_ptr<TestDataFolder> m_folder;
    ScriptedDialogs* m_dialogs = nullptr;
    DefaultSettings* m_settings = nullptr;
};

QTEST_MAIN(MailExportTest)
#include "MailExportTest.moc"
