// guard_probe [--name HEX | --empty-name] [--show] [--message HEX | --empty-message]
//             [--style N]
// Calls the instance guard with the options given (texts as hex of their GBK bytes, so that
// they pass any command line intact), prints "holding " and the marker's name in hex once
// it returns, then sleeps until it is killed.
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>

#include "app/instance_guard.h"

namespace {

Text FromHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return Text(bytes);
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<Text> name, message;
  bool show = false;
  int style = 0;
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    bool hasValue = i + 1 < argc;
    if (option == "--name" && hasValue)
      name = FromHex(argv[++i]);
    else if (option == "--empty-name")
      name = Text();
    else if (option == "--show")
      show = true;
    else if (option == "--message" && hasValue)
      message = FromHex(argv[++i]);
    else if (option == "--empty-message")
      message = Text();
    else if (option == "--style" && hasValue)
      style = std::stoi(argv[++i]);
    else
      return 2;
  }
  GuardSingleInstance(name ? &*name : nullptr, show, message, style);
  Text held = name ? *name : Text();
  std::printf("holding ");
  for (unsigned char c : held.str())
    std::printf("%02x", c);
  std::printf("\n");
  std::fflush(stdout);
  for (;;)
    std::this_thread::sleep_for(std::chrono::hours(1));
}
