#include "app/date_time_ops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

DateTimeFields Fields(int year, int month, int day, int hour, int minute, int second) {
  DateTimeFields fields{year, month, day, hour, minute, second, 0};
  return fields;
}

// Compares everything but the day of the week.
void ExpectFields(DateTime value, const DateTimeFields& expected) {
  std::optional<DateTimeFields> fields = DateTimeToFields(value);
  ASSERT_TRUE(fields) << value.value;
  fields->dayOfWeek = 0;
  EXPECT_EQ(*fields, expected) << value.value << " is " << fields->year << "-" << fields->month
                               << "-" << fields->day << " " << fields->hour << ":" << fields->minute
                               << ":" << fields->second;
}

TEST(MakeDateTime, FixedPointsOfTheScale) {
  EXPECT_EQ(MakeDateTime(1899, 12, 30, 0, 0, 0).value, 0.0);
  EXPECT_EQ(MakeDateTime(1900, 1, 1, 0, 0, 0).value, 2.0);
  EXPECT_EQ(MakeDateTime(1900, 1, 1, 6, 0, 0).value, 2.25);
  EXPECT_EQ(MakeDateTime(1899, 12, 29, 6, 0, 0).value, -1.25);
  EXPECT_EQ(MakeDateTime(100, 1, 1, 0, 0, 0), kMinDateTime);
  EXPECT_EQ(MakeDateTime(9999, 12, 31, 0, 0, 0), kMaxDateTime);
}

TEST(MakeDateTime, ForcesFieldsIntoRangeAndDaysIntoTheMonth) {
  struct Case {
    int year, month, day, hour, minute, second;
    DateTimeFields expected;
  };
  const Case kCases[] = {
      {0, 0, 0, 0, 0, 0, Fields(100, 1, 1, 0, 0, 0)},
      {-5, -1, -9, -1, -1, -1, Fields(100, 1, 1, 0, 0, 0)},
      {10000, 13, 32, 24, 60, 60, Fields(9999, 12, 31, 23, 59, 59)},
      {2023, 2, 31, 12, 0, 0, Fields(2023, 2, 28, 12, 0, 0)},
      {2024, 2, 31, 12, 0, 0, Fields(2024, 2, 29, 12, 0, 0)},
      {1900, 2, 29, 0, 0, 0, Fields(1900, 2, 28, 0, 0, 0)},
      {2000, 2, 30, 0, 0, 0, Fields(2000, 2, 29, 0, 0, 0)},
      {2100, 2, 29, 0, 0, 0, Fields(2100, 2, 28, 0, 0, 0)},
      {2023, 4, 31, 0, 0, 0, Fields(2023, 4, 30, 0, 0, 0)},
      {2023, 12, 31, 23, 59, 59, Fields(2023, 12, 31, 23, 59, 59)},
      {1994, 11, 15, 8, 12, 31, Fields(1994, 11, 15, 8, 12, 31)},
      {1800, 3, 1, 13, 14, 15, Fields(1800, 3, 1, 13, 14, 15)},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    ExpectFields(MakeDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second), c.expected);
  }
}

TEST(AddToDateTime, AddsElapsedUnitsAcrossMidnightAndBeforeDayZero) {
  struct Case {
    DateTime value;
    int unit, amount;
    DateTimeFields expected;
  };
  const Case kCases[] = {
      {MakeDateTime(1994, 11, 15, 23, 0, 0), kHourUnit, 8, Fields(1994, 11, 16, 7, 0, 0)},
      {MakeDateTime(1994, 12, 31, 20, 30, 0), kHourUnit, 8, Fields(1995, 1, 1, 4, 30, 0)},
      {MakeDateTime(1899, 12, 29, 23, 0, 0), kHourUnit, 8, Fields(1899, 12, 30, 7, 0, 0)},
      {MakeDateTime(1899, 12, 28, 20, 0, 0), kHourUnit, 8, Fields(1899, 12, 29, 4, 0, 0)},
      {MakeDateTime(1800, 6, 1, 18, 0, 0), kHourUnit, 8, Fields(1800, 6, 2, 2, 0, 0)},
      {MakeDateTime(1899, 12, 30, 3, 0, 0), kHourUnit, -8, Fields(1899, 12, 29, 19, 0, 0)},
      {MakeDateTime(1900, 3, 1, 0, 0, 0), kHourUnit, -1, Fields(1900, 2, 28, 23, 0, 0)},
      {MakeDateTime(2024, 2, 28, 12, 0, 0), kHourUnit, 36, Fields(2024, 3, 1, 0, 0, 0)},
      {MakeDateTime(1899, 12, 29, 6, 0, 0), kDayUnit, 1, Fields(1899, 12, 30, 6, 0, 0)},
      {MakeDateTime(1899, 12, 31, 6, 0, 0), kDayUnit, -3, Fields(1899, 12, 28, 6, 0, 0)},
      {MakeDateTime(1899, 12, 25, 6, 0, 0), kWeekUnit, 1, Fields(1900, 1, 1, 6, 0, 0)},
      {MakeDateTime(1899, 12, 30, 0, 0, 0), kMinuteUnit, -1, Fields(1899, 12, 29, 23, 59, 0)},
      {MakeDateTime(1899, 12, 29, 23, 59, 59), kSecondUnit, 1, Fields(1899, 12, 30, 0, 0, 0)},
      {MakeDateTime(2023, 6, 1, 0, 0, 0), kSecondUnit, 86399, Fields(2023, 6, 1, 23, 59, 59)},
      // Limited to the range first, then added.
      {DateTime{3e6}, kHourUnit, 8, Fields(9999, 12, 31, 8, 0, 0)},
      {DateTime{-7e5}, kHourUnit, 1, Fields(100, 1, 1, 1, 0, 0)},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.value.value << " unit " << c.unit << " " << c.amount);
    ExpectFields(AddToDateTime(c.value, c.unit, c.amount), c.expected);
  }
}

TEST(AddToDateTime, CalendarUnitsKeepTheDayOfTheMonthWithinTheMonth) {
  struct Case {
    DateTime value;
    int unit, amount;
    DateTimeFields expected;
  };
  const Case kCases[] = {
      {MakeDateTime(2024, 1, 31, 13, 45, 10), kMonthUnit, 1, Fields(2024, 2, 29, 13, 45, 10)},
      {MakeDateTime(2023, 1, 31, 0, 0, 0), kMonthUnit, 1, Fields(2023, 2, 28, 0, 0, 0)},
      {MakeDateTime(2024, 3, 31, 0, 0, 0), kMonthUnit, -1, Fields(2024, 2, 29, 0, 0, 0)},
      {MakeDateTime(2024, 1, 15, 0, 0, 0), kMonthUnit, -13, Fields(2022, 12, 15, 0, 0, 0)},
      {MakeDateTime(2023, 11, 30, 0, 0, 0), kQuarterUnit, 1, Fields(2024, 2, 29, 0, 0, 0)},
      {MakeDateTime(2024, 2, 29, 8, 0, 0), kYearUnit, 1, Fields(2025, 2, 28, 8, 0, 0)},
      {MakeDateTime(2024, 2, 29, 8, 0, 0), kYearUnit, 4, Fields(2028, 2, 29, 8, 0, 0)},
      {MakeDateTime(1899, 12, 15, 6, 0, 0), kMonthUnit, 1, Fields(1900, 1, 15, 6, 0, 0)},
      {MakeDateTime(1900, 1, 15, 6, 0, 0), kYearUnit, -1, Fields(1899, 1, 15, 6, 0, 0)},
      // A result beyond the calendar's range stops at its bound.
      {MakeDateTime(9999, 12, 15, 0, 0, 0), kMonthUnit, 1, Fields(9999, 12, 31, 0, 0, 0)},
      {MakeDateTime(100, 2, 1, 0, 0, 0), kYearUnit, -1, Fields(100, 1, 1, 0, 0, 0)},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.value.value << " unit " << c.unit << " " << c.amount);
    ExpectFields(AddToDateTime(c.value, c.unit, c.amount), c.expected);
  }
}

TEST(AddToDateTime, ReturnsTheValueUnchangedForNoAmountOrAnUnknownUnit) {
  const DateTime outOfRange{5e6};
  EXPECT_EQ(AddToDateTime(outOfRange, kHourUnit, 0), outOfRange);
  const DateTime value = MakeDateTime(2024, 5, 6, 7, 8, 9);
  EXPECT_EQ(AddToDateTime(value, 0, 8), value);
  EXPECT_EQ(AddToDateTime(value, 9, 8), value);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(AddToDateTime(DateTime{nan}, kHourUnit, 8).value));
}

TEST(AddToDateTime, LargeAmountsDoNotOverflow) {
  ExpectFields(AddToDateTime(MakeDateTime(2000, 1, 1, 0, 0, 0), kQuarterUnit, 2000000000),
               Fields(9999, 12, 31, 0, 0, 0));
  ExpectFields(AddToDateTime(MakeDateTime(2000, 1, 1, 0, 0, 0), kSecondUnit, -2147483647 - 1),
               Fields(1931, 12, 13, 20, 45, 52));
}

TEST(DateTimeToFields, RoundsToTheNearestSecondAndCarriesIntoTheNextDay) {
  const double halfSecond = 0.5 / 86400;
  ExpectFields(DateTime{1.0 - halfSecond / 2}, Fields(1899, 12, 31, 0, 0, 0));
  ExpectFields(DateTime{-1.0 - (1.0 - halfSecond / 2)}, Fields(1899, 12, 30, 0, 0, 0));
  ExpectFields(DateTime{2.25 + 1.4 / 86400}, Fields(1900, 1, 1, 6, 0, 1));
  ExpectFields(DateTime{-1.25}, Fields(1899, 12, 29, 6, 0, 0));
  ExpectFields(DateTime{-0.5}, Fields(1899, 12, 30, 12, 0, 0));
}

TEST(DateTimeToFields, GivesTheDayOfTheWeekAndRefusesNonNumbers) {
  EXPECT_EQ(DateTimeToFields(DateTime{0.0})->dayOfWeek, 6);                           // Saturday
  EXPECT_EQ(DateTimeToFields(MakeDateTime(2024, 1, 1, 0, 0, 0))->dayOfWeek, 1);       // Monday
  EXPECT_EQ(DateTimeToFields(MakeDateTime(1899, 12, 24, 23, 0, 0))->dayOfWeek, 0);    // Sunday
  EXPECT_EQ(DateTimeToFields(MakeDateTime(1994, 11, 15, 23, 59, 59))->dayOfWeek, 2);  // Tuesday
  EXPECT_FALSE(DateTimeToFields(DateTime{std::numeric_limits<double>::quiet_NaN()}));
  EXPECT_FALSE(DateTimeToFields(DateTime{std::numeric_limits<double>::infinity()}));
}

TEST(UnixSeconds, ConvertBothWays) {
  EXPECT_EQ(DateTimeToUnixSeconds(DateTime{25569.0}), 0);
  EXPECT_EQ(DateTimeToUnixSeconds(MakeDateTime(1994, 11, 15, 8, 12, 31)), 784887151);
  EXPECT_EQ(DateTimeToUnixSeconds(MakeDateTime(1899, 12, 29, 6, 0, 0)), -2209226400);
  EXPECT_FALSE(DateTimeToUnixSeconds(DateTime{std::numeric_limits<double>::quiet_NaN()}));
  ExpectFields(UnixSecondsToDateTime(-1), Fields(1969, 12, 31, 23, 59, 59));
  ExpectFields(UnixSecondsToDateTime(784887151), Fields(1994, 11, 15, 8, 12, 31));
}

}  // namespace
