#include <string.h>

#include "base/byte_search.h"

std::size_t FindBytes(std::string_view haystack, std::string_view needle, std::size_t from) {
  if (from > haystack.size()) return std::string_view::npos;
  if (needle.size() == 1) {  // memchr sets up faster than memmem for one byte
    const void* hit = memchr(haystack.data() + from, needle[0], haystack.size() - from);
    return hit ? static_cast<const char*>(hit) - haystack.data() : std::string_view::npos;
  }
  const void* hit =
      memmem(haystack.data() + from, haystack.size() - from, needle.data(), needle.size());
  return hit ? static_cast<const char*>(hit) - haystack.data() : std::string_view::npos;
}
