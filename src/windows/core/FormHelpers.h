#pragma once

// The helpers every data window uses: colours, input fields and their tab indexes, keyboard
// navigation between the fields, the tax-number check and number formatting on boxes.
// The key convention is in FormKeys.h and the toolbar pictures in FormToolbars.h, both
// included here so that a window needs this one header. A data window, once its controls
// are built:
//     SetInputOrder({m_eafm, m_eepon, m_eypo});
//     ColourForm(this);
//     new FormKeys(this, m_exitBut, m_saveBut);

#include "windows/core/FormKeys.h"
#include "windows/core/FormToolbars.h"

#include <QList>

class QLineEdit;
class QWidget;

// Input fields are the text boxes (line edits, text edits, spin boxes), combo boxes and check
// boxes of a window. Each one carries a tab index, numbered from 0 in the order the user goes
// through them; the navigation helpers find the fields by it.
void SetTabIndex(QWidget* field, int index);
// The field's tab index, or -1 when it has none.
int TabIndex(const QWidget* field);
// Numbers the fields 0, 1, 2 ... in the order given and chains the Tab key in the same order.
void SetInputOrder(const QList<QWidget*>& fields);

bool IsInputField(const QWidget* widget);
// The window's own input fields (not the parts inside a combo box, spin box, grid ...),
// hidden and disabled ones included.
int CountInputFields(const QWidget* window);
// The input field of the window with the tab index, or nullptr.
QWidget* FindInputField(const QWidget* window, int index);

// Focus to the next input field after the active one that is enabled and visible, going
// round to the first after field count - 1. Nothing happens when no field can take it.
void FocusNextField(QWidget* window, int count);
// Focus to the previous enabled and visible field, going round to the last one (count - 1
// downwards). A disabled or hidden field at tab index 1 sends the search round at once,
// so field 0 is then reached only from the end.
void FocusPreviousField(QWidget* window, int count);

// Applies Program.Colours: the window background; caption labels (named Lbl or Lbl_n) and
// check boxes in the label colours; other labels, text boxes, combo boxes and grids in the
// field colours (a grid's selection in the field colours swapped, its headers in the label
// colours); the titles of frames in the label fore colour.
void ColourForm(QWidget* window);

// Completes the date typed in the box from the work date ("05" -> "05/03/2009"), as a date
// box does when it loses the focus; a text that is no date is cleared. True when the box
// holds a valid date.
bool CompleteDateField(QLineEdit* box);
// Trims the tax number in the box, writes it back and warns once when it is not a valid AFM.
// True when it warned.
bool CheckAfm(QLineEdit* box);
// Normalises a numeric box to the wanted decimals, with or without thousands points, within
// the box's maximum length.
void FormatNumberField(QLineEdit* box, int decimals, bool thousands);
