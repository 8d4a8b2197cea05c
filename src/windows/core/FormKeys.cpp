#include "windows/core/FormKeys.h"

#include "windows/core/FormHelpers.h"
#include "windows/core/KeyPreview.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

FormKey FormKeyFor(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return FormKey::None;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        return FormKey::NextField;
    case Qt::Key_Up:
        return FormKey::PreviousField;
    case Qt::Key_Escape:
        return FormKey::Exit;
    case Qt::Key_F10:
        return FormKey::Accept;
    default:
        return FormKey::None;
    }
}

bool HandleFormKey(QWidget* window, QKeyEvent* event, QAbstractButton* exitButton,
                   QAbstractButton* acceptButton) {
    switch (FormKeyFor(event->key(), event->modifiers())) {
    case FormKey::NextField:
        FocusNextField(window, CountInputFields(window));
        break;
    case FormKey::PreviousField:
        FocusPreviousField(window, CountInputFields(window));
        break;
    case FormKey::Exit:
        if (!exitButton)
            return false;
        exitButton->click();
        break;
    case FormKey::Accept:
        if (!acceptButton)
            return false;
        acceptButton->click();
        break;
    case FormKey::None:
        return false;
    }
    event->accept();
    return true;
}

FormKeys::FormKeys(QWidget* window, QAbstractButton* exitButton, QAbstractButton* acceptButton)
    : QObject(window), m_window(window), m_exitButton(exitButton), m_acceptButton(acceptButton),
      m_preview(new KeyPreview(window, [this](QKeyEvent* event) { return handle(event); })) {}

void FormKeys::keepKeys(QWidget* control, const QList<int>& keys) {
    m_kept.append({control, keys});
}

void FormKeys::watch(QWidget* control) {
    m_preview->watch(control);
}

bool FormKeys::isKept(int key) const {
    for (const QWidget* up = m_window->focusWidget(); up && up != m_window; up = up->parentWidget()) {
        for (const auto& [control, keys] : m_kept) {
            if (control == up && keys.contains(key))
                return true;
        }
    }
    return false;
}

std::function<void()> FormKeys::actionFor(const QKeyEvent* event) const {
    const FormKey convention = FormKeyFor(event->key(), event->modifiers());
    if (convention == FormKey::None || isKept(event->key()))
        return {};
    QWidget* window = m_window;
    switch (convention) {
    case FormKey::NextField:
        return [window] { FocusNextField(window, CountInputFields(window)); };
    case FormKey::PreviousField:
        return [window] { FocusPreviousField(window, CountInputFields(window)); };
    case FormKey::Exit:
        if (m_exitAction)
            return m_exitAction;
        if (QAbstractButton* button = m_exitButton)
            return [button] { button->click(); };
        return {};
    case FormKey::Accept:
        if (m_acceptAction)
            return m_acceptAction;
        if (QAbstractButton* button = m_acceptButton)
            return [button] { button->click(); };
        return {};
    case FormKey::None:
        break;
    }
    return {};
}

bool FormKeys::handle(QKeyEvent* key) {
    if (key->type() == QEvent::KeyRelease)
        return false;
    // Claim the convention's keys before a shortcut of the main window takes them.
    if (key->type() == QEvent::ShortcutOverride)
        return bool(actionFor(key));
    if (m_extraKeys && m_extraKeys(key))
        return true;
    const std::function<void()> action = actionFor(key);
    if (!action)
        return false;
    key->accept();
    // The action may close and delete the window, and this object with it.
    action();
    return true;
}
