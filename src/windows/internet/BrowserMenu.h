#pragma once

#include <QList>
#include <QString>
#include <QWebEnginePage>

class QMenu;
class QWebEngineView;

// The right-click menu of an embedded browser, in Greek and with what makes sense in its
// window: the editing commands everywhere; moving back, forward and reloading only where the
// user browses freely (a submission page is driven by the program and is left where it is).
// Saving the page, viewing its source and opening links in other windows are never offered.
enum class BrowserMenuKind { Editing, Browsing };

struct BrowserMenuItem {
    QWebEnginePage::WebAction action;
    QString caption;
    bool enabled = true;
    int group = 0; // the menu separates groups with a line
};

// What the menu offers for a right click: on editable text, its editing commands; elsewhere
// copying the selection and selecting everything; on a link, copying its address.
struct BrowserClick {
    bool editable = false;
    bool hasSelection = false;
    bool onLink = false;
    bool canUndo = false;
    bool canRedo = false;
    bool canCut = false;
    bool canCopy = false;
    bool canPaste = false;
    bool canGoBack = false;
    bool canGoForward = false;
};
QList<BrowserMenuItem> BrowserMenuItems(BrowserMenuKind kind, const BrowserClick& click);

// Replaces the browser's own English menu of the view by this one.
void UseGreekBrowserMenu(QWebEngineView* view, BrowserMenuKind kind);
