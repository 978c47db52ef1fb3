#include "app/http_date.h"

#include "app/date_time_ops.h"
#include "app/http_date_record.h"

DateTime ParseHttpDate(const Text& dateText, bool* understood) {
  HttpDateRecord record;
  bool converted = ConvertHttpDate(dateText, record);
  if (understood) *understood = converted;
  return MakeDateTime(record.year, record.month, record.day, record.hour, record.minute,
                      record.second);
}
