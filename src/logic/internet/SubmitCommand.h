#pragma once

#include "logic/core/commandline/CommandLine.h"

// "orva submit ...": the entries of a date range (and an AFM range and mask) sent through
// the ministry's web-services API, as the batch window sends them, without a window: what
// would be sent is printed first; --dry-run stops there.
Command SubmitCommand();

// The exit status of a submission: UnknownOutcome when a document went unanswered,
// RefusedByServer when the service refused one, CommandFailed when an entry could not be
// sent or recorded, CommandDone only when every entry was accepted.
struct SubmitTally {
    int unknown = 0;
    int refused = 0;
    int notSent = 0;
    int unsendable = 0;
    int recordFailures = 0;
};
int SubmitStatus(const SubmitTally& tally);
