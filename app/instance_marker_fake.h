// A marker layer for tests of the guard: answers as the test sets it and records the calls.
#pragma once

#include <string>
#include <vector>

#include "app/instance_marker.h"

struct MarkerFake {
  bool held = false;
  MarkerCreation creation = MarkerCreation::kCreated;
  std::vector<std::string> calls;  // "held NAME", "create NAME"
};

MarkerFake& TheMarkerFake();
