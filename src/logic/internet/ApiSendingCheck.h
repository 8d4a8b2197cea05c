#pragma once

#include "logic/records/EntrySending.h"

// The check a window makes before it hands entries to the API submission window
// (SendEntryThroughApi, SendBatchThroughApi): that the API can be reached at all.

// True when the API user, password and address are set. Otherwise the user is told what
// is missing and where to set it, and false is returned.
bool ApiSendingPossible();
