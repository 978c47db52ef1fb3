// Recognises the preferred HTTP date form, "Sun, 06 Nov 1994 08:49:37 GMT" (RFC 1123 in
// GMT), where a conversion that reports success on any text needs telling apart.
#pragma once

#include <string_view>

// True when text, blanks around it aside, is a date of that form naming a real calendar
// date and time of day (a second of 60 allowed for a leap second).
bool IsRfc1123Date(std::string_view text);
