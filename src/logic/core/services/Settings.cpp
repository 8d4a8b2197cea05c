#include "logic/core/services/Settings.h"

#include "logic/core/files/IniSettings.h"

QString Settings::value(const QString& key) const {
    const std::optional<QString> value = stored(key);
    if (!value || !SettingValueProblem(key, *value).isEmpty())
        return DefaultSettingValue(key);
    return *value;
}

QString Settings::problem(const QString& key) const {
    const std::optional<QString> value = stored(key);
    return value ? SettingValueProblem(key, *value) : QString();
}
