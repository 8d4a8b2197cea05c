#include "logic/print/MailExport.h"

#include "logic/core/database/ReportStatements.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/print/ExportFiles.h"
#include "logic/print/PdfExport.h"
#include "logic/print/PrintJob.h"
#include "logic/print/SmtpMail.h"
#include "logic/print/TextExport.h"
#include "logic/print/ZipArchive.h"
#include "logic/records/LbPopUp.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QString MailTitle = u"Αποστολή E-Mail"_s;
const QString CompanyBridge = u"LbCompDt"_s;

enum MailChoice { AsText = 1, AsAttachment, AsArchive, AsPdf };

// The address proposed for the mail: the e-mail of the report's company when the report
// names one through its company bridge, else the accountant's. Nothing when the mail must
// not go (a box has said why).
std::optional<QString> proposedAddress(const PrintJob& job) {
    const int bridge = int(job.bridgeForms().indexOf(CompanyBridge, 0));
    if (bridge < 0)
        return Program.Params.Lemail;
    // One company only: the first code from the top and the last from the bottom agree.
    QString first;
    QString last;
    for (int i = 0; i < job.LineCount() && first.isEmpty(); ++i)
        first = job.keyField(i, bridge);
    for (int i = job.LineCount() - 1; i >= 0 && last.isEmpty(); --i)
        last = job.keyField(i, bridge);
    if (first != last) {
        ShowMsg(109);
        return std::nullopt;
    }
    const int selected = job.selectedLine();
    const QString code = selected >= 0 ? job.keyField(selected, bridge) : QString();
    DbStatus status;
    const QString address = SelectCompanyEmail(code, &status);
    if (!status.ok()) {
        ShowDatabaseError(status);
        return std::nullopt;
    }
    if (address.trimmed().isEmpty()) {
        ShowMsg(37);
        return std::nullopt;
    }
    return address.trimmed();
}

void showFailure(const QString& reason, const QString& details = {}) {
    ShowFailure(u"ΠΡΟΣΟΧΗ"_s, {u"Το email δεν στάλθηκε.\r\n"_s + reason, details});
}

} // namespace

QString ArchiveName(const QString& fileName) {
    const qsizetype slash = qMax(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    const qsizetype dot = fileName.indexOf(u'.', slash + 1);
    if (dot < 0)
        return fileName + u".Zip"_s;
    return fileName.left(dot + 1) + u"Zip"_s;
}

QString MailBodyText(const PrintJob& job) {
    const int width = ExportWidth(job);
    QString body;
    for (int t = 0; t < job.Ptit(); ++t)
        body += job.titleLine(t).left(width - 1) + u"\r\n"_s;
    body += QString(width, u'-') + u"\r\n"_s;
    for (int i = 0; i < job.LineCount(); ++i)
        body += job.line(i).left(width - 1) + u"\r\n"_s;
    return body;
}

void ExportToEmail(const PrintJob& job) {
    const std::optional<QString> proposed = proposedAddress(job);
    if (!proposed)
        return;
    const MailServer server = ConfiguredMailServer();
    const QString sender = Program.Params.Cemail.trimmed();
    if (server.host.isEmpty() || sender.isEmpty()) {
        ShowBox(u"ΠΡΟΣΟΧΗ"_s,
                u"Για την αποστολή email συμπληρώστε τον διακομιστή SMTP και το email της εταιρείας "
                "στις παραμέτρους σύνδεσης."_s,
                MsgIcon::Information);
        return;
    }
    const std::optional<QString> answer =
        Services::dialogs().inputText(MailTitle, u"Διεύθυνση αποστολής"_s, *proposed);
    if (!answer || answer->trimmed().isEmpty())
        return;

    const int choice = AskPopUp(u"Κείμενο|Συνημμένο|Συμπιεσμένο|Pdf|"_s);
    // A dismissed menu sends nothing: an empty mail is of no use to anyone.
    if (choice < AsText || choice > AsPdf)
        return;

    MailMessage message;
    message.from = sender;
    message.fromName = Program.Params.Cepon;
    message.to = MailAddresses(*answer);
    message.subject = job.caption();
    if (choice == AsText) {
        message.body = MailBodyText(job);
    } else if (choice == AsAttachment || choice == AsArchive) {
        QString file;
        if (!ToFile(job, PagedTextFile, WindowsGreek, file))
            return;
        if (choice == AsArchive) {
            const QString archive = ArchiveName(file);
            QString error;
            if (!ZipFile(archive, file, &error)) {
                const Failure failure = FileFailure(FileAction::Write, archive, error);
                showFailure(failure.text, failure.details);
                return;
            }
            file = archive;
        }
        message.attachments << file;
    } else {
        const QString pdf = ExportToPdf(job, false);
        if (pdf.isEmpty())
            return;
        message.attachments << pdf;
    }

    const MailResult result = SendMail(server, message);
    if (!result.sent) {
        showFailure(result.error, result.details);
        return;
    }
    ShowBox(MailTitle, u"Το email στάλθηκε στη διεύθυνση %1."_s.arg(message.to.join(u", "_s)),
            MsgIcon::Information);
}
