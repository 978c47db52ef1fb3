// The clock through clock_settime, local time through the C library's zone rules (TZ or
// /etc/localtime).
#include <time.h>

#include <ctime>

#include "app/local_clock.h"

bool WriteLocalClock(const DateTimeFields& fields) {
  std::tm local{};
  local.tm_year = fields.year - 1900;
  local.tm_mon = fields.month - 1;
  local.tm_mday = fields.day;
  local.tm_hour = fields.hour;
  local.tm_min = fields.minute;
  local.tm_sec = fields.second;
  local.tm_isdst = -1;  // let the zone's rules decide whether daylight saving applies
  time_t instant = mktime(&local);
  if (instant == -1) return false;
  timespec value{};
  value.tv_sec = instant;
  return clock_settime(CLOCK_REALTIME, &value) == 0;
}

std::optional<DateTime> LocalTimeAt(int64_t unixSeconds) {
  time_t instant = static_cast<time_t>(unixSeconds);
  std::tm local{};
  if (!localtime_r(&instant, &local)) return std::nullopt;
  DateTimeFields fields;
  fields.year = local.tm_year + 1900;
  fields.month = local.tm_mon + 1;
  fields.day = local.tm_mday;
  fields.hour = local.tm_hour;
  fields.minute = local.tm_min;
  fields.second = local.tm_sec;
  return FieldsToDateTime(fields);
}
