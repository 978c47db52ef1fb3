// DateTime arithmetic on an elapsed-time scale: a value is split into its calendar day and
// its time of day, since before 1899-12-30 the fraction adds the time of day to a negative
// day number rather than subtracting it.
#include "app/date_time_ops.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int64_t kSecondsPerDay = 86400;
// The DateTime day of 1970-01-01, where Unix time counts from.
constexpr int64_t kUnixEpochDay = 25569;
// Beyond this many days a year no longer fits comfortably in an int.
constexpr double kLargestDayCount = 1e9;

// A calendar day (days from 1899-12-30) and the time of day as a fraction in [0, 1).
struct DayAndTime {
  int64_t day;
  double time;
};

DayAndTime Split(double value) {
  double day = value < 0 ? std::ceil(value) : std::floor(value);
  return {static_cast<int64_t>(day), std::fabs(value - day)};
}

double Join(DayAndTime parts) {
  double day = static_cast<double>(parts.day);
  return parts.day < 0 ? day - parts.time : day + parts.time;
}

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's civil calendar method).
int64_t DaysFromCivil(int64_t year, int month, int day) {
  year -= month <= 2;
  int64_t era = (year >= 0 ? year : year - 399) / 400;
  int64_t yearOfEra = year - era * 400;
  int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
  int64_t year;
  int month;
  int day;
};

CivilDate CivilFromDays(int64_t days) {
  days += 719468;
  int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  int64_t dayOfEra = days - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
  int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  return {yearOfEra + era * 400 + (month <= 2), month, day};
}

bool IsLeapYear(int64_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int64_t year, int month) {
  static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

double LimitToRange(double value) {
  return std::clamp(value, kMinDateTime.value, kMaxDateTime.value);
}

double AddMonths(double value, int64_t months) {
  DayAndTime parts = Split(value);
  CivilDate date = CivilFromDays(parts.day - kUnixEpochDay);
  int64_t monthIndex = date.year * 12 + (date.month - 1) + months;
  int64_t year = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
  int month = static_cast<int>(monthIndex - year * 12) + 1;
  int day = std::min(date.day, DaysInMonth(year, month));
  parts.day = DaysFromCivil(year, month, day) + kUnixEpochDay;
  // A date-add routine cannot leave the calendar's range; the nearest bound stands in.
  return LimitToRange(Join(parts));
}

double AddSeconds(double value, int64_t seconds) {
  DayAndTime parts = Split(value);
  int64_t days =
      seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
  int64_t rest = seconds - days * kSecondsPerDay;
  parts.time += static_cast<double>(rest) / kSecondsPerDay;
  if (parts.time >= 1.0) {
    parts.time -= 1.0;
    days += 1;
  }
  parts.day += days;
  return Join(parts);
}

}  // namespace

DateTime FieldsToDateTime(const DateTimeFields& fields) {
  int64_t day = DaysFromCivil(fields.year, fields.month, fields.day) + kUnixEpochDay;
  int64_t seconds = fields.hour * 3600 + fields.minute * 60 + fields.second;
  return {Join({day, static_cast<double>(seconds) / kSecondsPerDay})};
}

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  DateTimeFields fields;
  fields.year = std::clamp(year, 100, 9999);
  fields.month = std::clamp(month, 1, 12);
  fields.day = std::clamp(day, 1, DaysInMonth(fields.year, fields.month));
  fields.hour = std::clamp(hour, 0, 23);
  fields.minute = std::clamp(minute, 0, 59);
  fields.second = std::clamp(second, 0, 59);
  return FieldsToDateTime(fields);
}

DateTime AddToDateTime(DateTime value, int unit, int amount) {
  if (amount == 0 || unit < kYearUnit || unit > kSecondUnit) return value;
  double limited = LimitToRange(value.value);
  if (std::isnan(limited)) return value;
  int64_t count = amount;
  switch (unit) {
    case kYearUnit:
      return {AddMonths(limited, count * 12)};
    case kQuarterUnit:
      return {AddMonths(limited, count * 3)};
    case kMonthUnit:
      return {AddMonths(limited, count)};
    case kWeekUnit:
      return {AddSeconds(limited, count * 7 * kSecondsPerDay)};
    case kDayUnit:
      return {AddSeconds(limited, count * kSecondsPerDay)};
    case kHourUnit:
      return {AddSeconds(limited, count * 3600)};
    case kMinuteUnit:
      return {AddSeconds(limited, count * 60)};
    default:
      return {AddSeconds(limited, count)};
  }
}

std::optional<DateTimeFields> DateTimeToFields(DateTime value) {
  if (!(std::fabs(value.value) <= kLargestDayCount)) return std::nullopt;
  DayAndTime parts = Split(value.value);
  int64_t seconds = std::llround(parts.time * kSecondsPerDay);
  if (seconds == kSecondsPerDay) {
    seconds = 0;
    parts.day += 1;
  }
  CivilDate date = CivilFromDays(parts.day - kUnixEpochDay);
  DateTimeFields fields;
  fields.year = static_cast<int>(date.year);
  fields.month = date.month;
  fields.day = date.day;
  fields.hour = static_cast<int>(seconds / 3600);
  fields.minute = static_cast<int>(seconds / 60 % 60);
  fields.second = static_cast<int>(seconds % 60);
  // 1899-12-30 was a Saturday.
  fields.dayOfWeek = static_cast<int>(((parts.day + 6) % 7 + 7) % 7);
  return fields;
}

std::optional<int64_t> DateTimeToUnixSeconds(DateTime value) {
  if (!(std::fabs(value.value) <= kLargestDayCount)) return std::nullopt;
  DayAndTime parts = Split(value.value);
  return (parts.day - kUnixEpochDay) * kSecondsPerDay + std::llround(parts.time * kSecondsPerDay);
}

DateTime UnixSecondsToDateTime(int64_t seconds) {
  return {AddSeconds(static_cast<double>(kUnixEpochDay), seconds)};
}
