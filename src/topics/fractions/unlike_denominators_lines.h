#pragma once
// The lines the unlike-denominator window draws under its table: the task followed by the
// fractions extended to the main denominator, then the extended numerators over the main
// denominator and the result. The window measures, places and colours them; what they say
// is decided here.

#include <vector>

#include "base/text.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

// One extended numerator in the sum over the main denominator: the sign before it (" + " or
// " – "; empty for the first) and whether it stands in brackets, as a sum subtracted or a
// term starting with "–" must.
struct NumeratorTerm {
  Text sign;
  bool bracketed = false;
};

// The terms of the sum of the extended numerators (NeuZaehler), one per task fraction.
std::vector<NumeratorTerm> NumeratorTerms(const TBruchM& item);

// The sum of the given texts (one per task fraction, e.g. NeuZaehler) with the signs and
// brackets of NumeratorTerms: ‹48 – (6·e + 12) + 18·e + 36›.
Text NumeratorSum(const TBruchM& item, const std::vector<Text>& terms);

// The sum of the numerators times their extension factors (ErwZaehler, the factors between
// "~" markers): ‹8·~3~ – 5·~2~›.
Text ExtendedNumeratorSum(const TBruchM& item);

// The denominator of the result: the cancelled one (GekNenner) when the result cancels,
// else the main denominator.
Text ResultDenominator(const TBruchM& item);

}  // namespace kalkora::fractions
