#pragma once

#include <QList>

class QLabel;
class QStatusBar;

// The six panels of the main window's status bar, left to right: free text, Caps Lock,
// Num Lock, the clock, the database kind and the data folder. Named Stbar_1 .. Stbar_6.
QList<QLabel*> AddStatusPanels(QStatusBar* bar);
