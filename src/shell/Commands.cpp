#include "shell/Commands.h"

#include "logic/core/database/DatabaseCommands.h"
#include "logic/core/text/GreekLanguage.h"
#include "logic/internet/SubmitCommand.h"
#include "logic/maintenance/CheckCommand.h"
#include "logic/maintenance/MaintenanceCommands.h"
#include "logic/records/ImportCommand.h"

#include <QCoreApplication>

namespace {
QtMessageHandler g_qtMessages = nullptr;

// A command's user reads its own messages on standard error; Qt's notes about the platform
// (a missing runtime folder and the like) would only be noise there.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && g_qtMessages)
        g_qtMessages(type, context, text);
}
} // namespace

QList<Command> OrvaCommands(const Command& reportEntries, const Command& reportEmployees,
                            const Command& history) {
    return {
        reportEntries,  reportEmployees, ImportCommand(), BackupCommand(),       RestoreCommand(),
        CheckCommand(), SubmitCommand(), history,         DatabaseInitCommand(), DatabaseCopyCommand(),
    };
}

bool IsCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return NamesCommand(arguments);
}

void PrepareApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Orva"));
    QCoreApplication::setOrganizationName(QStringLiteral("Orva"));
    UseGreekLanguage();
}

void PrepareCommandProcess() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtMessages = qInstallMessageHandler(keepSeriousMessages);
}

int RunCommands(const QList<Command>& commands) {
    PrepareApplication();
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVA_VERSION));
    return RunCommandLine(QCoreApplication::arguments(), commands);
}
