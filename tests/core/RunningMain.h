#pragma once

#include "MainTestSupport.h"
#include "ScriptedDialogs.h"
#include "ScriptedServices.h"
#include "TestDataFolder.h"
#include "logic/core/files/UserLock.h"
#include "shell/LiveCommands.h"
#include "shell/Main.h"
#include "shell/Windows.h"
#include "windows/core/WindowCatalogue.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <memory>

// The real main window past its first activation on a new data folder, with scripted
// dialogs, processes and settings, its windows and toolbar commands registered: what the
// tests of the toolbar's commands start from. Created in init(), destroyed in cleanup().
class RunningMain {
public:
    RunningMain()
        : folder(std::make_unique<TestDataFolder>()), dialogs(InstallScriptedDialogs()),
          processes(InstallScriptedProcesses()), settings(InstallDefaultSettings()) {
        InstallFixedClock(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
        RegisterWindows();
        RegisterLiveCommands();
        WindowCatalogue::addModal(QStringLiteral("Lbenter"), [](QWidget* parent) {
            auto* dialog = new AcceptAtOnceDialog(parent);
            dialog->setObjectName(QStringLiteral("Lbenter"));
            return dialog;
        });
        main = std::make_unique<Main>();
        main->show();
        QTRY_VERIFY_WITH_TIMEOUT(main->firstActivationDone(), 10000);
    }
    ~RunningMain() {
        main.reset();
        ReleaseUserLock();
    }

    // Presses toolbar button n (MainTools_n); it must be enabled.
    void press(int button) {
        QAction* action = main->findChild<QAction*>(QStringLiteral("MainTools_%1").arg(button));
        QVERIFY(action && action->isEnabled());
        action->trigger();
    }
    // Puts an empty file (an outside tool where the program looks for it) in the data folder.
    void touch(const QString& name) {
        QFile file(folder->file(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QString file(const QString& name) const { return folder->file(name); }
    QString path() const { return folder->path(); }

    std::unique_ptr<TestDataFolder> folder;
    ScriptedDialogs& dialogs;
    ScriptedProcesses& processes;
    DefaultSettings& settings;
    std::unique_ptr<Main> main;
};
