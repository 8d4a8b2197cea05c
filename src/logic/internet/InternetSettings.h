#pragma once

#include "logic/core/files/IniSettings.h"

#include <QString>
#include <vector>

// The Orva.ini settings of the internet services: the e-services site where the entries are
// submitted, and the portals' hosts, the links browser's addresses, the maker's news server
// and the web-services API. Two lists, because a new Orva.ini lists the site next to the mail
// settings.
const std::vector<SettingDefinition>& EservicesSettingDefinitions();
const std::vector<SettingDefinition>& InternetSettingDefinitions();

// Program.EservicesBase from its setting, normalised as the browser writes addresses; at
// start-up, once the settings are in place.
void LoadEservicesBase();

// The pages the portal logins open, from the hosts of the settings (each normalised as the
// browser writes addresses; "" where a host is not set).
struct PortalAddresses {
    QString taxisAccountPage;  // account host + "/taxisnet/mytaxisnet"
    QString taxisSsoLoginPage; // sign-on host + "/sso/pages/login.jsp"
    QString eservicesBase;
    QString ikaApdLoginPage; // IKA applications host + "/eAPD/faces/login.xhtml"
};
PortalAddresses PortalAddressesFromSettings();

// The links browser's list: 19 captions in order, each opening the address of its setting.
inline constexpr int LinkCount = 19;
QString LinkCaption(int index);
// The address of a link: its setting, where an address that begins with "/" is a page of
// the maker's site setting.
QString LinkAddress(int index);

// How the maker's news database is reached through ODBC.
struct NewsServer {
    QString driver;
    QString server;
    QString port;
    QString database;
    QString user;
    QString password;
    QString options; // further "Keyword=value;" pairs for the driver
    int timeoutSeconds = 15;

    // False when no server is set: the news reader then never tries.
    bool configured() const { return !server.trimmed().isEmpty(); }
    // The ODBC connection string; values with ";" or braces are written in braces.
    QString connectionString() const;
};
NewsServer NewsServerFromSettings();
