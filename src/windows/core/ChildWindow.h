#pragma once

#include <QWidget>

class QMdiSubWindow;

// A work window that lives inside the main window's MDI area. The main window tells it when
// it becomes the active child and when another child takes over (a modal box or dialog in
// between does not count: the child is still the active one when it closes).
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget* parent = nullptr);

    // This window became the active child window.
    virtual void activated() {}
    // Another child window became active.
    virtual void deactivated() {}

    // Closes the window together with its frame in the MDI area.
    void closeWindow();
    // Places the window's frame at a position given in twips inside the MDI area.
    void placeAtTwips(int left, int top);
    // Sizes the window's inside from twips, the frame following.
    void resizeTwips(int width, int height);
    // The frame in the MDI area, or nullptr before the window is opened there.
    QMdiSubWindow* subWindow() const;
    bool isMinimizedChild() const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

// Sizes a child's frame so that the window inside it gets the given size.
void FitFrameToWindow(QMdiSubWindow* frame, const QSize& inside);
