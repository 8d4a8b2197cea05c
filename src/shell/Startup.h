#pragma once

// Names the application and makes it speak Greek (locale and Qt's own texts). Runs right
// after the application object is made, before any window.
void PrepareApplication();

// Starts Orva: runs the command the arguments name, if they name one; otherwise chooses and
// prepares the data folder, installs the services, shows the main window and runs until the
// program ends. Returns the exit code.
int RunOrva(int argc, char** argv);
