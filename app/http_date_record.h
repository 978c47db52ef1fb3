// The platform's conversion of an HTTP date (RFC 1123 and the older forms) into UTC fields.
#pragma once

#include <cstdint>

#include "base/text.h"

// Eight signed 16-bit fields laid out as the platform's SYSTEMTIME.
struct HttpDateRecord {
  int16_t year = 0;
  int16_t month = 0;
  int16_t dayOfWeek = 0;
  int16_t day = 0;
  int16_t hour = 0;
  int16_t minute = 0;
  int16_t second = 0;
  int16_t milliseconds = 0;
};
static_assert(sizeof(HttpDateRecord) == 16);

// Fills record with the UTC date and time that dateText gives and tells whether the text
// was understood. On failure the record holds whatever the platform left in it.
bool ConvertHttpDate(const Text& dateText, HttpDateRecord& record);
