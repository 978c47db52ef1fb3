// HTTP dates through wininet's InternetTimeToSystemTimeA, looked up by name at first use.
// The conversion reports success on any text, filling what it cannot read from the current
// time, and reads reliably only the RFC 1123 form; so only a text of that form counts as
// understood.
#include <windows.h>

#include "app/http_date_form.h"
#include "app/http_date_record.h"

namespace {

using InternetTimeToSystemTimeFn = BOOL(WINAPI*)(LPCSTR, SYSTEMTIME*, DWORD);

InternetTimeToSystemTimeFn LoadConversion() {
  HMODULE wininet = LoadLibraryA("wininet.dll");
  if (!wininet) return nullptr;
  return reinterpret_cast<InternetTimeToSystemTimeFn>(
      reinterpret_cast<void*>(GetProcAddress(wininet, "InternetTimeToSystemTimeA")));
}

}  // namespace

bool ConvertHttpDate(const Text& dateText, HttpDateRecord& record) {
  static const InternetTimeToSystemTimeFn convert = LoadConversion();
  if (!convert) return false;
  static_assert(sizeof(SYSTEMTIME) == sizeof(HttpDateRecord));
  SYSTEMTIME time{static_cast<WORD>(record.year),      static_cast<WORD>(record.month),
                  static_cast<WORD>(record.dayOfWeek), static_cast<WORD>(record.day),
                  static_cast<WORD>(record.hour),      static_cast<WORD>(record.minute),
                  static_cast<WORD>(record.second),    static_cast<WORD>(record.milliseconds)};
  bool understood = convert(dateText.c_str(), &time, 0) != FALSE;
  // The record's fields are signed: a WORD above 32767 reads as a negative number.
  record = {static_cast<int16_t>(time.wYear),      static_cast<int16_t>(time.wMonth),
            static_cast<int16_t>(time.wDayOfWeek), static_cast<int16_t>(time.wDay),
            static_cast<int16_t>(time.wHour),      static_cast<int16_t>(time.wMinute),
            static_cast<int16_t>(time.wSecond),    static_cast<int16_t>(time.wMilliseconds)};
  return understood && IsRfc1123Date(dateText.view());
}
