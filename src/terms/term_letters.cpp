#include "terms/term_letters.h"

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/text_replace.h"

namespace kalkora {

Text SubstituteLetter(TextView text, char16_t letter, int n) {
  return ReplaceEachChar(text, letter, IntText(n));
}

Text SubstituteLetters(TextView text, char16_t letter1, char16_t letter2, int value1, int value2) {
  return SubstituteLetter(SubstituteLetter(text, letter1, value1), letter2, value2);
}

Text SubstituteLetters3(TextView text, char16_t letter1, char16_t letter2, char16_t letter3,
                        int value1, int value2, int value3) {
  return SubstituteLetter(SubstituteLetters(text, letter1, letter2, value1, value2), letter3,
                          value3);
}

Text SubstituteMarked(TextView text, char16_t letter, int n) {
  Text marked{u"#"};
  if (n < 0) marked.push_back(u'(');
  marked.append(IntText(n));
  if (n < 0) marked.push_back(u')');
  marked.push_back(u'#');
  return ReplaceEachChar(text, letter, marked);
}

Text SubstituteMarked2(TextView text, char16_t letter1, char16_t letter2, int value1, int value2) {
  return SubstituteMarked(SubstituteMarked(text, letter1, value1), letter2, value2);
}

Text SubstituteTermMarked(TextView text, TextView replacement) {
  Text marked{u"#"};
  marked.append(replacement);
  marked.push_back(u'#');
  return ReplaceEachChar(text, u'x', marked);
}

Text MarkLetters(TextView text, char16_t letter1, char16_t letter2) {
  Text result;
  result.reserve(text.size() * 2);
  for (char16_t c : text) {
    if (c == letter1) {
      result.append({u'#', c, u'#'});
    } else if (c == letter2) {
      result.append({u'_', c, u'_'});
    } else {
      result.push_back(c);
    }
  }
  return result;
}

Text SwapLetters(TextView text, char16_t letter1, char16_t letter2, char16_t ch1, char16_t ch2) {
  Text result{text};
  for (char16_t& c : result) {
    if (c == letter1) c = ch1;
    if (c == letter2) c = ch2;
  }
  return result;
}

char16_t RandomLetter() {
  constexpr int kLetterL = u'l' - u'a';
  int number = Random(26);
  while (number == kLetterL) number = Random(26);
  return static_cast<char16_t>(u'a' + number);
}

}  // namespace kalkora
