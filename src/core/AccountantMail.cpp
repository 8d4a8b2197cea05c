#include "AccountantMail.h"

#include "ProgramValues.h"
#include "Services.h"

#include <QDir>

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
