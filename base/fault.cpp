#include "base/fault.h"

#include <string>

#include "base/fault_report.h"

void CheckPosition(long long position, long long count) {
  if (position < 1) FaultStop(Fault::kBelowOne, position, count);
  if (position > count) FaultStop(Fault::kPastCount, position, count);
}

void FaultStop(Fault fault, long long position, long long count) {
  const char* meaning =
      fault == Fault::kBelowOne ? "element position below 1" : "element position past the count";
  ReportFaultAndExit("Kestrival fault " + std::to_string(static_cast<int>(fault)) + ": " + meaning +
                     " (position " + std::to_string(position) + ", count " + std::to_string(count) +
                     ")");
}
