// clock_right_probe: calls RequireClockRight and prints "right held" when it returns.
#include <cstdio>

#include "app/clock_right.h"

int main() {
  RequireClockRight();
  std::puts("right held");
  return 0;
}
