#include <windows.h>

#include "app/instance_marker.h"

// The marker is a named event, never signalled or waited on.
bool MarkerHeld(const Text& name) {
  HANDLE event = OpenEventA(EVENT_ALL_ACCESS, FALSE, name.c_str());
  if (!event) return false;
  CloseHandle(event);
  return true;
}

MarkerCreation CreateMarker(const Text& name) {
  // The handle stays open until the process ends, which is what holds the event.
  HANDLE event = CreateEventA(nullptr, FALSE, FALSE, name.c_str());
  if (!event) return MarkerCreation::kFailed;
  return GetLastError() == ERROR_ALREADY_EXISTS ? MarkerCreation::kAlreadyHeld
                                                : MarkerCreation::kCreated;
}
