#include "web/header_text.h"

#include <string>
#include <string_view>

#include "base/text_ops.h"
#include "base/text_search.h"
#include "web/text_pieces.h"

namespace {

const Text kColon = ":";
const Text kHyphen = "-";
const Text kLineEnd = "\r\n";

// The name with each hyphen-separated word capitalised. Unlike SplitText, empty words
// after a trailing hyphen count too, so the name keeps every byte it had.
Text CapitalizeWords(const Text& name) {
  Text result;
  int wordStart = 1;
  for (int hyphen; (hyphen = FindText(name, kHyphen, wordStart)) != -1; wordStart = hyphen + 1) {
    result += CapitalizeFirst(TextMid(name, wordStart, hyphen - wordStart));
    result += kHyphen;
  }
  result += CapitalizeFirst(TextMid(name, wordStart, TextLength(name)));
  return result;
}

}  // namespace

Text HeaderName(const Text& headerLine) {
  int colon = FindText(headerLine, kColon, 1);
  if (colon == -1) return {};
  return TrimSpaces(TextLeft(headerLine, colon - 1));
}

Text HeaderValue(const Text& headerLine) {
  int colon = FindText(headerLine, kColon, 1);
  if (colon == -1) return {};
  return TrimSpaces(TextRight(headerLine, TextLength(headerLine) - colon));
}

Text CapitalizeFirst(const Text& text) {
  return ToUpper(TextLeft(text, 1)) + TextMid(text, 2, TextLength(text));
}

Text NormalizeHeaderBlock(const Text& headerBlock) {
  std::string block;
  block.reserve(headerBlock.str().size() + kLineEnd.str().size());
  ForEachPiece(headerBlock, kLineEnd, [&block](std::string_view piece) {
    const Text line(piece);
    int colon = FindText(line, kColon, 1);
    if (colon == -1) return;  // an empty line holds no colon either
    block.append(CapitalizeWords(TextLeft(line, colon - 1)).view());
    block.append(piece.substr(static_cast<std::size_t>(colon) - 1));
    block.append(kLineEnd.view());
  });
  block.resize(block.size() >= 2 ? block.size() - 2 : 0);  // no CR LF after the last line
  return Text(std::move(block));
}
