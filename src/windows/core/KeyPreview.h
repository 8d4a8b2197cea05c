#pragma once

#include <QObject>
#include <QSet>
#include <functional>

class QKeyEvent;
class QWidget;

// The window sees every key first: each key pressed or released in the window or in any of
// its controls reaches the handler once, before the control that has the focus does,
// whichever control that is. The handler gets the event (KeyPress, KeyRelease or the
// ShortcutOverride that comes before a press) and returns true to consume it.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(QKeyEvent*)>;

    // Create it once the window's controls are built; it belongs to the window.
    KeyPreview(QWidget* window, Handler handler);

    // Watches a control (and its parts) added after the window was built.
    void watch(QWidget* control);
    QWidget* window() const { return m_window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isFirstReceiver(const QObject* watched) const;

    QWidget* m_window;
    Handler m_handler;
    QSet<const QObject*> m_watched;
};

// Up or Down pressed in a drop-down list: the list's own keys, which a window that sees every
// key first leaves to it.
bool IsDropDownArrow(const QKeyEvent* event);
