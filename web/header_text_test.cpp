#include "web/header_text.h"

#include <gtest/gtest.h>

#include "web/test_printers.h"

namespace {

struct Case {
  const char* input;
  const char* expected;
};

TEST(HeaderText, NameAndValueSplitAtFirstColon) {
  struct Row {
    const char* line;
    const char* name;
    const char* value;
  };
  const Row kCases[] = {
      {"Accept: */*", "Accept", "*/*"},
      {"  Host :  a:b  ", "Host", "a:b"},
      {"no colon", "", ""},
      {"Name:", "Name", ""},
      {"A:\tb", "A", "\tb"},
      {"Referer: http://h:8080/p", "Referer", "http://h:8080/p"},
      {"\xA1\xA1X\xA1\xA1:\xA1\xA1v\xA1\xA1", "X", "v"},  // full-width spaces go too
      {"\tT\t: v", "\tT\t", "v"},
      {"\xB3:x", "", ""},  // the colon is the second byte of a character, not a colon
      {"", "", ""},
  };
  for (const Row& c : kCases) {
    SCOPED_TRACE(c.line);
    const Text line = c.line;
    EXPECT_EQ(HeaderName(line), Text(c.name));
    EXPECT_EQ(HeaderValue(line), Text(c.value));
    EXPECT_EQ(line, Text(c.line));
  }
}

TEST(HeaderText, CapitalizeFirstTouchesOnlyAnAsciiFirstByte) {
  const Case kCases[] = {
      {"abc", "Abc"}, {"aBC", "ABC"},           {"1a", "1a"},     {"", ""}, {"z", "Z"},
      {"{a", "{a"},   {"\xE1\x61", "\xE1\x61"}, {"\xE1", "\xE1"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(CapitalizeFirst(Text(c.input)), Text(c.expected));
  }
}

TEST(HeaderText, NormalizeHeaderBlock) {
  const Case kCases[] = {
      {"content-type: text/html\r\nx-requested-with: abc",
       "Content-Type: text/html\r\nX-Requested-With: abc"},
      {"\r\naccept: */*\r\nuser-agent: A\r\n", "Accept: */*\r\nUser-Agent: A"},
      {"CONTENT-type: a", "CONTENT-Type: a"},
      {"x-ID: 5", "X-ID: 5"},
      {"accept:*/*", "Accept:*/*"},
      {"accept-language:  zh-cn  ", "Accept-Language:  zh-cn  "},
      {" accept: x", " accept: x"},
      {"a--b: 1", "A--B: 1"},
      {"-a: 1", "-A: 1"},
      {"a-: 1", "A-: 1"},
      {"accept: text-html", "Accept: text-html"},
      {": v", ": v"},
      {"no colon\r\nnone here\r\n", ""},
      {"", ""},
      {"\r\n\r\n", ""},
      {"a: 1\r\n\r\n\r\nb: 2\r\nskip\r\nc-d: e-f: g", "A: 1\r\nB: 2\r\nC-D: e-f: g"},
      {"a\r\n: 1", ": 1"},  // a lone CR or LF is not a line end
      {"a\rb: 1", "A\rb: 1"},
      {"x-\xB2-y: 1", "X-\xB2-y: 1"},  // the hyphen after a lead byte is part of a character
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.input);
    const Text block = c.input;
    EXPECT_EQ(NormalizeHeaderBlock(block), Text(c.expected));
    EXPECT_EQ(block, Text(c.input));
  }
}

}  // namespace
