// Date-time operations on DateTime values: building one from calendar fields, adding
// spans of time, and reading its calendar fields back.
#pragma once

#include <cstdint>
#include <optional>

#include "base/date_time.h"

// Units of AddToDateTime.
inline constexpr int kYearUnit = 1;
inline constexpr int kQuarterUnit = 2;
inline constexpr int kMonthUnit = 3;
inline constexpr int kWeekUnit = 4;
inline constexpr int kDayUnit = 5;
inline constexpr int kHourUnit = 6;
inline constexpr int kMinuteUnit = 7;
inline constexpr int kSecondUnit = 8;

// Calendar fields of a DateTime, in whole seconds. dayOfWeek counts from Sunday (0).
struct DateTimeFields {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int dayOfWeek = 0;
  friend bool operator==(const DateTimeFields&, const DateTimeFields&) = default;
};

// Forces each field into range (year 100..9999, month 1..12, day 1..31 and then into the
// month, hour 0..23, minute and second 0..59) and gives the DateTime of that moment.
DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second);

// value plus amount of unit (1 year .. 8 second). Years, quarters and months keep the day of
// the month, moved back to the month's last day where the month is shorter; the other units
// add elapsed time. value is first limited to the DateTime range; an amount of 0 or an
// unknown unit returns value unchanged.
DateTime AddToDateTime(DateTime value, int unit, int amount);

// The calendar fields of value, rounded to the nearest second; nothing for a value that is
// not a finite number or lies beyond any calendar a year of int can name.
std::optional<DateTimeFields> DateTimeToFields(DateTime value);

// The DateTime of calendar fields that are already in range (no clamping).
DateTime FieldsToDateTime(const DateTimeFields& fields);

// Seconds since 1970-01-01 00:00:00 of value read as UTC, rounded to the nearest second;
// nothing where DateTimeToFields gives nothing.
std::optional<int64_t> DateTimeToUnixSeconds(DateTime value);

// The DateTime of a count of seconds since 1970-01-01 00:00:00.
DateTime UnixSecondsToDateTime(int64_t seconds);
