// DateTime: the OLE Automation date. The whole part counts days from 1899-12-30 (negative
// before it, the fraction still adding the time of day); no time zone.
#pragma once

struct DateTime {
  double value = 0.0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

inline constexpr DateTime kMinDateTime{-657434.0};  // 0100-01-01 00:00:00
inline constexpr DateTime kMaxDateTime{2958465.0};  // 9999-12-31 00:00:00
