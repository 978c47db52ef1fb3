#include "app/http_date_form.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 7> kDayNames = {"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Reads what the text begins with, advancing past it.
class Reader {
 public:
  explicit Reader(std::string_view text) : rest_(text) {}

  bool Literal(std::string_view expected) {
    if (rest_.substr(0, expected.size()) != expected) return false;
    rest_.remove_prefix(expected.size());
    return true;
  }

  // Exactly count decimal digits.
  bool Digits(int count, int& value) {
    value = 0;
    for (int i = 0; i < count; ++i) {
      if (rest_.empty() || rest_[0] < '0' || rest_[0] > '9') return false;
      value = value * 10 + (rest_[0] - '0');
      rest_.remove_prefix(1);
    }
    return true;
  }

  // The position in names of the name the text begins with, or -1.
  template <std::size_t N>
  int Name(const std::array<std::string_view, N>& names) {
    for (std::size_t i = 0; i < N; ++i) {
      if (Literal(names[i])) return static_cast<int>(i);
    }
    return -1;
  }

  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

int DaysInMonth(int year, int month) {
  static constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kLengths[month - 1];
}

}  // namespace

bool IsRfc1123Date(std::string_view text) {
  Reader reader(TrimBlanks(text));
  int day = 0, year = 0, hour = 0, minute = 0, second = 0;
  if (reader.Name(kDayNames) < 0 || !reader.Literal(", ") || !reader.Digits(2, day) ||
      !reader.Literal(" ")) {
    return false;
  }
  int month = reader.Name(kMonthNames) + 1;
  if (month == 0 || !reader.Literal(" ") || !reader.Digits(4, year) || !reader.Literal(" ") ||
      !reader.Digits(2, hour) || !reader.Literal(":") || !reader.Digits(2, minute) ||
      !reader.Literal(":") || !reader.Digits(2, second) || !reader.Literal(" GMT") ||
      !reader.AtEnd()) {
    return false;
  }
  return day >= 1 && day <= DaysInMonth(year, month) && hour <= 23 && minute <= 59 && second <= 60;
}
