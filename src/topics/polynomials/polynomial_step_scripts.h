#pragma once
// The steps of each kind (polynomial_steps.h), written in their own files, and the small
// builders they share.

#include <vector>

#include "topics/polynomials/polynomial_steps.h"

namespace kalkora::polynomials {

// Kinds 1 and 2: the three examples of the drawn values.
std::vector<PolynomStep> MonomialProductSteps(const StepExampleValues& values);
std::vector<PolynomStep> PolynomialProductSteps(const StepExampleValues& values);
// Kinds 3, 4 and 5: the fixed examples.
std::vector<PolynomStep> BinomialSteps(int level);
std::vector<PolynomStep> CompletionSteps();
std::vector<PolynomStep> FactoringSteps(int level);

// A text at (x, y), drawn by `draw` at `size` points.
inline StepText At(TextView text, StepDraw draw, double x, double y, int size) {
  StepText shown;
  shown.text = Text{text};
  shown.draw = draw;
  shown.x = x;
  shown.y = y;
  shown.size = size;
  return shown;
}

// A line of a formula, centred on x = 0.
inline StepText Centred(TextView text, StepDraw draw, double y, int size = 20) {
  return At(text, draw, 0, y, size);
}

inline StepLine Line(double x1, double y1, double x2, double y2) { return {x1, y1, x2, y2}; }

}  // namespace kalkora::polynomials
