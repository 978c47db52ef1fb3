// ParseHttpDate: the DateTime that an HTTP date text gives, in UTC.
#pragma once

#include "base/date_time.h"
#include "base/text.h"

// Converts dateText with the platform's HTTP date conversion and builds the DateTime from
// the fields it leaves, each forced into range. Never fails: a text that was not understood
// still gives a DateTime; understood, when given, tells which case it was.
DateTime ParseHttpDate(const Text& dateText, bool* understood = nullptr);
