// Bytes: a counted byte sequence that may hold zero bytes; null and empty are one value.
// Elements sit at positions 1 to the count; reading outside them stops the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class Bytes {
 public:
  Bytes() = default;
  explicit Bytes(std::string s) : bytes_(std::move(s)) {}
  explicit Bytes(std::string_view s) : bytes_(s) {}
  Bytes(std::initializer_list<std::uint8_t> values) : bytes_(values.begin(), values.end()) {}

  const std::string& str() const { return bytes_; }
  std::string& str() { return bytes_; }
  std::string_view view() const { return bytes_; }
  const std::uint8_t* data() const { return reinterpret_cast<const std::uint8_t*>(bytes_.data()); }
  int size() const { return static_cast<int>(bytes_.size()); }
  bool empty() const { return bytes_.empty(); }

  // The byte at a position from 1; fault stop outside 1..size().
  std::uint8_t At(int position) const;
  std::uint8_t& At(int position);

  Bytes& operator+=(const Bytes& other) {
    bytes_ += other.bytes_;
    return *this;
  }
  friend Bytes operator+(Bytes a, const Bytes& b) { return a += b; }
  friend bool operator==(const Bytes&, const Bytes&) = default;

 private:
  std::string bytes_;
};
