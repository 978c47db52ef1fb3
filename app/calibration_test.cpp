#include "app/calibration.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/calibration_fake.h"

namespace {

using namespace std::chrono_literals;

// 2024-01-15 12:00:00 UTC.
constexpr int64_t kWinterNoonUtc = 1705320000;

TEST(CalibrateOnce, AQueryWithoutResponseNeverReachesTheClockAndPausesASecond) {
  FakeMachine machine;
  machine.Answer(kWinterNoonUtc, 3600s);
  machine.outcome = {0, false};
  CalibrateOnce(machine.Services());
  EXPECT_TRUE(machine.writes.empty());
  EXPECT_EQ(machine.waits, std::vector<std::chrono::milliseconds>{1000ms});
}

TEST(CalibrateOnce, AResponseWithoutAUsableDateLeavesTheClockAndGoesOnAtOnce) {
  FakeMachine machine;
  machine.Answer(kWinterNoonUtc, 3600s);
  machine.outcome = {200, false};
  CalibrateOnce(machine.Services());
  EXPECT_TRUE(machine.writes.empty());
  EXPECT_TRUE(machine.waits.empty());
}

TEST(CalibrateOnce, WritesOnlyAClockFurtherOffThanASecondPlusTheRoundTrip) {
  struct Case {
    std::chrono::milliseconds roundTrip, offset;
    bool written;
  };
  const Case kCases[] = {
      {100ms, 0ms, false},     {100ms, 999ms, false},  {100ms, 1100ms, false},
      {100ms, 1101ms, true},   {100ms, -1101ms, true}, {100ms, -900ms, false},
      {2500ms, 3400ms, false}, {2500ms, 3600ms, true}, {100ms, 86400s, true},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "round trip " << c.roundTrip.count() << " ms, off by "
                                    << c.offset.count() << " ms");
    FakeMachine machine;
    machine.roundTrip = c.roundTrip;
    machine.Answer(kWinterNoonUtc, c.offset);
    CalibrateOnce(machine.Services());
    EXPECT_EQ(machine.writes.size(), c.written ? 1u : 0u);
    EXPECT_TRUE(machine.waits.empty());
  }
}

}  // namespace
