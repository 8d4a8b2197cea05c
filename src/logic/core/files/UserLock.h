#pragma once

// Mult.Bt, the single-user lock of a data folder. The lock is an operating-system lock on
// the open file, held for the whole run; the system drops it when a process ends, so a
// copy that crashed never leaves the folder locked.
// Takes the lock (true when it is held, also when it already was); shows message 32 and
// returns false when another copy of the program holds it.
bool TakeUserLock();
// Releases the lock at the end of the run.
void ReleaseUserLock();
bool UserLockHeld();
