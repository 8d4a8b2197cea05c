#pragma once

#include "logic/core/files/IniSettings.h"

#include <vector>

// The Orva.ini settings of the update check and of the remote-support tools.
const std::vector<SettingDefinition>& UpdateSettingDefinitions();
