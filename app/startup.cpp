#include "app/startup.h"

#include "app/calibration.h"
#include "app/instance_guard.h"
#include "base/end_program.h"
#include "base/message_box.h"

namespace {

constexpr int kStopIconOk = 16;
constexpr int kQuestionIconYesNo = 0x24;
constexpr int kYes = 5;

}  // namespace

void RunStartup() {
  Text title = "Kestrival";
  // "程序已运行": the program is already running.
  GuardSingleInstance(&title, true, Text("\xB3\xCC\xD0\xF2\xD2\xD1\xD4\xCB\xD0\xD0"), kStopIconOk);
  // "是否启动Kestrival？": start Kestrival?
  int answer = ShowMessageBox(Text("\xCA\xC7\xB7\xF1\xC6\xF4\xB6\xAF"
                                   "Kestrival\xA3\xBF"),
                              kQuestionIconYesNo, title);
  if (answer != kYes) EndProgram(0);
  CalibrateForever();
}
