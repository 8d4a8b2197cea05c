#pragma once

// Strova, the setup launcher at the root of the installation media: its window over the
// folder it was started from.
int RunStrova(int argc, char** argv);

// Greek for Qt's own texts in the launcher's boxes and file dialog (the column headings, the
// context menu), from the Greek translation of Qt that the installation media carries inside
// the launcher. False when it could not be loaded; the launcher then runs with Qt's English.
bool UseGreekQtTexts();
