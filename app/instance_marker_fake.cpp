#include "app/instance_marker_fake.h"

MarkerFake& TheMarkerFake() {
  static MarkerFake fake;
  return fake;
}

bool MarkerHeld(const Text& name) {
  TheMarkerFake().calls.push_back("held " + name.str());
  return TheMarkerFake().held;
}

MarkerCreation CreateMarker(const Text& name) {
  TheMarkerFake().calls.push_back("create " + name.str());
  return TheMarkerFake().creation;
}
