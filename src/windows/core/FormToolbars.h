#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStyle>

class QToolBar;
class QWidget;

// A picture of the list and selection windows' toolbars: the file of the data folder, its
// key, and the theme icon and standard icon that stand in when the file is missing.
struct ToolbarPictureEntry {
    QString file;
    QString key;
    QString themeName;
    QStyle::StandardPixmap standard;
};

// The eleven pictures of a list window's toolbar, in the order of its buttons: select, new,
// update, delete, print, copy, page up, row up, row down, page down, exit.
const QList<ToolbarPictureEntry>& ListToolbarPictures();
// The pictures of a selection window's toolbar in mode 0 to 3, the exit picture last; empty
// for any other mode.
QList<ToolbarPictureEntry> OutputToolbarPictures(int mode);

// Gives button i of the toolbar (its i-th action that is not a separator) picture i of the
// list toolbar, for every button up to the eleventh.
void BuildListToolbar(QToolBar* toolbar);
// The same for a selection window with the pictures of the mode; mode 1 sets the tool tips
// "Αρχείο" and "Ηλεκτρονική Αποστολή" on buttons 1 and 2, mode 2 "Αρχείο Εισφορών" on
// button 2, modes 0 and 3 leave the tool tips alone. Other modes change nothing.
void BuildOutputToolbar(QToolBar* toolbar, int mode);

// A selection window's toolbar "Tools" with one button per tool tip (Tools_1, Tools_2, ...),
// given the pictures of the mode.
QToolBar* CreateOutputToolbar(QWidget* window, const QStringList& tips, int mode);
