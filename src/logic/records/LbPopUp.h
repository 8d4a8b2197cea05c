#pragma once

#include <QString>

// The pop-up menu picker: shows the items of Program.PopUpItems at the mouse position and
// sets Program.PopUpChoice to the 1-based number of the item clicked, 0 when the menu is
// dismissed.
void LoadLbPopUp();

// Asks the pop-up menu: the items ("item|item|...|") go to Program.PopUpItems and the answer
// is the 1-based number of the item chosen, 0 when the menu was dismissed (PopUpChoice).
int AskPopUp(const QString& items);
// The same, leaving PopUpChoice as it was: a question asked between a question and the
// window that reads its answer.
int AskPopUpAside(const QString& items);
