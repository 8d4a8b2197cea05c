// A copy of the program for tests that need a second process: the real main window on the
// data folder given with --data-dir, with every box printed to standard output instead of
// shown, and the work-date window accepted at once. Prints "running" once started.
#include "MainTestSupport.h"
#include "ScriptedDialogs.h"
#include "logic/core/files/DataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "shell/Main.h"
#include "shell/Windows.h"
#include "windows/core/WindowCatalogue.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int at = arguments.indexOf(QStringLiteral("--data-dir"));
    if (at < 0 || at + 1 >= arguments.size())
        return 2;
    Program.AppPath = QDir(arguments.at(at + 1)).absolutePath();
    if (!PrepareDataFolder(Program.AppPath).isEmpty())
        return 2;
    ScriptedDialogs& dialogs = InstallScriptedDialogs();
    dialogs.onMessage = [](const MessageBox& box) {
        std::printf("box %d %s\n", box.number, qPrintable(box.title));
        std::fflush(stdout);
    };
    RegisterWindows();
    WindowCatalogue::addModal(QStringLiteral("Lbenter"),
                              [](QWidget* parent) { return new AcceptAtOnceDialog(parent); });
    Main main;
    QObject::connect(&main, &Main::ended, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    if (main.hasEnded())
        return main.exitCode();
    main.show();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&main, &poll] {
        if (main.firstActivationDone()) {
            std::printf("running\n");
            std::fflush(stdout);
            poll.stop();
        }
    });
    poll.start(20);
    const int code = app.exec();
    return main.hasEnded() ? main.exitCode() : code;
}
