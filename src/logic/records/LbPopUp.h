#pragma once

// The pop-up menu picker: shows the items of Program.PopUpItems at the mouse position and
// sets Program.PopUpChoice to the 1-based number of the item clicked, 0 when the menu is
// dismissed.
void LoadLbPopUp();
