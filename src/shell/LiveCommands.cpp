#include "shell/LiveCommands.h"

#include "logic/core/update/LiveUpdate.h"
#include "shell/Main.h"
#include "shell/MainCommands.h"

namespace {

// The toolbar's check never asks: a newer version starts the updater and ends the program.
void liveUpdate() {
    Main* main = Main::instance();
    if (!main)
        return;
    main->setUpdateTimerInterval(0);
    const UpdateCheckResult result = CheckForUpdate(false);
    if (main->hasEnded())
        return;
    if (result.newer && StartUpdater())
        main->endProgram(0);
}

void timerCheck() {
    const UpdateCheckResult result = CheckForUpdate(true);
    Main* main = Main::instance();
    if (result.endProgram && main && !main->hasEnded())
        main->endProgram(0);
}

} // namespace

void RegisterLiveCommands() {
    MainCommands::add(QStringLiteral("LiveUpdate"), liveUpdate);
    MainCommands::add(QStringLiteral("LiveSupport2"), [] { StartRemoteSupport(2); });
    MainCommands::add(QStringLiteral("LiveSupport8"), [] { StartRemoteSupport(8); });
    MainCommands::add(QStringLiteral("UpdateTimer"), timerCheck);
}
