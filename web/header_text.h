// Request header text: one header line split at its first colon, and whole header blocks
// (lines joined by CR LF) rewritten with capitalised names. Every routine leaves its
// argument as it was and returns a new Text.
#pragma once

#include "base/text.h"

// The bytes before the first colon, without surrounding spaces; empty without a colon.
Text HeaderName(const Text& headerLine);
// The bytes after the first colon, without surrounding spaces; empty without a colon.
Text HeaderValue(const Text& headerLine);
// The text with its first byte upper-cased when it is an ASCII lower-case letter.
Text CapitalizeFirst(const Text& text);
// The block with every name's first byte, and each byte after a hyphen in the name,
// capitalised; lines without a colon are dropped and no CR LF follows the last line.
Text NormalizeHeaderBlock(const Text& headerBlock);
