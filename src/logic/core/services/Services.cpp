#include "logic/core/services/Services.h"

#include "logic/core/files/IniSettings.h"
#include "logic/core/services/SystemServices.h"

#include <QList>
#include <QPointer>
#include <QtGlobal>

namespace {
std::unique_ptr<Dialogs> g_dialogs;
std::unique_ptr<Processes> g_processes;
std::unique_ptr<Clock> g_clock;
std::unique_ptr<Settings> g_settings;

struct SettingsListener {
    QPointer<QObject> context;
    std::function<void()> changed;
};
QList<SettingsListener> g_listeners;
} // namespace

namespace Services {

Dialogs& dialogs() {
    if (!g_dialogs)
        qFatal("No Dialogs service installed");
    return *g_dialogs;
}

Processes& processes() {
    if (!g_processes)
        g_processes = std::make_unique<SystemProcesses>();
    return *g_processes;
}

Clock& clock() {
    if (!g_clock)
        g_clock = std::make_unique<SystemClock>();
    return *g_clock;
}

Settings& settings() {
    if (!g_settings)
        g_settings = std::make_unique<DefaultSettings>();
    return *g_settings;
}

void install(std::unique_ptr<Dialogs> dialogs) {
    g_dialogs = std::move(dialogs);
}
void install(std::unique_ptr<Processes> processes) {
    g_processes = std::move(processes);
}
void install(std::unique_ptr<Clock> clock) {
    g_clock = std::move(clock);
}
void install(std::unique_ptr<Settings> settings) {
    g_settings = std::move(settings);
}

void listenToSettings(QObject* context, std::function<void()> changed) {
    g_listeners.append({context, std::move(changed)});
}

void changeSettings(std::unique_ptr<Settings> settings) {
    g_settings = std::move(settings);
    g_listeners.removeIf([](const SettingsListener& listener) { return listener.context.isNull(); });
    // A listener may add another while it runs: go through a copy.
    const QList<SettingsListener> listeners = g_listeners;
    for (const SettingsListener& listener : listeners) {
        if (listener.context)
            listener.changed();
    }
}

} // namespace Services

MsgAnswer ShowBox(const QString& title, const QString& text, MsgIcon icon, MsgButtons buttons,
                  MsgAnswer defaultAnswer) {
    MessageBox box;
    box.title = title;
    box.text = text;
    box.icon = icon;
    box.buttons = buttons;
    box.defaultAnswer = defaultAnswer;
    return Services::dialogs().message(box);
}

void ShowFailure(const QString& title, const Failure& failure) {
    MessageBox box;
    box.title = title;
    box.text = failure.text;
    box.icon = MsgIcon::Critical;
    box.details = failure.details.trimmed();
    Services::dialogs().message(box);
}

bool AskYesNo(const QString& title, const QString& text, MsgIcon icon, MsgAnswer defaultAnswer) {
    return ShowBox(title, text, icon, MsgButtons::YesNo, defaultAnswer) == MsgAnswer::Yes;
}
