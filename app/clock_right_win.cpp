#include "app/clock_right.h"

// The manifest's requireAdministrator level makes Windows start the program only with the
// right to set the clock.
void RequireClockRight() {}
