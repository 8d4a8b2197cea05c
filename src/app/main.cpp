#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

// orva looks at its arguments and becomes the program that serves them, before anything of Qt
// is loaded. The windows are orva-gui's, beside it, which this process becomes. The commands
// run here, from liborva_commands.so, which links Qt's core and SQL libraries and nothing of
// the graphics. A report command reads its line and the database there; only a report with
// lines to show loads liborva_report_commands.so, which has the print engine and Qt's GUI
// library, and is run again by it.

namespace {

std::filesystem::path g_folder;
int g_argc = 0;
char** g_arguments = nullptr;

std::filesystem::path programFolder(const char* calledAs) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = calledAs;
    return self.parent_path();
}

// Only the data folder (or nothing) is for the windows; anything else is a command line.
bool forTheWindows(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--data-dir")
            ++i; // its value is the folder
        else if (!argument.starts_with("--data-dir="))
            return false;
    }
    return true;
}

// Returns only when orva-gui cannot be started, having said why.
int startGraphicalProgram() {
    const std::string program = (g_folder / "orva-gui").string();
    ::execv(program.c_str(), g_arguments);
    std::perror(("Το πρόγραμμα " + program + " δεν ξεκίνησε").c_str());
    return 1;
}

// Installed, the libraries are in lib/orva; in the build, beside orva. Nothing when the
// library or its entry cannot be loaded, having said why.
void* commandEntry(const char* library, const char* entry) {
    std::filesystem::path path = g_folder / library;
    if (!std::filesystem::exists(path))
        path = g_folder / "../lib/orva" / library;
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* found = handle ? ::dlsym(handle, entry) : nullptr;
    if (!found)
        std::fprintf(stderr, "Το πρόγραμμα δεν ξεκίνησε: %s\n", ::dlerror());
    return found;
}

// Called by the command line, its application object gone, for a report that has lines.
int runReportCommands() {
    using Entry = int (*)(int, char**);
    const auto entry =
        reinterpret_cast<Entry>(commandEntry("liborva_report_commands.so", "OrvaReportCommands"));
    return entry ? entry(g_argc, g_arguments) : 1;
}

int runCommandLine() {
    using Entry = int (*)(int, char**, int (*)(), int (*)());
    const auto entry = reinterpret_cast<Entry>(commandEntry("liborva_commands.so", "OrvaCommandLine"));
    return entry ? entry(g_argc, g_arguments, startGraphicalProgram, runReportCommands) : 1;
}

} // namespace

int main(int argc, char** argv) {
    g_folder = programFolder(argv[0]);
    g_argc = argc;
    g_arguments = argv;
    return forTheWindows(argc, argv) ? startGraphicalProgram() : runCommandLine();
}
