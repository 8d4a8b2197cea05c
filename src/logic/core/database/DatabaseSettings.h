#pragma once

#include "logic/core/files/IniSettings.h"

#include <vector>

// The Orva.ini setting of the database: the embedded file, or an office's PostgreSQL server.
const std::vector<SettingDefinition>& DatabaseSettingDefinitions();
