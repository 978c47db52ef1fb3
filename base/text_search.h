// Searching, replacing and splitting text. Matches are tried only where a character begins:
// a byte of 0x80 or above is passed over with the byte after it. All run in time linear in
// the text for a sought text of bounded length.
#pragma once

#include "base/text.h"
#include "base/text_list.h"

// Position of the first match, counted in all of t, or -1. A start of 1 or less searches
// from byte 1, one past the length gives -1. An empty sought gives 1 when any byte is left
// to search, else -1. ignoreCase lets A-Z and a-z match their other case.
int FindText(const Text& t, const Text& sought, int start = 0, bool ignoreCase = false);
// Replaces every match left to right without overlap; letters match in either case unless
// caseSensitive. Empty t or sought returns t.
Text ReplaceText(const Text& t, const Text& sought, const Text& replacement = {},
                 bool caseSensitive = false);
// The pieces between exact matches of the delimiter: a piece before a delimiter goes in
// even when empty, the rest after the last one only when not empty. Empty t gives an empty
// list, an empty delimiter t alone.
TextList SplitText(const Text& t, const Text& delimiter);
