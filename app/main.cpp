// The process entry of kestrival.
#include "app/clock_right.h"
#include "app/startup.h"

int main() {
  RequireClockRight();
  RunStartup();
  return 0;
}
