// The step-by-step examples of multiplying (kinds 1 and 2). Each example is a row: the task,
// piece by piece, from its first step on, and the result growing on the same row, one part
// per step. A step that adds a product marks the two factors it multiplies, for that step
// only: a bracket of three lines from the single factor to the term, "multiplizieren" above.

#include <optional>

#include "base/shared_functions.h"
#include "topics/polynomials/polynomial_step_scripts.h"

namespace kalkora::polynomials {

namespace {

constexpr int kSize = 20;

struct Piece {
  Text text;
  double x = 0;
};

// The factors a product of the result multiplies: the single factor at xf, the term at xt.
struct Factors {
  double xf = 0;
  double xt = 0;
};

struct ResultPart {
  Text text;
  std::optional<Factors> mark;
};

struct ProductRow {
  double y = 0;
  std::vector<Piece> task;
  std::vector<ResultPart> result;
};

// The letters of the examples, L1 … L5 always in the same colours.
class Letters {
 public:
  explicit Letters(const StepExampleValues& values) : values_(values) {}
  Text operator()(int k) const {
    static constexpr char16_t kMarkers[] = {u'#', u'_', u'~', u'$', u'§'};
    const char16_t marker = kMarkers[k - 1];
    return Text{marker, values_.BspVar[static_cast<std::size_t>(k)], marker};
  }

 private:
  const StepExampleValues& values_;
};

Text Sign(const StepExampleValues& values, int k) {
  return Text(1, values.BspVz[static_cast<std::size_t>(k)]);
}
int Number(const StepExampleValues& values, int k) {
  return values.BspZahl[static_cast<std::size_t>(k)];
}
// The sign of a product of two signs.
Text SignTimes(const StepExampleValues& values, int k1, int k2) {
  return Text(
      1, values.BspVz[static_cast<std::size_t>(k1)] == values.BspVz[static_cast<std::size_t>(k2)]
             ? u'+'
             : u'–');
}

bool HasDigit(TextView text) {
  for (char16_t c : text) {
    if (c >= u'0' && c <= u'9') return true;
  }
  return false;
}

// Adds the steps of one row: the task in its first step, then one result part per step; the
// growing result is the text of `slot`, its left edge at resultX.
void AddRow(std::vector<PolynomStep>& steps, const ProductRow& row, int slot, double resultX) {
  PolynomStep shown;
  for (const Piece& piece : row.task) {
    const StepDraw draw = HasDigit(piece.text) ? StepDraw::Markup6Centred : StepDraw::MarkupCentred;
    shown.stays.texts.push_back(At(piece.text, draw, piece.x, row.y, kSize));
  }
  steps.push_back(shown);

  Text result;
  for (const ResultPart& part : row.result) {
    result += part.text;
    PolynomStep step;
    StepText line = At(result, StepDraw::Markup6Left, resultX, row.y, kSize);
    line.slot = slot;
    step.stays.texts.push_back(line);
    if (part.mark) {
      const double y = row.y;
      const auto [xf, xt] = *part.mark;
      step.onlyNow.lines = {Line(xf, y, xf, y + 2), Line(xf, y + 2, xt, y + 2),
                            Line(xt, y + 2, xt, y)};
      step.onlyNow.texts.push_back(
          At(u"multiplizieren", StepDraw::MarkupCentred, (xf + xt) / 2, y + 5, 16));
    }
    steps.push_back(step);
  }
}

}  // namespace

std::vector<PolynomStep> MonomialProductSteps(const StepExampleValues& v) {
  const Letters L(v);
  const auto S = [&v](int k) { return Sign(v, k); };
  const auto N = [&v](int k) { return IntText(Number(v, k)); };
  const auto P = [&v](int k) { return IntText(Number(v, k) * Number(v, 4)); };
  const Text dot = u"·";
  const Text spacedDot = u" · ";

  // (L1 S1 L2)·L3
  const ProductRow first{25,
                         {{u"(", -17},
                          {L(1), -15},
                          {S(1), -12},
                          {L(2), -9},
                          {u")", -7},
                          {dot, -5},
                          {L(3), -3},
                          {u"=", 0}},
                         {{L(1) + spacedDot + L(3), Factors{-3, -15}},
                          {u" " + S(1), std::nullopt},
                          {u" " + L(2) + spacedDot + L(3), Factors{-3, -9}}}};
  // (N1·L1 S4 N2·L2 S5 N3·L3)·N4·L4
  const ProductRow second{7,
                          {{u"(", -31.5},
                           {N(1) + dot + L(1), -28},
                           {S(4), -24},
                           {N(2) + dot + L(2), -20},
                           {S(5), -16},
                           {N(3) + dot + L(3), -12},
                           {u")", -9},
                           {dot, -7.2},
                           {N(4) + dot + L(4), -4},
                           {u"=", 0}},
                          {{P(1) + dot + L(1) + dot + L(4), Factors{-4, -28}},
                           {u" " + S(4), std::nullopt},
                           {u" " + P(2) + dot + L(2) + dot + L(4), Factors{-4, -20}},
                           {u" " + S(5), std::nullopt},
                           {u" " + P(3) + dot + L(3) + dot + L(4), Factors{-4, -12}}}};
  // L1·(L2 S6 L3 S7 L4 S8 L5)
  const ProductRow third{-11,
                         {{L(1), -28},
                          {dot, -26},
                          {u"(", -24},
                          {L(2), -22},
                          {S(6), -19},
                          {L(3), -16},
                          {S(7), -13},
                          {L(4), -10},
                          {S(8), -7},
                          {L(5), -4},
                          {u")", -2},
                          {u"=", 0}},
                         {{L(1) + spacedDot + L(2), Factors{-28, -22}},
                          {u" " + S(6), std::nullopt},
                          {u" " + L(1) + spacedDot + L(3), Factors{-28, -16}},
                          {u" " + S(7), std::nullopt},
                          {u" " + L(1) + spacedDot + L(4), Factors{-28, -10}},
                          {u" " + S(8), std::nullopt},
                          {u" " + L(1) + spacedDot + L(5), Factors{-28, -4}}}};
  std::vector<PolynomStep> steps;
  AddRow(steps, first, 1, 3);
  AddRow(steps, second, 2, 3);
  AddRow(steps, third, 3, 3);
  return steps;
}

std::vector<PolynomStep> PolynomialProductSteps(const StepExampleValues& v) {
  const Letters L(v);
  const auto S = [&v](int k) { return Sign(v, k); };
  const auto SS = [&v](int k1, int k2) { return SignTimes(v, k1, k2); };
  const auto N = [&v](int k) { return IntText(Number(v, k)); };
  const auto NN = [&v](int k1, int k2) { return IntText(Number(v, k1) * Number(v, k2)); };
  const Text dot = u"·";
  const auto Then = [](const Text& sign, const Text& product) {
    return u" " + sign + u" " + product;
  };

  // (L1 S1 L2)·(L3 S2 L4)
  const ProductRow first{25,
                         {{u"(", -26},
                          {L(1), -24},
                          {S(1), -21},
                          {L(2), -18},
                          {u")", -16},
                          {dot, -14},
                          {u"(", -12},
                          {L(3), -10},
                          {S(2), -7},
                          {L(4), -4},
                          {u")", -2},
                          {u"=", 0}},
                         {{L(1) + dot + L(3), Factors{-10, -24}},
                          {Then(S(1), L(2) + dot + L(3)), Factors{-10, -18}},
                          {Then(S(2), L(1) + dot + L(4)), Factors{-4, -24}},
                          {Then(SS(1, 2), L(2) + dot + L(4)), Factors{-4, -18}}}};
  // (L1 S1 L2 S2 L3)·(L4 S3 L5)
  const ProductRow second{7,
                          {{u"(", -32},
                           {L(1), -30},
                           {S(1), -27},
                           {L(2), -24},
                           {S(2), -21},
                           {L(3), -18},
                           {u")", -16},
                           {dot, -14},
                           {u"(", -12},
                           {L(4), -10},
                           {S(3), -7},
                           {L(5), -4},
                           {u")", -2},
                           {u"=", 0}},
                          {{L(1) + dot + L(4), Factors{-10, -30}},
                           {Then(S(1), L(2) + dot + L(4)), Factors{-10, -24}},
                           {Then(S(2), L(3) + dot + L(4)), Factors{-10, -18}},
                           {Then(S(3), L(1) + dot + L(5)), Factors{-4, -30}},
                           {Then(SS(1, 3), L(2) + dot + L(5)), Factors{-4, -24}},
                           {Then(SS(2, 3), L(3) + dot + L(5)), Factors{-4, -18}}}};
  // (N1·L1 S1 N2·L2)·(N3·L3 S2 N4·L4)
  const ProductRow third{-11,
                         {{u"(", -34},
                          {N(1) + dot + L(1), -31},
                          {S(1), -27},
                          {N(2) + dot + L(2), -23},
                          {u")", -20},
                          {dot, -18},
                          {u"(", -16},
                          {N(3) + dot + L(3), -13},
                          {S(2), -9},
                          {N(4) + dot + L(4), -5},
                          {u")", -2},
                          {u"=", 0}},
                         {{NN(1, 3) + dot + L(1) + dot + L(3), Factors{-13, -31}},
                          {Then(S(1), NN(2, 3) + dot + L(2) + dot + L(3)), Factors{-13, -23}},
                          {Then(S(2), NN(1, 4) + dot + L(1) + dot + L(4)), Factors{-5, -31}},
                          {Then(SS(1, 2), NN(2, 4) + dot + L(2) + dot + L(4)), Factors{-5, -23}}}};
  std::vector<PolynomStep> steps;
  AddRow(steps, first, 1, 2);
  AddRow(steps, second, 2, 2);
  AddRow(steps, third, 3, 2);
  return steps;
}

}  // namespace kalkora::polynomials
