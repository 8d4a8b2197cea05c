#pragma once

#include "logic/core/files/IniSettings.h"

#include <vector>

// The Orva.ini settings of the mail: the mail tool of the mail to the accountant and the
// mail server of the reports' e-mail.
const std::vector<SettingDefinition>& MailSettingDefinitions();
