#include "terms/term_exponents.h"

namespace kalkora {
namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

Text SplitExponentDigits(TextView text) {
  Text result;
  result.reserve(text.size() + text.size() / 2);
  TextView rest = text;
  // Every round moves at least the "^" it found into the result, so the loop ends.
  for (auto caret = rest.find(u'^'); caret != TextView::npos; caret = rest.find(u'^')) {
    if (caret + 2 < rest.size() && isDigit(rest[caret + 1]) && isDigit(rest[caret + 2])) {
      result.append(rest.substr(0, caret + 2));
      result.push_back(u'^');
      result.push_back(rest[caret + 2]);
      rest.remove_prefix(caret + 3);
    } else {
      const auto moved = caret + 2 <= rest.size() ? caret + 2 : rest.size();
      result.append(rest.substr(0, moved));
      rest.remove_prefix(moved);
    }
  }
  result.append(rest);
  if (!result.empty() && result.back() == u'^') result.pop_back();
  return result;
}

Text JoinExponentDigits(TextView text) {
  Text result{text};
  // Every round deletes one character, so the loop ends.
  for (;;) {
    auto found = Text::npos;
    for (char16_t digit = u'0'; digit <= u'9' && found == Text::npos; ++digit) {
      const char16_t pattern[] = {u'^', digit, u'^'};
      found = result.find(TextView{pattern, 3});
    }
    if (found == Text::npos) return result;
    result.erase(found + 2, 1);
  }
}

Text TwoDigitExponentMarkup(TextView digits) {
  if (digits.size() != 2) return Text{digits};
  return Text{digits[0], u'^', digits[1]};
}

Text DropExponentOne(TextView text) {
  Text result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'^' && i + 1 < text.size() && text[i + 1] == u'1') {
      const bool longer = i + 2 < text.size() && (isDigit(text[i + 2]) || text[i + 2] == u'^');
      if (!longer) {
        ++i;  // skip "^1"
        continue;
      }
    }
    result.push_back(text[i]);
  }
  return result;
}

}  // namespace kalkora
