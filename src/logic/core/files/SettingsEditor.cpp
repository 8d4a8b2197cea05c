#include "logic/core/files/SettingsEditor.h"

#include <QFileInfo>

namespace {

QString SectionOf(const QString& key) {
    return key.section(u'/', 0, 0);
}

QString NameOf(const QString& key) {
    return key.section(u'/', 1);
}

} // namespace

SettingsEditor::SettingsEditor(const QString& path) : m_path(path) {}

bool SettingsEditor::load(QString* error) {
    m_typed.clear();
    if (!QFileInfo::exists(m_path)) {
        m_file = IniFile::fromText(DefaultSettingsText());
        return true;
    }
    std::optional<IniFile> file = IniFile::load(m_path, error);
    if (!file)
        return false;
    m_file = std::move(*file);
    return true;
}

QStringList SettingsEditor::sections() const {
    QStringList sections;
    for (const SettingDefinition& setting : KnownSettings()) {
        const QString section = SectionOf(setting.key);
        if (!sections.contains(section))
            sections << section;
    }
    return sections;
}

QList<const SettingDefinition*> SettingsEditor::settingsOf(const QString& section) const {
    QList<const SettingDefinition*> settings;
    for (const SettingDefinition& setting : KnownSettings()) {
        if (SectionOf(setting.key) == section)
            settings << &setting;
    }
    return settings;
}

QString SettingsEditor::shownBefore(const QString& key) const {
    return m_file.value(SectionOf(key), NameOf(key)).value_or(DefaultSettingValue(key));
}

QString SettingsEditor::value(const QString& key) const {
    return m_typed.value(key, shownBefore(key));
}

void SettingsEditor::setValue(const QString& key, const QString& value) {
    if (value == shownBefore(key))
        m_typed.remove(key);
    else
        m_typed.insert(key, value);
}

QString SettingsEditor::storedProblem(const QString& key) const {
    const std::optional<QString> stored = m_file.value(SectionOf(key), NameOf(key));
    return stored ? SettingValueProblem(key, *stored) : QString();
}

QString SettingsEditor::problem(const QString& key) const {
    return SettingValueProblem(key, value(key));
}

bool SettingsEditor::changed() const {
    return !m_typed.isEmpty();
}

QStringList SettingsEditor::unencryptedCredentialSites() const {
    QStringList keys;
    for (const SettingDefinition& setting : KnownSettings()) {
        if (m_typed.contains(setting.key) && SendsCredentialsUnencrypted(setting.form, value(setting.key)) &&
            problem(setting.key).isEmpty())
            keys << setting.key;
    }
    return keys;
}

QStringList SettingsEditor::changedWithProblems() const {
    QStringList keys;
    for (const SettingDefinition& setting : KnownSettings()) {
        if (m_typed.contains(setting.key) && !problem(setting.key).isEmpty())
            keys << setting.key;
    }
    return keys;
}

bool SettingsEditor::save(QString* error) {
    if (!changedWithProblems().isEmpty()) {
        if (error)
            error->clear();
        return false;
    }
    IniFile file = m_file;
    for (auto it = m_typed.constBegin(); it != m_typed.constEnd(); ++it) {
        const SettingDefinition* setting = FindSetting(it.key());
        const QStringList comment = setting ? QStringList{setting->comment} : QStringList{};
        file.setValue(SectionOf(it.key()), NameOf(it.key()), it.value(), comment);
    }
    if (!file.save(m_path, error))
        return false;
    m_file = std::move(file);
    m_typed.clear();
    return true;
}
