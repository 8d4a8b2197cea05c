#pragma once

#include <QString>
#include <optional>

// Orva.ini in the data folder: hosts, addresses and other installation settings that are
// not part of the program. Keys are "Group/Name".
class Settings {
public:
    virtual ~Settings() = default;
    // The value as the file holds it; nothing when the key is not there.
    virtual std::optional<QString> stored(const QString& key) const = 0;

    // The stored value when it has its setting's form; otherwise the setting's default.
    QString value(const QString& key) const;
    // Why the stored value is not used: "" when it is, or when the key is not stored.
    QString problem(const QString& key) const;
};
