#pragma once

#include "logic/core/services/Dialogs.h"

#include <QString>
#include <optional>

// The box of a numbered warning, or nothing for a number without an entry.
// company and employee are appended by the composed entries; entry 18 puts company in
// front of its text. extra is the movement number of entry 30 and the error number of
// entry 3.
std::optional<MessageBox> CatalogueMessage(int number, const QString& company = {},
                                           const QString& employee = {}, int extra = 0);

// Shows a numbered warning through the Dialogs service; an unknown number shows nothing.
void ShowMsg(int number, const QString& company = {}, const QString& employee = {}, int extra = 0);
