// Hash digests written as hexadecimal text. Any failure gives the empty Text.
#pragma once

#include <cstdint>

#include "base/bytes.h"
#include "base/text.h"
#include "codec/hash_calls.h"

// The digest of data under a crypto provider algorithm identifier, two upper-case hex digits
// per byte the provider wrote into a buffer of digestLength bytes.
Text HashHex(const Bytes& data, std::uint32_t algorithm, int digestLength);
// The same over the given calls, which must release everything they hand out.
Text HashHex(HashCalls& calls, const Bytes& data, std::uint32_t algorithm, int digestLength);

// The MD5 digest of data: 32 lower-case hex digits, upper case if asked, or only the middle 16.
Text DigestHex(const Bytes& data, bool upperCase = false, bool shortForm = false);
