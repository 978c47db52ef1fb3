// Cutting a piece out of a text by its delimiters. Positions count bytes from 1; a start
// position of 0 or below searches from byte 1. Neither routine changes its arguments.
#pragma once

#include "base/text.h"

// The bytes before the first delimiter found at or after startPosition (always from the
// first byte of the text); empty when there is none.
Text TextBefore(const Text& text, const Text& delimiter, int startPosition = 1,
                bool ignoreCase = false);
// The bytes between the first leftMarker at or after startPosition and the first
// rightMarker after it; empty when either is missing. In the markers (never in the text)
// the token "#\xD2\xFD\xBA\xC5" stands for a double quote.
Text TextBetween(const Text& text, const Text& leftMarker, const Text& rightMarker,
                 int startPosition = 1, bool ignoreCase = false);
