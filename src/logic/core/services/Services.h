#pragma once

#include "logic/core/services/Clock.h"
#include "logic/core/services/Dialogs.h"
#include "logic/core/services/Processes.h"
#include "logic/core/services/Settings.h"

#include <memory>

// The four services through which windows reach the outside world. Start-up installs the
// production implementations; tests install scripted ones.
namespace Services {
Dialogs& dialogs();
Processes& processes();
Clock& clock();
Settings& settings();

void install(std::unique_ptr<Dialogs> dialogs);
void install(std::unique_ptr<Processes> processes);
void install(std::unique_ptr<Clock> clock);
void install(std::unique_ptr<Settings> settings);
} // namespace Services
