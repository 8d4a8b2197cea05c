#pragma once

#include "logic/core/services/Clock.h"
#include "logic/core/services/Dialogs.h"
#include "logic/core/services/Processes.h"
#include "logic/core/services/Settings.h"

#include <functional>
#include <memory>

class QObject;

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

// What keeps a setting's value beyond one use listens for the settings the user changes
// while the program runs; the listening ends with the context object.
void listenToSettings(QObject* context, std::function<void()> changed);
// Installs the new settings and tells every listener.
void changeSettings(std::unique_ptr<Settings> settings);
} // namespace Services
