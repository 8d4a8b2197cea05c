#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

// orva looks at its arguments and becomes the program that serves them, before anything of Qt
// is loaded. The windows and the commands that write a report are orva-gui's, beside it, which
// this process becomes; every other command runs here, from liborva_commands.so, which links
// Qt's core and SQL libraries and nothing of the graphics. The look is a quick one: the
// command line checks every line again and hands on to orva-gui what it finds is not its own.

namespace {

std::filesystem::path g_folder;
char** g_arguments = nullptr;

std::filesystem::path programFolder(const char* calledAs) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = calledAs;
    return self.parent_path();
}

// A report command's words (but not its help), or only the data folder (or nothing) for the
// windows.
bool forTheGraphicalProgram(int argc, char** argv) {
    bool option = false;
    bool report = false;
    bool word = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help" || argument == "-v" || argument == "--version")
            return false;
        if (argument == "--data-dir")
            ++i; // its value is the folder, not a word
        else if (argument.starts_with('-'))
            option = option || !argument.starts_with("--data-dir=");
        else if (!word) {
            word = true;
            report = argument == "report" || argument == "history";
        }
    }
    return word ? report : !option;
}

// Returns only when orva-gui cannot be started, having said why.
int startGraphicalProgram() {
    const std::string program = (g_folder / "orva-gui").string();
    ::execv(program.c_str(), g_arguments);
    std::perror(("Το πρόγραμμα " + program + " δεν ξεκίνησε").c_str());
    return 1;
}

// Installed, the library is in lib/orva; in the build, beside orva.
int runCommandLine(int argc, char** argv) {
    std::filesystem::path library = g_folder / "liborva_commands.so";
    if (!std::filesystem::exists(library))
        library = g_folder / "../lib/orva/liborva_commands.so";
    void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    using Entry = int (*)(int, char**, int (*)());
    const auto entry = handle ? reinterpret_cast<Entry>(::dlsym(handle, "OrvaCommandLine")) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "Το πρόγραμμα δεν ξεκίνησε: %s\n", ::dlerror());
        return 1;
    }
    return entry(argc, argv, startGraphicalProgram);
}

} // namespace

int main(int argc, char** argv) {
    g_folder = programFolder(argv[0]);
    g_arguments = argv;
    if (forTheGraphicalProgram(argc, argv))
        return startGraphicalProgram();
    return runCommandLine(argc, argv);
}
