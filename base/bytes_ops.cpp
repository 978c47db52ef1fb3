#include "base/bytes_ops.h"

#include <string>

Bytes TextToBytes(const Text& t) {
  return Bytes(t.view());
}

Text BytesToText(const Bytes& b) {
  return Text(b.view());
}

Bytes BytesMid(const Bytes& b, int start, int n) {
  if (start < 1) start = 1;
  if (n <= 0 || start > b.size()) return {};
  return Bytes(b.view().substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(n)));
}

Bytes BlankBytes(int n) {
  return n <= 0 ? Bytes() : Bytes(std::string(static_cast<std::size_t>(n), '\0'));
}

int BytesLength(const Bytes& b) {
  return b.size();
}
