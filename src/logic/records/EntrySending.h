#pragma once

#include "logic/core/database/SubmissionStatements.h"

#include <QString>

// What the schedule windows need to send an entry either way: the choice of the way, the
// check that the API's account is there, and the words for an entry's last submission. The
// API itself lives with the internet services; these windows reach it only by the window's
// name (SendEntryThroughApi).

// The two ways an entry reaches the ministry: the e-services page filled in the browser, or
// the web-services API.
enum class SendWay { Page, Api };

// The Orva.ini setting of the way the windows propose first ("page" or "api").
inline const char* const SendWaySetting = "Api/SendWay";
// The way the windows propose first (the page unless the setting says "api").
SendWay DefaultSendWay();
// The caption of a way in the windows' choice.
QString SendWayCaption(SendWay way);

// True when the API user and password are set. Otherwise the user is told what is missing
// and where to set it, and false is returned.
bool ApiAccountReady();

// One line about a submission for the user: when, which way, and what the server said.
QString SubmissionSummary(const SubmissionRow& row);
