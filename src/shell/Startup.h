#pragma once

// Starts Orva: runs the command the arguments name, if they name one; otherwise chooses and
// prepares the data folder, installs the services, shows the main window and runs until the
// program ends. Returns the exit code.
int RunOrva(int argc, char** argv);
