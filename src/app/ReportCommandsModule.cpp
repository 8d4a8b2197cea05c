#include "logic/core/commandline/GraphicalWork.h"
#include "logic/core/program/LargePages.h"
#include "logic/print/HistoryCommand.h"
#include "logic/print/ReportCommands.h"
#include "shell/Commands.h"
#include "shell/SettingsJoin.h"

#include <QCoreApplication>
#include <QGuiApplication>

// liborva_report_commands.so: the commands that write a report, loaded by orva once the
// command line has found that the report has lines. It links Qt's GUI library but no widget,
// and holds every other command too. The report's lines are read from the database under a
// QCoreApplication; the pages are laid out and the file written once the command line has
// ended, under a QGuiApplication made in the first one's place.

extern "C" __attribute__((visibility("default"))) int OrvaReportCommands(int argc, char** argv) {
    KeepLargeBlocksInTheHeap();
    JoinOrvaSettings();
    PrepareCommandProcess();
    DeferGraphicalWork();
    int status = CommandDone;
    {
        const QCoreApplication reading(argc, argv);
        status =
            RunCommands(OrvaCommands(ReportEntriesCommand(), ReportEmployeesCommand(), HistoryCommand()));
    }
    const GraphicalWork work = TakeGraphicalWork();
    if (!work || status != CommandDone)
        return status;
    const QGuiApplication drawing(argc, argv);
    PrepareApplication();
    return work();
}
