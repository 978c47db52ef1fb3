#include "base/byte_search.h"

// The Windows C runtime has no memmem; the library's search scans with memchr.
std::size_t FindBytes(std::string_view haystack, std::string_view needle, std::size_t from) {
  return haystack.find(needle, from);
}
