// The right to set the system clock, checked once at start.
#pragma once

// Returns when the process may set the clock; otherwise tells the user so in one line on
// the terminal and ends the process with status 1. Where the platform grants the right
// through the program's manifest, there is nothing to check.
void RequireClockRight();
