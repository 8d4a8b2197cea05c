#pragma once

#include <QList>
#include <QString>
#include <functional>

class Main;
class QLabel;

// Commands of the main window's toolbar that are not windows (the update check, the
// remote-support tools), registered at start-up.
namespace MainCommands {
void add(const QString& name, std::function<void()> command);
void run(const QString& name);
} // namespace MainCommands

// The main window's menus, toolbar and status bar, built from their tables.
void BuildMainMenus(Main& main);
void BuildMainToolbar(Main& main);
// The six status-bar panels, left to right.
QList<QLabel*> BuildMainStatusBar(Main& main);
