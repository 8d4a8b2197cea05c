#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class KeyPreview;
class QAbstractButton;
class QKeyEvent;
class QWidget;

// The key convention of the data windows. With no Shift, Ctrl or Alt held: Enter (either
// key) and Down go to the next input field, Up to the previous one, Escape exits the window
// and F10 accepts it; a handled key is consumed.
enum class FormKey { None, NextField, PreviousField, Exit, Accept };
FormKey FormKeyFor(int key, Qt::KeyboardModifiers modifiers);

// For a window that handles its keys itself (its keyPressEvent or an event filter): moves
// the focus over the window's input fields, clicks exitButton on Escape and acceptButton on
// F10 (a null button leaves its key alone). True, with the event accepted, when the key was
// handled; the caller then consumes it.
bool HandleFormKey(QWidget* window, QKeyEvent* event, QAbstractButton* exitButton,
                   QAbstractButton* acceptButton);

// The convention installed on a window and every control in it, so that the window sees
// the keys before its controls do:
//     auto* keys = new FormKeys(this, m_exitBut, m_saveBut);
//     keys->keepKeys(m_kparat, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Up, Qt::Key_Down});
class FormKeys : public QObject {
    Q_OBJECT
public:
    // Create it once the window's controls are built; it belongs to the window.
    FormKeys(QWidget* window, QAbstractButton* exitButton, QAbstractButton* acceptButton);

    // What Escape and F10 do instead of clicking the buttons (e.g. clear a filled form).
    void setExitAction(std::function<void()> action) { m_exitAction = std::move(action); }
    void setAcceptAction(std::function<void()> action) { m_acceptAction = std::move(action); }
    // These keys stay with the control (and its parts) while it holds the focus, e.g. Enter
    // and the arrows in a multi-line box.
    void keepKeys(QWidget* control, const QList<int>& keys);
    // The window's own keys (F3, F6, ...), seen before the convention, even in a control that
    // keeps its keys; returning true consumes the key.
    void setExtraKeys(std::function<bool(QKeyEvent*)> handler) { m_extraKeys = std::move(handler); }
    // Watches a control (and its parts) added after the window was built.
    void watch(QWidget* control);

private:
    bool handle(QKeyEvent* event);
    bool isKept(int key) const;
    // The action of a convention key, or nothing when the key is not handled here.
    std::function<void()> actionFor(const QKeyEvent* event) const;

    QWidget* m_window;
    QPointer<QAbstractButton> m_exitButton;
    QPointer<QAbstractButton> m_acceptButton;
    std::function<void()> m_exitAction;
    std::function<void()> m_acceptAction;
    std::function<bool(QKeyEvent*)> m_extraKeys;
    QList<QPair<QPointer<QWidget>, QList<int>>> m_kept;
    KeyPreview* m_preview;
};
