#pragma once

#include <QString>

// Orva.ini in the data folder: hosts, addresses and other installation settings that are
// not part of the program. Keys are "Group/Name".
class Settings {
public:
    virtual ~Settings() = default;
    // The stored value, or the key's built-in default when it is not set.
    virtual QString value(const QString& key) const = 0;
};
