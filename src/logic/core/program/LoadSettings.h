#pragma once

// The program-wide values of start-up: the colours from Param.Bt, the DOS Greek table, and
// the employee list's sort order, search text and the run's submission log back to their
// start values.
void LoadSettings();
