#pragma once

#include <QString>
#include <functional>

struct WindowEntry;

// The windows that need a heavy part of Qt are built into libraries of their own, beside the
// program: liborva_browser.so holds those that host the browser engine (Qt WebEngine, which
// brings Qt Quick and QML), liborva_pdfview.so those that show a PDF (Qt PDF). The program
// loads a library when the first of its windows opens, so that the commands and the windows
// that need neither never wait for them.
namespace WindowModules {

inline constexpr char Browser[] = "orva_browser";
inline constexpr char PdfView[] = "orva_pdfview";

// The function a library exports for the program to call once it is loaded ("<name>_windows"):
// it hands over its windows with provide() and what ends with the program with atEnd().
QByteArray entryPoint(const char* library);

// The library's file: beside the program (run from the build), or in ../lib/orva (installed).
QString libraryFile(const char* library);

// Puts a window of a library in the window catalogue: opening it loads the library first. A
// window whose library cannot be loaded does not open; the user is told why.
void addChild(const char* library, const QString& name);
void addModal(const char* library, const QString& name);

// Loads the library once; false, once the user has been told why, when it cannot be loaded
// (and on every later call). A library the process already holds (linked in) is not loaded
// again: its entry point is called.
bool load(const char* library);
bool isLoaded(const char* library);

// Called by a library as it is loaded.
void provide(const QString& name, const WindowEntry& entry);
void atEnd(std::function<void()> close);

// Runs what the loaded libraries left to do at the end of the program (the windows of their
// own, such as the portals' browsers, are closed); nothing when none was loaded.
void end();

} // namespace WindowModules
