#pragma once

#include "logic/core/files/IniFile.h"
#include "logic/core/files/IniSettings.h"

#include <QMap>
#include <QString>
#include <QStringList>

// The work of the settings window without its controls: every known setting with the value
// Orva.ini holds (or its default when the file leaves it out), the values the user types,
// checked against their forms, and the file written back with the changed values alone, its
// comments and other keys kept. A missing file is started from the commented defaults.
class SettingsEditor {
public:
    explicit SettingsEditor(const QString& path);

    // False, with the system's reason, when the file is there but cannot be read.
    bool load(QString* error = nullptr);

    // The sections in the order of the known settings, and the settings of each.
    QStringList sections() const;
    QList<const SettingDefinition*> settingsOf(const QString& section) const;

    // The value shown for a key: as typed, else as the file holds it, else the default.
    QString value(const QString& key) const;
    void setValue(const QString& key, const QString& value);
    // Why the file's own value was not used (it does not fit its form); "" when it was.
    QString storedProblem(const QString& key) const;
    // Why the value shown cannot be kept; "" when it can.
    QString problem(const QString& key) const;
    bool changed() const;
    bool changed(const QString& key) const { return m_typed.contains(key); }

    // The settings whose value would change to an address on plain http of a site that
    // receives the user's credentials: the user confirms each before it is written.
    QStringList unencryptedCredentialSites() const;
    // The changed settings whose value has a problem, in the order of the known settings
    // (a value the file already held is shown with its problem but does not stop a save).
    QStringList changedWithProblems() const;

    // Writes the changed values (whole or not at all); false, with the system's reason,
    // when it cannot. Nothing is written while a changed value has a problem.
    bool save(QString* error = nullptr);

private:
    QString shownBefore(const QString& key) const;

    QString m_path;
    IniFile m_file;
    QMap<QString, QString> m_typed;
};
