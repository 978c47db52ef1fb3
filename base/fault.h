// The one stop of the system: an element read outside its list reports the fault and ends
// the process with status -1.
#pragma once

enum class Fault { kPastCount = 1, kBelowOne = 4 };

// Checks a 1-based position against a count; stops the program when it is outside.
void CheckPosition(long long position, long long count);

[[noreturn]] void FaultStop(Fault fault, long long position, long long count);
