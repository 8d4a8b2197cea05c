#include "logic/core/files/IniSettings.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

namespace {
std::vector<SettingDefinition>& joinedSettings() {
    static std::vector<SettingDefinition> settings;
    return settings;
}
} // namespace

void JoinSettings(
    std::initializer_list<std::reference_wrapper<const std::vector<SettingDefinition>>> declarations) {
    std::vector<SettingDefinition> all;
    QSet<QString> keys;
    for (const std::vector<SettingDefinition>& declared : declarations) {
        for (const SettingDefinition& setting : declared) {
            // Two subsystems on one key would each believe its own default.
            if (keys.contains(setting.key))
                qFatal("Orva.ini setting %s is declared twice", qPrintable(setting.key));
            keys.insert(setting.key);
            all.push_back(setting);
        }
    }
    joinedSettings() = std::move(all);
}

const std::vector<SettingDefinition>& KnownSettings() {
    return joinedSettings();
}

QString DefaultSettingValue(const QString& key) {
    for (const SettingDefinition& setting : KnownSettings()) {
        if (setting.key == key)
            return setting.defaultValue;
    }
    return {};
}

const SettingDefinition* FindSetting(const QString& key) {
    for (const SettingDefinition& setting : KnownSettings()) {
        if (setting.key.compare(key, Qt::CaseInsensitive) == 0)
            return &setting;
    }
    return nullptr;
}

QString SettingValueProblem(const QString& key, const QString& value) {
    const SettingDefinition* setting = FindSetting(key);
    return setting ? SettingFormProblem(setting->form, value) : QString();
}

QString SettingsWindowPath() {
    return QStringLiteral("«Βοηθητικές → Ρυθμίσεις Εγκατάστασης»");
}

QString WhereToChangeSetting(const QString& key) {
    return QStringLiteral("στις %1, στη ρύθμιση «%2»").arg(SettingsWindowPath(), key);
}

std::optional<QString> DefaultSettings::stored(const QString& key) const {
    const auto it = m_overrides.constFind(key);
    if (it == m_overrides.constEnd())
        return std::nullopt;
    return *it;
}

IniSettings::IniSettings(const QString& path) {
    if (std::optional<IniFile> file = IniFile::load(path, &m_readError))
        m_file = std::move(*file);
}

std::optional<QString> IniSettings::stored(const QString& key) const {
    return m_file.value(key.section(u'/', 0, 0), key.section(u'/', 1));
}

QString DefaultSettingsText() {
    QStringList lines;
    lines << QStringLiteral("; Ρυθμίσεις του Orva. Αλλάζουν από τις «Βοηθητικές → Ρυθμίσεις Εγκατάστασης».")
          << QStringLiteral("; Οι γραμμές που αρχίζουν με ; είναι σχόλια· μια ρύθμιση που λείπει παίρνει την")
          << QStringLiteral(
                 "; προεπιλογή που φαίνεται εδώ. Η τιμή είναι ό,τι ακολουθεί το =, όπως είναι γραμμένη,")
          << QStringLiteral("; ή ό,τι είναι μέσα σε \"\" (εκεί το \\\" γράφει \" και το \\\\ γράφει \\).");
    QString group;
    for (const SettingDefinition& setting : KnownSettings()) {
        const QString settingGroup = setting.key.section(QLatin1Char('/'), 0, 0);
        const QString name = setting.key.section(QLatin1Char('/'), 1);
        if (settingGroup != group) {
            group = settingGroup;
            lines << QString() << QStringLiteral("[%1]").arg(group);
        }
        lines << QStringLiteral("; %1").arg(setting.comment);
        lines << name + u'=' + QuotedIniValue(setting.defaultValue);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool WriteDefaultSettingsFile(const QString& path) {
    return IniFile::fromText(DefaultSettingsText()).save(path);
}
