// The terminal dialog, shown by a child process on a pseudo-terminal and answered there.
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "base/end_program.h"
#include "base/message_box.h"

namespace {

struct Outcome {
  int status = -1;  // the child's exit status, the answer; -1 when it did not end
  std::string screen;
};

// Reads what the child writes until want appears (or, with want empty, until it closes the
// terminal), giving up after five seconds.
void ReadUntil(int master, std::string& screen, const std::string& want) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (want.empty() || screen.find(want) == std::string::npos) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd p{master, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return;
    char buffer[256];
    ssize_t n = read(master, buffer, sizeof buffer);
    if (n <= 0) return;
    screen.append(buffer, n);
  }
}

// Shows the box in a child on a new pseudo-terminal, types keys once it asks, and returns
// the child's exit status (the answer) and the screen.
Outcome AnswerBox(const Text& text, int style, const Text& title, const std::string& keys,
                  const char* locale = "C.UTF-8") {
  Outcome outcome;
  int master = -1;
  pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid == 0) {
    setenv("LC_ALL", locale, 1);
    _exit(ShowMessageBox(text, style, title));
  }
  EXPECT_GT(pid, 0);
  ReadUntil(master, outcome.screen, " > ");
  EXPECT_EQ(write(master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  ReadUntil(master, outcome.screen, "");
  int status = 0;
  // A box still waiting has not been answered: its status stays -1.
  if (waitpid(pid, &status, WNOHANG) == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
  }
  close(master);
  if (WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
  return outcome;
}

TEST(TerminalMessageBox, EachLayoutAnswersByKey) {
  struct Case {
    int style;
    const char* keys;
    int answer;
    const char* buttons;
  } cases[] = {
      {0, "\r", 0, "(O)K > "},
      {0, "\x1b", 0, "(O)K > "},
      {1, "\r", 0, "(O)K (C)ancel > "},
      {1, "c", 1, ""},
      {1, "\x1b", 1, ""},
      {2, "\r", 2, "(A)bort (R)etry (I)gnore > "},
      {2, "r", 3, ""},
      {2, "i", 4, ""},
      {2, "\x1b", -1, ""},  // Escape does nothing without a Cancel button
      {2, "zqR", 3, ""},    // nor do other keys; letters count in either case
      {3, "\r", 5, "(Y)es (N)o (C)ancel > "},
      {3, "n", 6, ""},
      {3, "C", 1, ""},
      {3, "\x1b[Ay", 5, ""},  // an arrow key's sequence is not Escape
      {4, "\n", 5, "(Y)es (N)o > "},
      {4, "n", 6, ""},
      {5, "\r", 3, "(R)etry (C)ancel > "},
      {5, "c", 1, ""},
      {16, "\r", 0, "(O)K > "},  // icons and modality do not change the buttons
      {36, "y", 5, "(Y)es (N)o > "},
      {0x1000 | 36, "n", 6, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " keys " << c.keys);
    Outcome o = AnswerBox("text", c.style, "Kestrival", c.keys);
    EXPECT_EQ(o.status, c.answer);
    EXPECT_NE(o.screen.find(std::string("[Kestrival]\r\ntext\r\n") + c.buttons), std::string::npos)
        << o.screen;
  }
}

TEST(TerminalMessageBox, TextsAreShownInTheTerminalsEncoding) {
  // "程序已运行" under the title "是否启动Kestrival？", in GBK.
  Text text = "\xB3\xCC\xD0\xF2\xD2\xD1\xD4\xCB\xD0\xD0";
  Text title = "\xCA\xC7\xB7\xF1\xC6\xF4\xB6\xAFKestrival\xA3\xBF";
  Outcome utf8 = AnswerBox(text, 0, title, "\r");
  EXPECT_NE(utf8.screen.find("[是否启动Kestrival？]\r\n程序已运行\r\n"), std::string::npos)
      << utf8.screen;
  // A terminal that cannot show them gets stand-ins, never raw GBK bytes.
  Outcome ascii = AnswerBox(text, 0, title, "\r", "C");
  EXPECT_EQ(ascii.screen.find("\xB3\xCC"), std::string::npos);
  EXPECT_NE(ascii.screen.find("Kestrival?]\r\n?????\r\n"), std::string::npos) << ascii.screen;
  // A byte that is not GBK is shown as unknown and the rest still comes through.
  Outcome broken = AnswerBox(
      "a\xFF"
      "b",
      0, "t", "\r");
  EXPECT_NE(broken.screen.find("[t]\r\na?b\r\n"), std::string::npos) << broken.screen;
}

TEST(TerminalMessageBox, InterruptEndsTheProgramWithTheTerminalSetBack) {
  int master = -1;
  pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid == 0) _exit(ShowMessageBox("text", 4, "title"));
  ASSERT_GT(pid, 0);
  std::string screen;
  ReadUntil(master, screen, " > ");
  ASSERT_EQ(write(master, "\x03", 1), 1);
  ReadUntil(master, screen, "");
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
  termios after{};
  ASSERT_EQ(tcgetattr(master, &after), 0);
  EXPECT_TRUE(after.c_lflag & ECHO);
  EXPECT_TRUE(after.c_lflag & ICANON);
  close(master);
}

TEST(TerminalMessageBox, NoTerminalAnswersZeroAtOnce) {
  pid_t pid = fork();
  if (pid == 0) {
    setsid();  // a new session has no controlling terminal
    _exit(ShowMessageBox("text", 4, "Kestrival") == 0 ? 42 : 1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 42);
}

TEST(EndProgram, FlushesOutputAndEndsWithTheStatus) {
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    std::printf("buffered");
    EndProgram(7);
  }
  close(out[1]);
  std::string seen;
  char buffer[64];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
    seen.append(buffer, n);
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_EQ(seen, "buffered");
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
}

}  // namespace
