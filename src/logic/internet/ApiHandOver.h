#pragma once

#include "logic/core/program/ProgramValues.h"
#include "logic/records/EntrySending.h"

// How the windows that send hand entries to the API submission window: they check first
// that the API can be reached, then set the hand-over values and open the window
// (ApiSubmissionWindow).

// True when the API user, password and address are set. Otherwise the user is told what
// is missing and where to set it, and false is returned.
bool ApiSendingPossible();

// The entries of a batch selection.
void HandOverApiBatch(const SendSelection& selection);
