#include <unistd.h>

#include <cstdio>

#include "base/fault_report.h"

void ReportFaultAndExit(const std::string& report) {
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", report.c_str());
  std::fflush(stderr);
  _exit(-1);
}
