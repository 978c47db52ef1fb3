#include "app/instance_guard.h"

#include "app/instance_marker.h"
#include "base/bytes_ops.h"
#include "base/end_program.h"
#include "base/message_box.h"
#include "codec/hex_digest.h"

namespace {

// "你懒得输入，我就写死，略略": hashed for the name when none is given.
constexpr char kNameSeed[] =
    "\xC4\xE3\xC0\xC1\xB5\xC3\xCA\xE4\xC8\xEB\xA3\xAC\xCE\xD2\xBE\xCD\xD0\xB4\xCB\xC0\xA3\xAC"
    "\xC2\xD4\xC2\xD4";
// "对不起,该进程已打开!"
constexpr char kDefaultMessage[] =
    "\xB6\xD4\xB2\xBB\xC6\xF0,\xB8\xC3\xBD\xF8\xB3\xCC\xD2\xD1\xB4\xF2\xBF\xAA!";

}  // namespace

void GuardSingleInstance(Text* name, bool show, const std::optional<Text>& message, int style) {
  Text marker = name ? *name : Text();
  if (marker.empty()) {
    marker = DigestHex(TextToBytes(kNameSeed));
    if (name) *name = marker;
  }
  // Two copies started together may both find no marker; the one whose creation finds it
  // already made is the second copy as well.
  if (!MarkerHeld(marker) && CreateMarker(marker) != MarkerCreation::kAlreadyHeld) return;
  if (show) ShowMessageBox(message.value_or(Text(kDefaultMessage)), style, "Kestrival");
  EndProgram(0);
}
