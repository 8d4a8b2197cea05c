#pragma once

// Waits the given seconds while the windows stay responsive: pending events are processed
// every 40 rounds of the wait and once at the end. The wait is measured on a monotonic
// clock, so a wait across midnight or a change of the system time lasts as long as asked.
void WaitSeconds(int seconds);
