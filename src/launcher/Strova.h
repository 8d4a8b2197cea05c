#pragma once

// Strova, the setup launcher at the root of the installation media: its window over the
// folder it was started from.
int RunStrova(int argc, char** argv);
