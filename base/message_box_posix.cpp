// The box as a dialog on the controlling terminal: the title, the text, then the buttons,
// each answered by its letter; Enter takes the first button and Escape the Cancel button
// (or OK when it is the only one), as on the Windows box.
#include <fcntl.h>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <iterator>
#include <string>
#include <vector>

#include "base/message_box.h"

namespace {

struct Button {
  const char* label;  // the first letter answers it
  int answer;
};

const std::vector<Button> kLayouts[] = {
    {{"OK", 0}},
    {{"OK", 0}, {"Cancel", 1}},
    {{"Abort", 2}, {"Retry", 3}, {"Ignore", 4}},
    {{"Yes", 5}, {"No", 6}, {"Cancel", 1}},
    {{"Yes", 5}, {"No", 6}},
    {{"Retry", 3}, {"Cancel", 1}},
};

// GBK to the terminal's encoding; characters it cannot show become look-alikes or '?'.
std::string ForTerminal(const Text& t) {
  std::string codeset = "ANSI_X3.4-1968";
  if (locale_t locale = newlocale(LC_CTYPE_MASK, "", locale_t{})) {
    codeset = nl_langinfo_l(CODESET, locale);
    freelocale(locale);
  }
  iconv_t cd = iconv_open((codeset + "//TRANSLIT").c_str(), "GBK");
  if (cd == iconv_t(-1)) return t.str();
  std::string in = t.str(), out;
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  char buffer[256];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, outPtr - buffer);
    if (done == std::size_t(-1) && errno != E2BIG) {
      // A byte that is not GBK: show it as unknown and go on after it.
      out += '?';
      ++inPtr;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}

void WriteAll(int fd, const std::string& s) {
  for (std::size_t done = 0; done < s.size();) {
    ssize_t n = write(fd, s.data() + done, s.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += n;
  }
}

// Reads one byte that follows at once, as the bytes of one key's sequence do.
bool NextByte(int fd, char& c) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, 50) > 0 && read(fd, &c, 1) == 1;
}

// An Escape key alone, not the start of another key's sequence (arrows, Alt with a letter),
// which is read to its end and dropped.
bool LoneEscape(int fd) {
  char c;
  if (!NextByte(fd, c)) return true;
  if (c == '[' || c == 'O')
    while (NextByte(fd, c) && !(c >= 0x40 && c <= 0x7E)) {
    }
  return false;
}

// What WaitForButton gives for Ctrl-C or Ctrl-\, which end the program once the terminal is
// set back.
const Button kInterrupt{};

const Button* WaitForButton(int fd, const std::vector<Button>& buttons) {
  for (;;) {
    char c;
    ssize_t n = read(fd, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return nullptr;
    if (c == '\x03' || c == '\x1c') return &kInterrupt;
    if (c == '\r' || c == '\n') return &buttons.front();
    if (c == '\x1b') {
      if (!LoneEscape(fd)) continue;
      for (const Button& b : buttons)
        if (b.answer == 1) return &b;
      if (buttons.size() == 1) return &buttons.front();
      continue;
    }
    for (const Button& b : buttons)
      if (std::tolower(static_cast<unsigned char>(c)) == std::tolower(b.label[0])) return &b;
  }
}

}  // namespace

int ShowMessageBox(const Text& text, int style, const Text& title) {
  unsigned layout = static_cast<unsigned>(style) & 0xF;
  if (layout >= std::size(kLayouts)) return 0;
  const std::vector<Button>& buttons = kLayouts[layout];
  int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return 0;

  termios saved;
  bool raw = tcgetattr(fd, &saved) == 0;
  if (raw) {
    termios keys = saved;
    // Signal keys are read as keys too, so that the terminal is set back before they act.
    keys.c_lflag &= ~(ICANON | ECHO | ISIG);
    keys.c_cc[VMIN] = 1;
    keys.c_cc[VTIME] = 0;
    // Keys typed before the box appeared do not answer it.
    tcsetattr(fd, TCSAFLUSH, &keys);
  }
  std::string screen = "\n[" + ForTerminal(title) + "]\n" + ForTerminal(text) + "\n";
  for (const Button& b : buttons)
    screen += std::string("(") + b.label[0] + ")" + (b.label + 1) + " ";
  screen += "> ";
  WriteAll(fd, screen);
  const Button* pressed = WaitForButton(fd, buttons);
  WriteAll(fd, std::string(pressed && pressed != &kInterrupt ? pressed->label : "") + "\n");
  if (raw) tcsetattr(fd, TCSANOW, &saved);
  close(fd);
  if (pressed == &kInterrupt) {
    raise(SIGINT);
    return 0;
  }
  return pressed ? pressed->answer : 0;
}
