#pragma once

// The check for a newer program version on the maker's web servers (Update/PrimaryHost,
// then Update/FallbackHost of Orva.ini), the updater, and the two remote-support tools.

struct UpdateCheckResult {
    bool newer = false;
    // The user accepted the update and the updater started: the program ends now.
    bool endProgram = false;
};

// prompt true is the timer's check: a newer version is offered (Yes starts the updater) and
// nothing is shown otherwise, not even when the servers cannot be reached. prompt false is
// the toolbar's: it says when there is nothing newer, when no server is configured and when
// none answered; it never asks. A check asked for while one is waiting returns at once; a
// press of the toolbar's button meanwhile is answered by the waiting check when it ends, as
// the toolbar's check answers (a newer version then starts the updater: endProgram).
UpdateCheckResult CheckForUpdate(bool prompt);

// Starts the updater of Update/UpdaterProgram; false (after a box) when it is missing or
// does not start.
bool StartUpdater();

// "Live Support 2" (tool 2) and "Live Support 8" (tool 8): runs the stop command of
// Support/StopCommand when one is set, then starts the tool; the program keeps running.
void StartRemoteSupport(int tool);
