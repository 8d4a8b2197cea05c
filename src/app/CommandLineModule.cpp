#include "logic/print/ReportCalls.h"
#include "logic/print/ReportCommandLines.h"
#include "shell/Commands.h"
#include "shell/SettingsJoin.h"

#include <QCoreApplication>

// liborva_commands.so: the commands, loaded by orva when its arguments name one. It links Qt's
// core and SQL libraries and the logic the commands call, and nothing of the graphics. A
// report command reads its line and looks at the database here: a report with nothing to
// show, or one that cannot be made, ends here; one with lines is run again, once this
// library's application object is gone, by liborva_report_commands.so, which orva's
// runReportCommands loads. A line that is not a command at all is for the windows, which
// startGraphicalProgram starts; it returns only when orva-gui cannot be started, having said
// why.

extern "C" __attribute__((visibility("default"))) int
OrvaCommandLine(int argc, char** argv, int (*startGraphicalProgram)(), int (*runReportCommands)()) {
    if (!IsCommandLine(argc, argv))
        return startGraphicalProgram();
    JoinOrvaSettings();
    PrepareCommandProcess();
    bool reportHasLines = false;
    const auto lookingFirst = [&reportHasLines](Command command, int (*look)(const CommandCall&)) {
        command.run = [&reportHasLines, look](const CommandCall& call) {
            const int status = look(call);
            reportHasLines = status == CommandDone;
            return status;
        };
        return command;
    };
    int status = CommandDone;
    {
        const QCoreApplication looking(argc, argv);
        status =
            RunCommands(OrvaCommands(lookingFirst(ReportEntriesCommandLine(), LookForEntryIndexLines),
                                     lookingFirst(ReportEmployeesCommandLine(), LookForEmployeeIndexLines),
                                     lookingFirst(HistoryCommandLine(), LookForHistoryLines)));
    }
    return reportHasLines ? runReportCommands() : status;
}
