#pragma once

#include <QObject>
#include <QRect>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Small pieces shared by the record windows.

// A rectangle given in twips, in pixels.
QRect TwipsRect(int left, int top, int width, int height);

// A caption label of a window (named Lbl_index, coloured as a caption by ColourForm).
QLabel* MakeCaptionLabel(QWidget* window, int index, const QString& text, const QRect& twips);
QLineEdit* MakeTextBox(QWidget* window, const QString& name, int maxLength, const QRect& twips);
// A multi-line box with a vertical scroll bar that holds at most maxLength characters.
QPlainTextEdit* MakeMultiLineBox(QWidget* window, const QString& name, int maxLength, const QRect& twips);

// An apostrophe typed into the field arrives as a grave accent, as every record field
// stores it.
void TypeGraveAccents(QWidget* field);

// Calls left() when the focus leaves the field for another control of the same window.
// The focus going to another window (the user switching windows, a box being shown)
// does not count: the field is still the window's current one.
void OnLeavingField(QWidget* field, std::function<void()> left);
// Calls entered() when the field gets the focus.
void OnEnteringField(QWidget* field, std::function<void()> entered);
