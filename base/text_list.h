// TextList: an ordered list of Text at positions 1 to Count(); reading outside them stops
// the program.
#pragma once

#include <vector>

#include "base/text.h"

class TextList {
 public:
  TextList() = default;
  TextList(std::initializer_list<Text> items) : items_(items) {}

  int Count() const { return static_cast<int>(items_.size()); }
  const Text& At(int position) const;
  Text& At(int position);
  void Append(Text item) { items_.push_back(std::move(item)); }
  void Reserve(int count) { items_.reserve(count > 0 ? count : 0); }

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  friend bool operator==(const TextList&, const TextList&) = default;

 private:
  std::vector<Text> items_;
};
