// Keeps a second copy of the program from running beside the first.
#pragma once

#include <optional>

#include "base/text.h"

// Holds the instance marker called name for the life of the process; when another copy
// holds it, shows message (or the default message) in a box titled "Kestrival" if show is
// true, then ends the process with status 0. An empty or absent name is replaced by a
// fixed MD5-derived name, which *name then holds. style: the box's style bits.
void GuardSingleInstance(Text* name = nullptr, bool show = false,
                         const std::optional<Text>& message = std::nullopt, int style = 0);
