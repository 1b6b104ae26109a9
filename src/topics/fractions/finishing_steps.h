#pragma once
// The finishing steps every fraction generator applies to the texts it has written: the minus
// shown as "–", no exponent 1, no coefficient 1 in the solution, and the expected answer in
// input form.

#include "base/text.h"

namespace kalkora {
struct TBruchM;
}

namespace kalkora::fractions {

// A task text finished: every "-" becomes "–" and every exponent "^1" is removed.
Text FinishedTaskText(TextView text);

// Removes every coefficient 1 written as "1·": each "1·" whose "1" does not end a longer
// number or an exponent. ‹1·x + 21·y/1·(x – 1)› gives ‹x + 21·y/(x – 1)›.
Text WithoutUnitCoefficients(TextView text);

// The solution text finished as FinishedTaskText, then without coefficients 1, a leading
// blank and then a leading "+".
Text FinishedSolutionText(TextView text);

// The expected answer in input form: the solution without blanks and without "·".
Text InputForm(TextView solution);

// Finishes item.Loesung and writes item.Antwort from it.
void FinishSolution(TBruchM& item);

}  // namespace kalkora::fractions
