// Run once per zone, with TZ set for the whole process by the test's environment: the
// Windows build under Wine takes its zone from TZ at start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/calibration_fake.h"

namespace {

using namespace std::chrono_literals;

TEST(CalibrateOnce, WritesTheServersTimeAsTheLocalTimeOfTheMachinesZone) {
  struct Case {
    const char* zone;
    int64_t utc;
    DateTimeFields local;
  };
  const Case kCases[] = {
      // 2024-01-15 12:00:00 UTC.
      {"UTC0", 1705320000, {2024, 1, 15, 12, 0, 0, 0}},
      {"CST-8", 1705320000, {2024, 1, 15, 20, 0, 0, 0}},
      {"Asia/Shanghai", 1705320000, {2024, 1, 15, 20, 0, 0, 0}},
      {"EST5", 1705320000, {2024, 1, 15, 7, 0, 0, 0}},
      // Across New York's change to daylight saving time, 2024-03-10 07:00 UTC.
      {"America/New_York", 1710053999, {2024, 3, 10, 1, 59, 59, 0}},
      {"America/New_York", 1710054000, {2024, 3, 10, 3, 0, 0, 0}},
      // And back, 2024-11-03 06:00 UTC: 01:30 comes twice.
      {"America/New_York", 1730611800, {2024, 11, 3, 1, 30, 0, 0}},
      {"America/New_York", 1730615400, {2024, 11, 3, 1, 30, 0, 0}},
      {"America/New_York", 1730619000, {2024, 11, 3, 2, 30, 0, 0}},
  };
  const char* zone = std::getenv("TZ");
  ASSERT_NE(zone, nullptr) << "run with TZ set to a zone of the table";
  int checked = 0;
  for (const Case& c : kCases) {
    if (std::string(c.zone) != zone) continue;
    SCOPED_TRACE(testing::Message() << c.zone << " at " << c.utc);
    FakeMachine machine;
    machine.Answer(c.utc, -3600s);
    CalibrateOnce(machine.Services());
    ASSERT_EQ(machine.writes.size(), 1u);
    std::optional<DateTimeFields> written = DateTimeToFields(machine.writes[0]);
    ASSERT_TRUE(written);
    written->dayOfWeek = 0;
    EXPECT_EQ(*written, c.local);
    ++checked;
  }
  EXPECT_GT(checked, 0) << "no case for TZ=" << zone;
}

}  // namespace
