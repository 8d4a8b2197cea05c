#include "shell/Commands.h"

#include "logic/core/database/DatabaseCommands.h"
#include "logic/internet/SubmitCommand.h"
#include "logic/maintenance/CheckCommand.h"
#include "logic/maintenance/MaintenanceCommands.h"
#include "logic/print/HistoryCommand.h"
#include "logic/print/ReportCommands.h"
#include "logic/records/ImportCommand.h"
#include "shell/Startup.h"

#include <QGuiApplication>

namespace {
QtMessageHandler g_qtMessages = nullptr;

// A command's user reads its own messages on standard error; Qt's notes about the platform
// (a missing runtime folder and the like) would only be noise there.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && g_qtMessages)
        g_qtMessages(type, context, text);
}
} // namespace

const QList<Command>& OrvaCommands() {
    static const QList<Command> commands = {
        ReportEntriesCommand(), ReportEmployeesCommand(), ImportCommand(), BackupCommand(),
        RestoreCommand(),       CheckCommand(),           SubmitCommand(), HistoryCommand(),
        DatabaseInitCommand(),  DatabaseCopyCommand(),
    };
    return commands;
}

bool IsCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return NamesCommand(arguments);
}

int RunCommands(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtMessages = qInstallMessageHandler(keepSeriousMessages);
    QGuiApplication app(argc, argv);
    // The name, the Greek locale and the Greek texts of Qt (the parser's among them).
    PrepareApplication();
    QGuiApplication::setApplicationVersion(QStringLiteral(ORVA_VERSION));
    return RunCommandLine(QGuiApplication::arguments(), OrvaCommands());
}
