#include "app/set_current_time.h"

#include <algorithm>

#include "app/date_time_ops.h"
#include "app/local_clock.h"

bool SetCurrentTime(DateTime value) {
  DateTime limited{std::clamp(value.value, kMinDateTime.value, kMaxDateTime.value)};
  std::optional<DateTimeFields> fields = DateTimeToFields(limited);
  return fields && WriteLocalClock(*fields);
}
