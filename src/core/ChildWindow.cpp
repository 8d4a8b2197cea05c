#include "ChildWindow.h"

#include "Twips.h"

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
        frame->adjustSize();
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
