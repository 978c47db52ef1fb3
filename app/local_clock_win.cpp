// The clock through SetLocalTime, local time through the zone the system is set to.
#include <windows.h>

#include "app/local_clock.h"

namespace {

// FILETIME counts 100 ns steps from 1601-01-01; Unix time starts 11644473600 s later.
constexpr int64_t kUnixEpochInFileTimeSeconds = 11644473600;
constexpr int64_t kFileTimeStepsPerSecond = 10000000;

}  // namespace

bool WriteLocalClock(const DateTimeFields& fields) {
  SYSTEMTIME local{};
  local.wYear = static_cast<WORD>(fields.year);
  local.wMonth = static_cast<WORD>(fields.month);
  local.wDayOfWeek = static_cast<WORD>(fields.dayOfWeek);
  local.wDay = static_cast<WORD>(fields.day);
  local.wHour = static_cast<WORD>(fields.hour);
  local.wMinute = static_cast<WORD>(fields.minute);
  local.wSecond = static_cast<WORD>(fields.second);
  return SetLocalTime(&local) != FALSE;
}

std::optional<DateTime> LocalTimeAt(int64_t unixSeconds) {
  // Beyond year 30000 FILETIME arithmetic would overflow; no zone converts that far.
  constexpr int64_t kLatest = 900000000000;
  if (unixSeconds < -kUnixEpochInFileTimeSeconds || unixSeconds > kLatest) return std::nullopt;
  int64_t steps = (unixSeconds + kUnixEpochInFileTimeSeconds) * kFileTimeStepsPerSecond;
  FILETIME instant;
  instant.dwLowDateTime = static_cast<DWORD>(steps & 0xFFFFFFFF);
  instant.dwHighDateTime = static_cast<DWORD>(steps >> 32);
  SYSTEMTIME utc;
  SYSTEMTIME local;
  if (!FileTimeToSystemTime(&instant, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    return std::nullopt;
  }
  DateTimeFields fields;
  fields.year = local.wYear;
  fields.month = local.wMonth;
  fields.day = local.wDay;
  fields.hour = local.wHour;
  fields.minute = local.wMinute;
  fields.second = local.wSecond;
  return FieldsToDateTime(fields);
}
