#include <windows.h>

#include <cstdio>

#include "base/end_program.h"

void EndProgram(int status) {
  std::fflush(stdout);
  ExitProcess(static_cast<UINT>(status));
}
