// Drives the expression evaluator and the term notation operations with arbitrary text.
// Input: byte 1 the variable letter, byte 2 a small signed number, the rest the text, one
// character per byte (Windows-1252 style: 0x96 is "–", 0xB7 is "·").

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "terms/evaluate_term_text.h"
#include "terms/like_terms.h"
#include "terms/term_exponents.h"
#include "terms/term_forms.h"
#include "terms/term_letters.h"
#include "terms/zeph_parser.h"

namespace {

using kalkora::Text;

void require(bool condition) {
  if (!condition) std::abort();
}

bool isIntegerText(const Text& text) {
  std::size_t i = text.starts_with(u'-') ? 1 : 0;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kalkora;
  if (size < 2) return 0;
  const char16_t letter = data[0] == 0x96 ? u'–' : static_cast<char16_t>(data[0]);
  const int n = static_cast<std::int8_t>(data[1]);
  Text text;
  text.reserve(size - 2);
  for (std::size_t i = 2; i < size; ++i) {
    text.push_back(data[i] == 0x96 ? u'–' : static_cast<char16_t>(data[i]));
  }

  const TFunktion function(text, letter);
  const auto error = function.ErrorCode();
  require(error == TFunktion::kNoError || error == TFunktion::kSyntaxError ||
          error == TFunktion::kOutOfMemory);
  const double value = function.Evaluate(n);
  if (error == TFunktion::kNoError) {
    require(function.Root() != nullptr);
  } else {
    require(std::isnan(value));
  }

  const Text valueText = EvaluateTermText(text, letter, n);
  require(valueText.empty() || isIntegerText(valueText));

  require(ToDisplayForm(text).size() == text.size());
  const Text merged = MergeSignPairs(text);
  require(merged.size() <= text.size());
  require(merged.find(u"- -") == Text::npos && merged.find(u"+ +") == Text::npos);
  require(MergeSignPairsTight(text).size() <= text.size());
  Text units = text;
  DropUnitCoefficient(units);
  require(units.size() <= text.size());
  SignedSummandText(text);
  const Text split = SplitExponentDigits(text);
  JoinExponentDigits(split);
  JoinExponentDigits(text);
  TwoDigitExponentMarkup(text);
  require(DropExponentOne(text).size() <= text.size());
  SubstituteLetters3(text, letter, u'a', u'b', n, -n, 1);
  SubstituteMarked2(text, letter, u'x', n, -1);
  SubstituteTermMarked(text, u"(–3)");
  MarkLetters(text, letter, u'b');
  SwapLetters(text, letter, u'b', u'1', u'2');
  ReadCoefficients(text, letter, u'b');
  const CleanedSolution cleaned = CleanSolution(text);
  require(cleaned.answer.find(u' ') == Text::npos);
  CleanSolution(LikeTermSolution(n, -n, letter, u'b', (n & 1) != 0));
  return 0;
}
