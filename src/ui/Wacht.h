#pragma once

// The responsive wait: returns after the given number of seconds, measured on a
// monotonic clock, and lets the user interface handle its events meanwhile
// (sleeping between them, so that a wait does not burn a processor core).
void wachtMetEvents(double seconds);
