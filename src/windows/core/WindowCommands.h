#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class QAction;
class QKeyEvent;
class QWidget;

// A window's commands: one QAction each, registered by name, with the keys that run it as
// the action's shortcuts. The window hands every key press it sees to press(); the action
// bound to the key runs when it is enabled, so that disabling an action disables its keys
// together with its button. The keys come through the window rather than through Qt's
// shortcut map: the window keeps deciding which keys its fields keep for themselves (the
// arrows of an open drop-down list, the typing in a search box).
class WindowCommands : public QObject {
    Q_OBJECT
public:
    // How the modifiers held with a key choose the command.
    enum class Modifiers {
        // Only a command bound to exactly those modifiers (the keypad's own aside).
        Exact,
        // The command bound to the most of the modifiers held: Ctrl+PgUp before PgUp, and PgUp
        // for Shift+PgUp.
        AtLeast,
    };

    explicit WindowCommands(QWidget* window, Modifiers matching = Modifiers::Exact);

    // Registers a command: an action with the text (also its tool tip), the keys and what it
    // runs, named after the command until a toolbar takes it.
    QAction* add(const QString& name, const QString& text, const QList<QKeySequence>& keys,
                 std::function<void()> run = {});
    // The command's action; nullptr for a name that is not registered.
    QAction* action(const QString& name) const;
    // The actions of the commands named, in that order (the buttons of a toolbar).
    QList<QAction*> actions(const QStringList& names) const;

    // Runs the named command when its action is enabled, as a menu item standing for it does.
    void run(const QString& name) const;
    // Runs the command whose key was pressed, when its action is enabled. True when the key
    // is a command's, enabled or not: the key is taken either way.
    bool press(const QKeyEvent* event) const;

private:
    QAction* boundTo(const QKeyEvent* event) const;

    Modifiers m_matching;
    QHash<QString, QAction*> m_actions;
    QList<QAction*> m_order;
};
