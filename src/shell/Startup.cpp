#include "shell/Startup.h"

#include "logic/core/database/Database.h"
#include "logic/core/files/DataFolder.h"
#include "logic/core/files/IniSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/core/services/SystemServices.h"
#include "logic/internet/WebEngineSetup.h"
#include "logic/print/HistoryCommand.h"
#include "logic/print/ReportCommands.h"
#include "shell/Commands.h"
#include "shell/LiveCommands.h"
#include "shell/Main.h"
#include "shell/SettingsJoin.h"
#include "shell/Windows.h"
#include "windows/core/WidgetDialogs.h"
#include "windows/core/WindowCatalogue.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

int RunOrva(int argc, char** argv) {
    JoinOrvaSettings();
    if (IsCommandLine(argc, argv)) {
        PrepareCommandProcess();
        QGuiApplication app(argc, argv);
        return RunCommands(OrvaCommands(ReportEntriesCommand(), ReportEmployeesCommand(), HistoryCommand()));
    }
    // The browser engine loads with the first window that hosts a browser (WindowModules).
    PrepareBrowserFlags();
    QApplication app(argc, argv);
    PrepareApplication();

    Services::install(std::make_unique<WidgetDialogs>());
    Services::install(std::make_unique<SystemClock>());
    Services::install(std::make_unique<SystemProcesses>());

    const QString folder = ChooseDataFolder(QApplication::arguments(), QApplication::applicationDirPath());
    QString details;
    if (const QString error = PrepareDataFolder(folder, &details); !error.isEmpty()) {
        ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), {error, details});
        return 1;
    }
    Program.AppPath = QDir::cleanPath(folder);
    // The installed icon of the desktop's theme; run from the build, the data folder's copy.
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("orva"), QIcon(AppFile(QStringLiteral("Orva.png")))));
    Services::install(std::make_unique<IniSettings>(AppFile(QStringLiteral("Orva.ini"))));
    UseConfiguredDatabaseServer();

    RegisterWindows();
    RegisterLiveCommands();
    Main main;
    QObject::connect(&main, &Main::ended, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    if (main.hasEnded())
        return main.exitCode();
    // Without a window manager to maximise it, the window still opens at a useful size.
    if (const QScreen* screen = QApplication::primaryScreen())
        main.resize(screen->availableSize() * 9 / 10);
    main.showMaximized();
    const int code = app.exec();
    return main.hasEnded() ? main.exitCode() : code;
}
