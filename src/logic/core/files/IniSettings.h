#pragma once

#include "logic/core/files/IniFile.h"
#include "logic/core/files/SettingForms.h"
#include "logic/core/services/Settings.h"

#include <QMap>
#include <functional>
#include <initializer_list>
#include <vector>

// One setting of Orva.ini: its key ("Group/Name"), built-in default, the comment written
// above it in a new file (the settings window shows it as help) and the form its values
// must have.
struct SettingDefinition {
    QString key;
    QString defaultValue;
    QString comment;
    SettingForm form;
};

// Each subsystem declares the settings it reads; start-up joins the declarations, in the
// order a new Orva.ini lists them, before anything reads a setting. A key declared twice
// ends the program.
void JoinSettings(
    std::initializer_list<std::reference_wrapper<const std::vector<SettingDefinition>>> declarations);
// Every setting the program knows: the declarations as they were joined.
const std::vector<SettingDefinition>& KnownSettings();
QString DefaultSettingValue(const QString& key);
// The definition of a key; nullptr for a key the program does not know.
const SettingDefinition* FindSetting(const QString& key);
// Why a value cannot be used for a key ("" when it can, and for keys the program does not
// know).
QString SettingValueProblem(const QString& key, const QString& value);

// Where the user changes settings: the settings window by its menu path, for the messages
// that send the user there, and the same with the setting named.
QString SettingsWindowPath();
QString WhereToChangeSetting(const QString& key);

// The built-in defaults alone, with values a caller may override in memory (tests).
class DefaultSettings : public Settings {
public:
    std::optional<QString> stored(const QString& key) const override;
    void set(const QString& key, const QString& value) { m_overrides.insert(key, value); }

private:
    QMap<QString, QString> m_overrides;
};

// Orva.ini as read when the object was made; missing keys give their defaults. A file that
// cannot be read gives the defaults too, and readError() says why.
class IniSettings : public Settings {
public:
    explicit IniSettings(const QString& path);
    std::optional<QString> stored(const QString& key) const override;
    const QString& readError() const { return m_readError; }

private:
    IniFile m_file;
    QString m_readError;
};

// A new Orva.ini listing every known setting with its comment and default.
QString DefaultSettingsText();
bool WriteDefaultSettingsFile(const QString& path);
