#include "logic/print/ReportCommandLines.h"
#include "shell/Commands.h"
#include "shell/SettingsJoin.h"

#include <QCoreApplication>

// liborva_commands.so: the commands, loaded by orva when its arguments name one. It links Qt's
// core and SQL libraries and the logic the commands call, and nothing of the graphics: the
// windows and the commands that write a report run in orva-gui, which orva's
// startGraphicalProgram makes of this process, with the same arguments. That returns only
// when orva-gui cannot be started, having said why.

extern "C" __attribute__((visibility("default"))) int OrvaCommandLine(int argc, char** argv,
                                                                      int (*startGraphicalProgram)()) {
    if (!IsCommandLine(argc, argv))
        return startGraphicalProgram();
    JoinOrvaSettings();
    PrepareCommandProcess();
    QCoreApplication app(argc, argv);
    const auto handedOver = [startGraphicalProgram](Command command) {
        command.run = [startGraphicalProgram](const CommandCall&) { return startGraphicalProgram(); };
        command.handedOver = true;
        return command;
    };
    return RunCommands(OrvaCommands(handedOver(ReportEntriesCommandLine()),
                                    handedOver(ReportEmployeesCommandLine()),
                                    handedOver(HistoryCommandLine())));
}
