#pragma once

#include "logic/core/files/IniSettings.h"

#include <QString>
#include <QUrl>
#include <vector>

// The Orva.ini settings of the submission through the ministry's web-services API: its
// address, how long a call may take, and which way of sending the windows propose (read
// by the schedule windows, logic/records/EntrySending.h).
const std::vector<SettingDefinition>& ApiSettingDefinitions();

// The API's base address from a setting: https, or http only to the computer itself
// (127.0.0.1, ::1, localhost). refusal says in Greek why another address is not used.
struct ApiBase {
    QUrl url;
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};
ApiBase CheckApiBase(const QString& setting);
ApiBase ApiBaseFromSettings();

// How long one call waits for the server's answer ([Api] TimeoutSeconds), and the waits
// before a second and a third try ([Api] RetryWaitSeconds, then three times as long).
struct ApiTiming;
ApiTiming ApiTimingFromSettings();
