#pragma once

// The main window's commands that are not windows: the toolbar's "Live Update",
// "Live Support 2" and "Live Support 8", and the update timer's check. Registered before the
// main window builds its toolbar.
void RegisterLiveCommands();
