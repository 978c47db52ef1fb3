// The machine's clock and time zone, as the calibration needs them.
#pragma once

#include <cstdint>
#include <optional>

#include "app/date_time_ops.h"
#include "base/date_time.h"

// Sets the system clock to fields read as the machine's local time, with zero
// milliseconds. True when the platform accepted it.
bool WriteLocalClock(const DateTimeFields& fields);

// The machine's local time at an instant given in seconds since 1970-01-01 UTC, by the
// zone's rules at that instant (daylight saving included); nothing when the platform
// cannot convert it.
std::optional<DateTime> LocalTimeAt(int64_t unixSeconds);
