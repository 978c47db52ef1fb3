// HTTP dates through curl's date parser, which gives seconds since 1970 in UTC.
#include <curl/curl.h>

#include <ctime>

#include "app/http_date_record.h"

bool ConvertHttpDate(const Text& dateText, HttpDateRecord& record) {
  time_t seconds = curl_getdate(dateText.c_str(), nullptr);
  std::tm fields{};
  if (seconds == -1 || !gmtime_r(&seconds, &fields)) return false;
  // The record's fields are 16 bits wide; a year beyond them is not a date it can hold.
  if (fields.tm_year + 1900 > INT16_MAX || fields.tm_year + 1900 < INT16_MIN) return false;
  record.year = static_cast<int16_t>(fields.tm_year + 1900);
  record.month = static_cast<int16_t>(fields.tm_mon + 1);
  record.dayOfWeek = static_cast<int16_t>(fields.tm_wday);
  record.day = static_cast<int16_t>(fields.tm_mday);
  record.hour = static_cast<int16_t>(fields.tm_hour);
  record.minute = static_cast<int16_t>(fields.tm_min);
  record.second = static_cast<int16_t>(fields.tm_sec);
  record.milliseconds = 0;
  return true;
}
