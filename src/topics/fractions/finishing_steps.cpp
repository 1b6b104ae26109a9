#include "topics/fractions/finishing_steps.h"

#include "base/shared_functions.h"
#include "terms/term_exponents.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

bool isDigit(char16_t ch) { return ch >= u'0' && ch <= u'9'; }

}  // namespace

Text FinishedTaskText(TextView text) { return DropExponentOne(ReplaceChar(text, u'-', u'–')); }

Text WithoutUnitCoefficients(TextView text) {
  Text result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool unit = text[i] == u'1' && i + 1 < text.size() && text[i + 1] == u'·';
    const bool endsLonger = i > 0 && (isDigit(text[i - 1]) || text[i - 1] == u'^');
    if (unit && !endsLonger) {
      ++i;  // skip "1·"
      continue;
    }
    result.push_back(text[i]);
  }
  return result;
}

Text FinishedSolutionText(TextView text) {
  Text result = WithoutUnitCoefficients(FinishedTaskText(text));
  if (!result.empty() && result.front() == u' ') result.erase(0, 1);
  if (!result.empty() && result.front() == u'+') result.erase(0, 1);
  return result;
}

Text InputForm(TextView solution) { return RemoveChar(RemoveChar(solution, u' '), u'·'); }

void FinishSolution(TBruchM& item) {
  item.Loesung = FinishedSolutionText(item.Loesung);
  item.Antwort = InputForm(item.Loesung);
}

}  // namespace kalkora::fractions
