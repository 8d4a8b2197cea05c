#include "logic/print/AccountantMail.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/print/SmtpMail.h"

#include <QDir>
#include <QFileInfo>

MailToolCommand AccountantMailCommand() {
    const ParamValues& p = Program.Params;
    const QString tool = Services::settings().value(QStringLiteral("Mail/SmtpMailProgram"));
    MailToolCommand command;
    command.program = QDir::isAbsolutePath(tool) ? tool : AppFile(tool);
    command.arguments = {QStringLiteral("From=") + p.Cemail,
                         QStringLiteral("To=") + p.Lemail,
                         QStringLiteral("Body=") + Program.SubmissionLog,
                         QStringLiteral("Subject=Ηλεκτρονικές Αποστολές ") + p.Cepon,
                         QStringLiteral("Server=") + p.SmtpServer,
                         QStringLiteral("License=") +
                             Services::settings().value(QStringLiteral("Mail/SmtpMailLicense")),
                         QStringLiteral("Gui")};
    return command;
}

bool MailToolInstalled() {
    return QFileInfo(AccountantMailCommand().program).isFile();
}

bool SendAccountantMail(Failure* failure) {
    const ParamValues& p = Program.Params;
    MailMessage message;
    message.from = p.Cemail;
    message.fromName = p.Cepon;
    message.to = MailAddresses(p.Lemail);
    message.subject = QStringLiteral("Ηλεκτρονικές Αποστολές ") + p.Cepon;
    message.body = Program.SubmissionLog;
    const MailResult result = SendMail(ConfiguredMailServer(), message);
    if (!result.sent && failure)
        *failure = {result.error, result.details};
    return result.sent;
}
