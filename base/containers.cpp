#include "base/bytes.h"
#include "base/fault.h"
#include "base/text_list.h"

std::uint8_t Bytes::At(int position) const {
  CheckPosition(position, size());
  return static_cast<std::uint8_t>(bytes_[position - 1]);
}

std::uint8_t& Bytes::At(int position) {
  CheckPosition(position, size());
  return reinterpret_cast<std::uint8_t&>(bytes_[position - 1]);
}

const Text& TextList::At(int position) const {
  CheckPosition(position, Count());
  return items_[position - 1];
}

Text& TextList::At(int position) {
  CheckPosition(position, Count());
  return items_[position - 1];
}
