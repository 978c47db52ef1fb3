// Shows a fault report to the user and ends the process with status -1. Console programs
// write it to standard error; a Windows GUI program, having none, also shows a box.
#pragma once

#include <string>

[[noreturn]] void ReportFaultAndExit(const std::string& report);
