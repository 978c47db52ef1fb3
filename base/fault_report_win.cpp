#include <windows.h>

#include <cstdio>

#include "base/fault_report.h"

namespace {

bool IsGuiProgram() {
  auto* image = reinterpret_cast<const BYTE*>(GetModuleHandleA(nullptr));
  auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
  auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
  return nt->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI;
}

}  // namespace

void ReportFaultAndExit(const std::string& report) {
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", report.c_str());
  std::fflush(stderr);
  // The report is ASCII, so the ANSI call reads right on any code page.
  if (IsGuiProgram())
    MessageBoxA(nullptr, report.c_str(), "Kestrival", MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(-1));
}
