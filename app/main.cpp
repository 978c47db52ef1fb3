// The process entry of kestrival.
#include "app/startup.h"

int main() {
  RunStartup();
  return 0;
}
