// Walking GBK text by characters: a byte of 0x80 or above leads a two-byte character.
#pragma once

#include <cstddef>
#include <string_view>

inline bool IsLeadByte(char c) {
  return static_cast<unsigned char>(c) >= 0x80;
}

// The length of the character that begins at index i (2 for a lead byte, even when it is
// the last byte; callers check for that lone byte).
inline std::size_t CharWidth(std::string_view t, std::size_t i) {
  return IsLeadByte(t[i]) ? 2 : 1;
}
