// Text primitives. Positions count bytes from 1; lengths count bytes. A byte of 0x80 or
// above begins a double-byte character with the byte after it: trimming and case conversion
// step over such pairs whole, while length and the left, right and middle parts count plain
// bytes. Every routine accepts any bytes and any counts, and returns a new value.
#pragma once

#include "base/text.h"

int TextLength(const Text& t);
// The first or last n bytes; n <= 0 gives empty, n past the length all of t.
Text TextLeft(const Text& t, int n);
Text TextRight(const Text& t, int n);
// Up to n bytes from start; start below 1 or past the end, or n <= 0, gives empty.
Text TextMid(const Text& t, int start, int n);
// The first byte as a signed 8-bit number; empty gives 0.
int CharCode(const Text& t);

// ASCII spaces and full-width spaces (A1 A1) at either end, or everywhere; tab, CR and LF
// stay. Both drop a lone lead byte at the very end.
Text TrimSpaces(const Text& t);
Text RemoveSpaces(const Text& t);
// ASCII letters only; a double-byte character stays as it is.
Text ToUpper(const Text& t);
Text ToLower(const Text& t);
