#include "windows/core/WindowCommands.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

WindowCommands::WindowCommands(QWidget* window, Modifiers matching) : QObject(window), m_matching(matching) {}

QAction* WindowCommands::add(const QString& name, const QString& text, const QList<QKeySequence>& keys,
                             std::function<void()> run) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setToolTip(text);
    action->setShortcuts(keys);
    // The keys reach the action through press(), never through the shortcut map.
    action->setShortcutContext(Qt::WidgetShortcut);
    if (run)
        connect(action, &QAction::triggered, this, std::move(run));
    m_actions.insert(name, action);
    m_order << action;
    return action;
}

QAction* WindowCommands::action(const QString& name) const {
    return m_actions.value(name);
}

QList<QAction*> WindowCommands::actions(const QStringList& names) const {
    QList<QAction*> found;
    for (const QString& name : names) {
        if (QAction* named = action(name))
            found << named;
    }
    return found;
}

void WindowCommands::run(const QString& name) const {
    QAction* named = action(name);
    if (named && named->isEnabled())
        named->trigger();
}

QAction* WindowCommands::boundTo(const QKeyEvent* event) const {
    const Qt::KeyboardModifiers held = event->modifiers();
    QAction* best = nullptr;
    int bestCount = -1;
    for (QAction* action : m_order) {
        for (const QKeySequence& sequence : action->shortcuts()) {
            const QKeyCombination bound = sequence[0];
            if (bound.key() != event->key())
                continue;
            const Qt::KeyboardModifiers wanted = bound.keyboardModifiers();
            if (m_matching == Modifiers::Exact) {
                if (wanted == (held & ~Qt::KeypadModifier))
                    return action;
                continue;
            }
            const int count = qPopulationCount(uint(wanted.toInt()));
            if ((held & wanted) == wanted && count > bestCount) {
                best = action;
                bestCount = count;
            }
        }
    }
    return best;
}

bool WindowCommands::press(const QKeyEvent* event) const {
    QAction* action = boundTo(event);
    if (!action)
        return false;
    // A disabled action does nothing, its keys included (a hidden one counts as disabled).
    if (action->isEnabled())
        action->trigger();
    return true;
}
