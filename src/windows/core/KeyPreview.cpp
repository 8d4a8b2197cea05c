#include "windows/core/KeyPreview.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), m_window(window), m_handler(std::move(handler)) {
    watch(window);
}

void KeyPreview::watch(QWidget* control) {
    QList<QWidget*> widgets = control->findChildren<QWidget*>();
    widgets.prepend(control);
    for (QWidget* widget : widgets) {
        if (!m_watched.contains(widget)) {
            widget->installEventFilter(this);
            m_watched.insert(widget);
            connect(widget, &QObject::destroyed, this, [this, widget] { m_watched.remove(widget); });
        }
    }
}

// A key goes to the focus widget and, when that ignores it, on to its parents; the key is
// looked at once, by the first watched widget on that way.
bool KeyPreview::isFirstReceiver(const QObject* watched) const {
    for (const QWidget* up = m_window->focusWidget(); up && up != m_window; up = up->parentWidget()) {
        if (m_watched.contains(up))
            return up == watched;
    }
    return watched == m_window;
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    if (!isFirstReceiver(watched))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // The handler may close and delete the window, and this object with it.
    if (!m_handler(key))
        return false;
    key->accept();
    return true;
}

bool IsDropDownArrow(const QKeyEvent* event) {
    if (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down)
        return false;
    for (const QWidget* up = QApplication::focusWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up))
            return true;
    }
    return false;
}
