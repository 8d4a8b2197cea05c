#pragma once

#include <functional>

// Switches the program's internet services on or off at once: the main window's update
// check (armed for 45 seconds from now, or stopped) and the news reader's refresh.
void ApplyInternetSwitch(bool on);

// The news reader alone follows the switch (at start-up, once the work date is chosen).
void ApplyNewsSwitch(bool on);

// The main window tells here how its update check follows the switch; an empty handler
// when it goes. Kept apart from the main window so that the work-date window, which holds
// the switch, never reaches up into it.
void SetUpdateSwitchHandler(std::function<void(bool on)> handler);

// The news reader tells here how it follows the switch (its refresh timer and status
// pictures); an empty handler when it goes.
void SetNewsSwitchHandler(std::function<void(bool on)> handler);
