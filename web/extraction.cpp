#include "web/extraction.h"

#include "base/text_ops.h"
#include "base/text_search.h"

namespace {

// "#" and the two-character GBK word for quotation marks.
const Text kQuoteToken = "#\xD2\xFD\xBA\xC5";
const Text kQuote = "\"";

Text WithQuotes(const Text& marker) {
  return ReplaceText(marker, kQuoteToken, kQuote, true);
}

}  // namespace

Text TextBefore(const Text& text, const Text& delimiter, int startPosition, bool ignoreCase) {
  if (startPosition < 1) startPosition = 1;
  int found = FindText(text, delimiter, startPosition, ignoreCase);
  if (found == -1) return {};
  return TextLeft(text, found - 1);
}

Text TextBetween(const Text& text, const Text& leftMarker, const Text& rightMarker,
                 int startPosition, bool ignoreCase) {
  const Text left = WithQuotes(leftMarker);
  const Text right = WithQuotes(rightMarker);
  if (startPosition < 1) startPosition = 1;
  int found = FindText(text, left, startPosition, ignoreCase);
  if (found == -1) return {};
  int pieceStart = found + TextLength(left);
  int end = FindText(text, right, pieceStart, ignoreCase);
  if (end == -1) return {};
  return TextMid(text, pieceStart, end - pieceStart);
}
