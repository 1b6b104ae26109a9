#pragma once
// What the worked-example window of the polynomials shows per kind (1 "Polynom·Monom",
// 2 "Polynom·Polynom", 3 "Formeln für Binome", 4 "Formeln ergänzen", 5 "Herausheben"): its
// texts, and the lines of one generated example.

#include <vector>

#include "base/text.h"
#include "topics/polynomials/polynomial_record.h"

namespace kalkora::polynomials {

// The kind the main window chose in selPolyExample; a value outside 1 … 5 counts as the
// nearest one.
int SelectedPolynomExample();

struct PolynomExampleTexts {
  Text caption;      // the window caption
  Text heading;      // above the examples
  Text instruction;  // the rule in the instruction label; lines separated by "\n"
  Text menuCaption;  // the menu item that starts the step-by-step display
};
PolynomExampleTexts PolynomExampleTextsOf(int kind);

// The lines of a generated example as markup, top to bottom: kinds 1 and 2 ‹task = solution›;
// kinds 3 and 5 the task (which ends with its own equals sign) followed by the solution, one
// blank between them; kind 4 the task with "?" in its gaps over the completed formula.
std::vector<Text> PolynomExampleLines(const TPolynom& item, int kind);

}  // namespace kalkora::polynomials
