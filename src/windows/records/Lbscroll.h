#pragma once

#include "windows/core/ChildWindow.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

// The pick list: a child window listing text items for a single or a multiple choice. The
// caller opens it (OpenLbscroll), calls InitScroll and reads the answer when it is activated
// again after the list has closed: Program.ScrollChoice (single choice, 1-based, 0 for none)
// or Program.ScrollMarks (multiple choice, "1"/"0" per item, "" when cancelled).
class Lbscroll : public ChildWindow {
    Q_OBJECT
public:
    explicit Lbscroll(QWidget* parent = nullptr);

    // Places the window at (X, Y) twips inside the main window, sets its caption and fills
    // the list with the items ("item|item|...|"); MultiSel chooses the multiple-choice list.
    void InitScroll(double X, int Y, const QString& caption, const QString& items, bool MultiSel);

    void deactivated() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QListWidget* visibleList() const;
    void accept();
    void cancel();
    void finish();
    void layOut(int listWidthTwips);

    QListWidget* m_lists[2];
    QPushButton* m_epilBut;
    QPushButton* m_exitBut;
    bool m_multiSel = false;
    bool m_finished = false;
};

// Opens the pick list inside the main window (one at a time); the caller then calls
// InitScroll. nullptr when there is no main window.
Lbscroll* OpenLbscroll();

// Forgets the marks of the last multiple choice: a window that reads them starts with none,
// not with those another window asked for.
void ForgetScrollMarks();
