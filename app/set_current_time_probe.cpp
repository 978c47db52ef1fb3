// set_current_time_probe VALUE: calls SetCurrentTime with the DateTime VALUE (a number, as
// strtod reads it) and prints "set" or "refused". Run it only with the clock calls made to
// fail (set_current_time_test.sh does so).
#include <cstdio>
#include <cstdlib>

#include "app/set_current_time.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  bool set = SetCurrentTime(DateTime{std::strtod(argv[1], nullptr)});
  std::puts(set ? "set" : "refused");
  return 0;
}
