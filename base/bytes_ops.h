// Conversions between Text and Bytes, and byte primitives. Positions count from 1.
#pragma once

#include "base/bytes.h"
#include "base/text.h"

Bytes TextToBytes(const Text& t);
// The bytes before the first zero byte, or all.
Text BytesToText(const Bytes& b);
// Up to n bytes from start; start below 1 counts as 1, n below 0 as 0.
Bytes BytesMid(const Bytes& b, int start, int n);
// n zero bytes; n <= 0 gives empty.
Bytes BlankBytes(int n);
int BytesLength(const Bytes& b);
