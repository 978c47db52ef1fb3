// Text: bytes in the ANSI code page (GBK), never a zero byte inside; null and empty are
// one value. Positions and lengths elsewhere count bytes from 1.
#pragma once

#include <string>
#include <string_view>

class Text {
 public:
  Text() = default;
  // A zero byte ends the text, as it would a C string.
  Text(const char* s) : bytes_(s ? s : "") {}
  Text(std::string_view s) : bytes_(s.substr(0, s.find('\0'))) {}
  explicit Text(std::string s) : bytes_(std::move(s)) {
    if (auto zero = bytes_.find('\0'); zero != std::string::npos) bytes_.resize(zero);
  }

  const std::string& str() const { return bytes_; }
  std::string_view view() const { return bytes_; }
  const char* c_str() const { return bytes_.c_str(); }
  int size() const { return static_cast<int>(bytes_.size()); }
  bool empty() const { return bytes_.empty(); }

  Text& operator+=(const Text& other) {
    bytes_ += other.bytes_;
    return *this;
  }
  friend Text operator+(Text a, const Text& b) { return a += b; }
  friend bool operator==(const Text&, const Text&) = default;

 private:
  std::string bytes_;
};
