// message_box_probe STYLE TITLE-HEX TEXT-HEX REPORT-FILE: shows one box with the GBK texts
// given in hex, writes the box's title and text as the window shows them (UTF-8, one per
// line) to the report file, and ends with the box's answer as its exit status.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "base/end_program.h"
#include "base/message_box.h"

namespace {

std::string FromHex(const char* hex) {
  std::string bytes;
  for (; hex[0] && hex[1]; hex += 2)
    bytes += static_cast<char>(std::stoi(std::string(hex, 2), nullptr, 16));
  return bytes;
}

std::string Utf8(const std::wstring& w) {
  int size = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string s(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, s.data(), size, nullptr, nullptr);
  s.resize(size - 1);
  return s;
}

std::wstring WindowText(HWND window) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(window, buffer, 1024);
  return buffer;
}

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 64);
  // A box is shown only once its controls hold their texts.
  if (process != GetCurrentProcessId() || std::wstring(cls) != L"#32770" ||
      !IsWindowVisible(window))
    return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

BOOL CALLBACK FindText(HWND child, LPARAM text) {
  wchar_t cls[64] = {};
  GetClassNameW(child, cls, 64);
  std::wstring shown = WindowText(child);
  // The text is the box's static control that holds words (the icon's holds none).
  if (std::wstring(cls) == L"Static" && !shown.empty())
    *reinterpret_cast<std::wstring*>(text) = shown;
  return TRUE;
}

// Waits for this process's box to appear, then reports what it shows.
void ReportBox(std::string path) {
  HWND box = nullptr;
  while (!box) {
    Sleep(50);
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box));
  }
  std::wstring text;
  EnumChildWindows(box, FindText, reinterpret_cast<LPARAM>(&text));
  std::string report = "title " + Utf8(WindowText(box)) + "\ntext " + Utf8(text) + "\n";
  // Written whole under another name first: the test waits for the report to answer the box.
  std::string part = path + ".part";
  if (FILE* f = std::fopen(part.c_str(), "wb")) {
    std::fwrite(report.data(), 1, report.size(), f);
    std::fclose(f);
    std::rename(part.c_str(), path.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) return 100;
  std::thread(ReportBox, std::string(argv[4])).detach();
  int answer = ShowMessageBox(Text(FromHex(argv[3])), std::atoi(argv[1]), Text(FromHex(argv[2])));
  EndProgram(answer);
}
