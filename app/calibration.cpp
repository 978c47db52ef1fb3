#include "app/calibration.h"

#include <cmath>
#include <thread>

#include "app/date_time_ops.h"
#include "app/local_clock.h"
#include "app/set_current_time.h"

namespace {

using std::chrono::duration;

// The query gives the server's UTC time moved into UTC+8.
constexpr int kQueryZoneHours = 8;
// The server's Date: header cuts its clock to the second.
constexpr double kDateResolutionSeconds = 1.0;
constexpr std::chrono::seconds kPauseWithoutNetwork{1};

}  // namespace

void CalibrateOnce(const CalibrationServices& services) {
  auto sent = services.readMonotonic();
  TimeQueryOutcome outcome;
  DateTime value = services.fetchTime(outcome);
  auto arrived = services.readMonotonic();
  auto machineNow = services.readClock();
  if (!outcome.valid) {
    if (outcome.statusCode == 0) services.wait(kPauseWithoutNetwork);
    return;
  }
  std::optional<int64_t> serverSeconds =
      DateTimeToUnixSeconds(AddToDateTime(value, kHourUnit, -kQueryZoneHours));
  if (!serverSeconds) return;
  double machineSeconds = duration<double>(machineNow.time_since_epoch()).count();
  double roundTrip = duration<double>(arrived - sent).count();
  if (std::fabs(machineSeconds - static_cast<double>(*serverSeconds)) <=
      kDateResolutionSeconds + roundTrip) {
    return;
  }
  if (std::optional<DateTime> local = LocalTimeAt(*serverSeconds)) services.setClock(*local);
}

void CalibrateForever(const CalibrationServices& services) {
  for (;;)
    CalibrateOnce(services);
}

void CalibrateForever() {
  CalibrateForever(MachineCalibrationServices(
      [](TimeQueryOutcome& outcome) { return FetchNetworkTime(nullptr, &outcome); }));
}

CalibrationServices MachineCalibrationServices(
    std::function<DateTime(TimeQueryOutcome& outcome)> fetchTime) {
  return {std::move(fetchTime), SetCurrentTime, [] { return std::chrono::system_clock::now(); },
          [] { return std::chrono::steady_clock::now(); },
          [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); }};
}
