#include "logic/print/ReportCommandLines.h"
#include "shell/Commands.h"
#include "shell/SettingsJoin.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

// liborva_commands.so: the commands, loaded by orva when its arguments name one. It links Qt's
// core and SQL libraries and the logic the commands call, and nothing of the graphics: the
// windows and the commands that write a report run in orva-gui, beside orva, which this
// process becomes with the same arguments.

namespace {

std::filesystem::path graphicalProgram(const char* calledAs) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = calledAs;
    return self.parent_path() / "orva-gui";
}

// Returns only when orva-gui cannot be started, having said why.
int handOver(char** argv) {
    const std::string program = graphicalProgram(argv[0]).string();
    ::execv(program.c_str(), argv);
    const int error = errno;
    std::fprintf(stderr, "Το πρόγραμμα %s δεν ξεκίνησε: %s\n", program.c_str(), std::strerror(error));
    return CommandFailed;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int OrvaCommandLine(int argc, char** argv) {
    if (!IsCommandLine(argc, argv))
        return handOver(argv);
    JoinOrvaSettings();
    PrepareCommandProcess();
    QCoreApplication app(argc, argv);
    const auto handedOver = [argv](Command command) {
        command.run = [argv](const CommandCall&) { return handOver(argv); };
        command.handedOver = true;
        return command;
    };
    return RunCommands(OrvaCommands(handedOver(ReportEntriesCommandLine()),
                                    handedOver(ReportEmployeesCommandLine()),
                                    handedOver(HistoryCommandLine())));
}
