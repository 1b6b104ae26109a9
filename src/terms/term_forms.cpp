#include "terms/term_forms.h"

#include <array>

#include "terms/text_replace.h"

namespace kalkora {

Text ToDisplayForm(TextView text) {
  Text result{text};
  for (char16_t& c : result) {
    if (c == u'*') c = u'·';
    if (c == u'-') c = u'–';
  }
  return result;
}

char16_t SignToDisplay(char16_t ch) {
  if (ch == u'+') return u'+';
  if (ch == u'-') return u'–';
  return 0;
}

Text MergeSignPairs(TextView text) {
  Text result{text};
  ReplaceLeftmostUntilGone(result, u"+ -", u"- ");
  ReplaceLeftmostUntilGone(result, u"- +", u"- ");
  ReplaceLeftmostUntilGone(result, u"- -", u"+ ");
  ReplaceLeftmostUntilGone(result, u"+ +", u"+ ");
  return result;
}

Text MergeSignPairsTight(TextView text) {
  Text result{text};
  ReplaceLeftmostUntilGone(result, u"+-", u"-");
  ReplaceLeftmostUntilGone(result, u"-+", u"-");
  ReplaceLeftmostUntilGone(result, u"--", u"+");
  ReplaceLeftmostUntilGone(result, u"++", u"+");
  return result;
}

void DropUnitCoefficient(Text& text) {
  // A "1·" that ends a longer number is no unit coefficient; "01·" (in 101, 201, …) guards
  // like the others, so that 101·x never loses its last digit.
  static constexpr std::array<TextView, 10> kLongerCoefficients{
      u"01·", u"11·", u"21·", u"31·", u"41·", u"51·", u"61·", u"71·", u"81·", u"91·"};
  // Every round deletes two characters, so the loop ends.
  for (;;) {
    for (TextView guard : kLongerCoefficients) {
      if (text.find(guard) != Text::npos) return;
    }
    const auto unit = text.find(u"1·");
    if (unit == Text::npos) return;
    text.erase(unit, 2);
  }
}

Text SignedSummandText(TextView numberText) {
  if (!numberText.empty() && numberText.front() == u'-') {
    return Text{u" – "} + Text{numberText.substr(1)};
  }
  return Text{u" + "} + Text{numberText};
}

char16_t SignProduct(char16_t sign1, char16_t sign2) {
  const bool valid1 = sign1 == u'+' || sign1 == u'-';
  const bool valid2 = sign2 == u'+' || sign2 == u'-';
  if (!valid1 || !valid2) return 0;
  return sign1 == sign2 ? u'+' : u'-';
}

Text Spaces(int n) { return n <= 0 ? Text{} : Text(static_cast<std::size_t>(n), u' '); }

}  // namespace kalkora
