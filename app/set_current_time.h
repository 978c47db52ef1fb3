// SetCurrentTime: writes a DateTime to the machine's clock as local time.
#pragma once

#include "base/date_time.h"

// Limits value to the DateTime range, takes its calendar fields rounded to the nearest
// second and sets the clock to them as local time with zero milliseconds. True when the
// clock was set.
bool SetCurrentTime(DateTime value);
