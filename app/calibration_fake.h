// A fake machine for tests of the calibration pass.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "app/calibration.h"
#include "app/date_time_ops.h"

// A fake machine: a clock that the test sets, a monotonic clock that advances by the
// request's round trip, and a scripted query. It records what the loop writes and waits.
struct FakeMachine {
  DateTime answer;  // what the query returns: the server's time plus eight hours
  TimeQueryOutcome outcome{200, true};
  std::chrono::milliseconds roundTrip{100};
  std::chrono::system_clock::time_point machineClock;
  std::chrono::steady_clock::time_point monotonic;
  std::vector<DateTime> writes;
  std::vector<std::chrono::milliseconds> waits;

  CalibrationServices Services() {
    return {[this](TimeQueryOutcome& result) {
              monotonic += roundTrip;
              machineClock += roundTrip;
              result = outcome;
              return answer;
            },
            [this](DateTime value) {
              writes.push_back(value);
              return false;  // as a machine without the right would answer
            },
            [this] { return machineClock; }, [this] { return monotonic; },
            [this](std::chrono::milliseconds pause) { waits.push_back(pause); }};
  }

  // The server answers with utc (its clock, cut to the second); the machine's clock reads
  // offset from it when the answer arrives.
  void Answer(int64_t utcSeconds, std::chrono::milliseconds offset) {
    answer = AddToDateTime(UnixSecondsToDateTime(utcSeconds), kHourUnit, 8);
    machineClock = std::chrono::system_clock::time_point(std::chrono::seconds(utcSeconds)) +
                   offset - roundTrip;
  }
};
