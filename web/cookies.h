// Cookie texts: name=value pairs separated by ";" on input, by "; " once merged. Every
// comparison is an exact byte comparison.
#pragma once

#include "base/text.h"
#include "base/text_list.h"

// Merges the cookies a response set into those the request submitted: received pairs
// first, in their order, then submitted pairs whose names were not received; pairs ending
// in "=deleted" and exact repeats are left out. Both variables lose all their spaces, and
// submittedCookies ends holding the merged text, which is also returned.
Text MergeCookies(Text& submittedCookies, Text& receivedCookies);
// The bytes before the first "=" (or the whole pair), trimmed of spaces.
Text CookieName(const Text& pair);
// Whether some element of list has the cookie name.
bool HasCookieName(const TextList& list, const Text& name);
// The text split on delimiter (splitMode non-zero) or into characters (splitMode 0), each
// distinct piece kept once at its first place, joined again with delimiter.
Text JoinUnique(const Text& text, const Text& delimiter, int splitMode);
// Replaces list by the characters of text (a double-byte character or CR LF is one
// element); returns their number.
int SplitCharacters(const Text& text, TextList& list);
// The position of the first element equal to text, or -1.
int FindInList(const TextList& list, const Text& text);
