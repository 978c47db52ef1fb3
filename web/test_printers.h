// Lets GoogleTest show Text and TextList values as their bytes in failure messages.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "base/text.h"
#include "base/text_list.h"

inline void PrintTo(const Text& t, std::ostream* os) {
  *os << testing::PrintToString(t.str());
}

inline void PrintTo(const TextList& list, std::ostream* os) {
  *os << "{";
  for (const Text& t : list)
    *os << " " << testing::PrintToString(t.str());
  *os << " }";
}
