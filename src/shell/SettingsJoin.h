#pragma once

#include "logic/core/database/DatabaseSettings.h"
#include "logic/core/files/IniSettings.h"
#include "logic/core/update/UpdateSettings.h"
#include "logic/internet/InternetSettings.h"
#include "logic/print/MailSettings.h"

// The settings of Orva.ini: each subsystem declares its own, joined here in the order a new
// file lists them. Inline, so that the tests' kit joins the same list without the shell.
inline void JoinOrvaSettings() {
    JoinSettings({DatabaseSettingDefinitions(), MailSettingDefinitions(), EservicesSettingDefinitions(),
                  UpdateSettingDefinitions(), InternetSettingDefinitions()});
}
