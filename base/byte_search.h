// The fastest exact byte search the platform's C library offers.
#pragma once

#include <cstddef>
#include <string_view>

// Index of the first occurrence of needle (not empty) in haystack at or after from, or npos.
std::size_t FindBytes(std::string_view haystack, std::string_view needle, std::size_t from);
