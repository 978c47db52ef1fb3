// The calibration loop: query the network time, and set the machine's clock from it when
// the clock is off.
#pragma once

#include <chrono>
#include <functional>

#include "app/network_time.h"
#include "base/date_time.h"

// What a pass works with. The machine's own services in production; tests put a scripted
// query and a fake clock in their place.
struct CalibrationServices {
  // One network time query: the server's time plus eight hours, with its outcome.
  std::function<DateTime(TimeQueryOutcome& outcome)> fetchTime;
  // Writes a DateTime to the clock as local time (SetCurrentTime).
  std::function<bool(DateTime value)> setClock;
  // The machine's clock as it stands now.
  std::function<std::chrono::system_clock::time_point()> readClock;
  // A monotonic clock, for the request's round trip.
  std::function<std::chrono::steady_clock::time_point()> readMonotonic;
  std::function<void(std::chrono::milliseconds pause)> wait;
};

// One pass. A query that failed leaves the clock alone, and one that got no response at all
// is followed by a pause of a second. A valid answer is moved from UTC+8 into the machine's
// own zone and written only when the machine's clock, read as the answer arrived, is further
// from the server's time than one second plus the round trip.
void CalibrateOnce(const CalibrationServices& services);

// Passes without end.
[[noreturn]] void CalibrateForever(const CalibrationServices& services);

// Passes without end on this machine, asking the default URL.
[[noreturn]] void CalibrateForever();

// The machine's own services around a network time query.
CalibrationServices MachineCalibrationServices(
    std::function<DateTime(TimeQueryOutcome& outcome)> fetchTime);
