#include "windows/core/ChildWindow.h"

#include "logic/core/program/Twips.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

ChildWindow::ChildWindow(QWidget* parent) : QWidget(parent) {}

QMdiSubWindow* ChildWindow::subWindow() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void ChildWindow::closeWindow() {
    if (QMdiSubWindow* frame = subWindow())
        frame->close();
    else
        close();
}

void ChildWindow::placeAtTwips(int left, int top) {
    QWidget* frame = subWindow() ? static_cast<QWidget*>(subWindow()) : this;
    frame->move(TwipsToPixels(left, top));
}

void ChildWindow::resizeTwips(int width, int height) {
    resize(TwipsSizeToPixels(width, height));
    if (QMdiSubWindow* frame = subWindow())
        FitFrameToWindow(frame, size());
}

void FitFrameToWindow(QMdiSubWindow* frame, const QSize& inside) {
    // The frame adds its border and title bar around the window; sizing the frame from the
    // window's size hint instead would undo a size the window was given.
    const QMargins border = frame->contentsMargins();
    frame->resize(inside.grownBy(border));
}

bool ChildWindow::isMinimizedChild() const {
    const QMdiSubWindow* frame = subWindow();
    return frame ? frame->isMinimized() : isMinimized();
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}
