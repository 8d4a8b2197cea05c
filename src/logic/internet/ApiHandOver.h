#pragma once

#include "logic/records/EntrySending.h"

// Before the windows that send hand entries to the API submission window (SendEntryThroughApi,
// SendBatchThroughApi), they check that the API can be reached.

// True when the API user, password and address are set. Otherwise the user is told what
// is missing and where to set it, and false is returned.
bool ApiSendingPossible();
