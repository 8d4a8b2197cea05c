#pragma once

#include "logic/core/services/Settings.h"

#include <QMap>
#include <QSettings>
#include <vector>

// One setting of Orva.ini: its key ("Group/Name"), built-in default and the comment
// written above it in a new file.
struct SettingDefinition {
    QString key;
    QString defaultValue;
    QString comment;
};

// Every setting the program knows, in the order a new Orva.ini lists them.
const std::vector<SettingDefinition>& KnownSettings();
QString DefaultSettingValue(const QString& key);

// The built-in defaults alone, with values a caller may override in memory (tests).
class DefaultSettings : public Settings {
public:
    QString value(const QString& key) const override;
    void set(const QString& key, const QString& value) { m_overrides.insert(key, value); }

private:
    QMap<QString, QString> m_overrides;
};

// Orva.ini read through QSettings; missing keys give their defaults.
class IniSettings : public Settings {
public:
    explicit IniSettings(const QString& path);
    QString value(const QString& key) const override;

private:
    QSettings m_ini;
};

// Writes a new Orva.ini listing every known setting with its comment and default.
bool WriteDefaultSettingsFile(const QString& path);
