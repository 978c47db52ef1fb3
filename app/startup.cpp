#include "app/startup.h"

#include "app/instance_guard.h"

void RunStartup() {
  Text title = "Kestrival";
  // "程序已运行": the program is already running; stop icon, OK button.
  GuardSingleInstance(&title, true, Text("\xB3\xCC\xD0\xF2\xD2\xD1\xD4\xCB\xD0\xD0"), 16);
}
