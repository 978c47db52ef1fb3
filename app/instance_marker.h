// A named marker of a running copy, held by the kernel for the process that made it and
// dropped when that process ends in any way. Any byte sequence names one.
#pragma once

#include "base/text.h"

// Whether a marker of this name is held now. Any failure counts as no.
bool MarkerHeld(const Text& name);

enum class MarkerCreation { kCreated, kAlreadyHeld, kFailed };

// Makes the marker and holds it for the rest of the process's life; tells whether it was
// already held by another.
MarkerCreation CreateMarker(const Text& name);
