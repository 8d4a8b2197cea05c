#include "windows/core/MdiHost.h"

#include "windows/core/ChildWindow.h"
#include "windows/core/WindowCatalogue.h"

#include <QApplication>
#include <QMdiSubWindow>

namespace {
MdiHost* g_host = nullptr;
}

MdiHost::MdiHost(QWidget* parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("MdiArea"));
    g_host = this;
    connect(this, &QMdiArea::subWindowActivated, this, &MdiHost::onSubWindowActivated);
}

MdiHost::~MdiHost() {
    if (g_host == this)
        g_host = nullptr;
}

MdiHost* MdiHost::instance() {
    return g_host;
}

ChildWindow* MdiHost::findChildWindow(const QString& name) const {
    for (QMdiSubWindow* frame : subWindowList()) {
        auto* window = qobject_cast<ChildWindow*>(frame->widget());
        if (window && window->objectName() == name)
            return window;
    }
    return nullptr;
}

QList<ChildWindow*> MdiHost::childWindows() const {
    QList<ChildWindow*> windows;
    for (QMdiSubWindow* frame : subWindowList()) {
        if (auto* window = qobject_cast<ChildWindow*>(frame->widget()))
            windows << window;
    }
    return windows;
}

ChildWindow* MdiHost::openChild(const QString& name) {
    if (ChildWindow* open = findChildWindow(name)) {
        QMdiSubWindow* frame = open->subWindow();
        if (frame->isMinimized())
            frame->showNormal();
        setActiveSubWindow(frame);
        return open;
    }
    const WindowEntry* entry = WindowCatalogue::find(name);
    if (!entry || !entry->createChild)
        return nullptr;
    ChildWindow* made = entry->createChild();
    // Null for a window of a library that could not be loaded (the user has been told).
    return made ? addChild(made) : nullptr;
}

ChildWindow* MdiHost::addChild(ChildWindow* window) {
    // A window that was given a size keeps it; one that was not takes its layout's size.
    const QPoint wanted = window->pos();
    window->ensurePolished();
    const QSize inside = window->testAttribute(Qt::WA_Resized) ? window->size() : window->sizeHint();
    QMdiSubWindow* frame = addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(QApplication::windowIcon());
    FitFrameToWindow(frame, inside.expandedTo(window->minimumSize()));
    // The frame's layout places the window below its title bar.
    frame->move(wanted);
    frame->show();
    window->setFocus();
    setActiveSubWindow(frame);
    return window;
}

int MdiHost::showModal(const QString& name) {
    return WindowCatalogue::showModal(name, window());
}

void MdiHost::onSubWindowActivated(QMdiSubWindow* frame) {
    // "No active child" also comes when the whole main window loses the focus (a modal
    // dialog, another program); the child that was active stays the program's active one.
    if (!frame && (QApplication::activeModalWidget() || !window()->isActiveWindow()) && m_active &&
        m_active->isVisible())
        return;
    auto* child = frame ? qobject_cast<ChildWindow*>(frame->widget()) : nullptr;
    if (child == m_active)
        return;
    QPointer<ChildWindow> previous = m_active;
    m_active = child;
    if (previous && previous->isVisible())
        previous->deactivated();
    if (child && m_active == child && !child->isMinimizedChild())
        child->activated();
}
