// Base64 (RFC 4648, standard alphabet, "=" padding, no line breaks).
#pragma once

#include "base/bytes.h"
#include "base/text.h"

// The Base64 text of data. A length that is not a multiple of 3 is padded in the caller's
// value itself with the one or two zero bytes that complete the last group.
Text Base64Encode(Bytes& data);
