#include <windows.h>

#include <string>

#include "base/message_box.h"

namespace {

// The texts are GBK whatever the machine's ANSI code page is, so they are widened from code
// page 936 rather than handed to the ANSI box.
std::wstring FromGbk(const Text& t) {
  int size = MultiByteToWideChar(936, 0, t.c_str(), -1, nullptr, 0);
  if (size <= 0) return std::wstring();
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(936, 0, t.c_str(), -1, wide.data(), size);
  wide.resize(size - 1);
  return wide;
}

}  // namespace

int ShowMessageBox(const Text& text, int style, const Text& title) {
  UINT type = static_cast<UINT>(style);
  if (!(type & MB_SYSTEMMODAL)) type |= MB_TASKMODAL;
  switch (MessageBoxW(nullptr, FromGbk(text).c_str(), FromGbk(title).c_str(), type)) {
    case IDCANCEL:
      return 1;
    case IDABORT:
      return 2;
    case IDRETRY:
      return 3;
    case IDIGNORE:
      return 4;
    case IDYES:
      return 5;
    case IDNO:
      return 6;
    default:
      return 0;
  }
}
