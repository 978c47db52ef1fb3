// A message box with no owner window that waits for the user. style holds the platform's
// style bits (buttons in the low four bits: OK, OK/Cancel, Abort/Retry/Ignore,
// Yes/No/Cancel, Yes/No, Retry/Cancel; icons above them); the box is task-modal unless the
// style asks for system-modal (0x1000). The texts are GBK. Returns the button pressed:
// Cancel 1, Abort 2, Retry 3, Ignore 4, Yes 5, No 6; OK, anything else and a box that could
// not be shown give 0 (so does a button layout beyond those six).
#pragma once

#include "base/text.h"

int ShowMessageBox(const Text& text, int style, const Text& title);
