#include "topics/polynomials/polynomial_steps.h"

#include <algorithm>

#include "base/random.h"
#include "terms/term_letters.h"
#include "topics/polynomials/polynomial_step_scripts.h"
#include "topics/polynomials/polynomial_writing.h"

namespace kalkora::polynomials {

namespace {

bool PairwiseDifferent(const OneBasedArray<char16_t, 6>& letters) {
  for (std::size_t i = 1; i <= letters.size(); ++i) {
    for (std::size_t j = i + 1; j <= letters.size(); ++j) {
      if (letters[i] == letters[j]) return false;
    }
  }
  return true;
}

void Append(StepShapes& page, const StepShapes& shapes) {
  for (const StepText& text : shapes.texts) {
    const auto sameSlot = [&text](const StepText& shown) {
      return text.slot != 0 && shown.slot == text.slot;
    };
    const auto earlier = std::find_if(page.texts.begin(), page.texts.end(), sameSlot);
    if (earlier != page.texts.end()) {
      *earlier = text;
    } else {
      page.texts.push_back(text);
    }
  }
  page.lines.insert(page.lines.end(), shapes.lines.begin(), shapes.lines.end());
  page.arrows.insert(page.arrows.end(), shapes.arrows.begin(), shapes.arrows.end());
}

}  // namespace

StepExampleValues DrawStepExampleValues() {
  StepExampleValues values;
  RedrawUntil([&values] {
    for (char16_t& letter : values.BspVar) letter = RandomLetter();
    return PairwiseDifferent(values.BspVar);
  });
  for (char16_t& sign : values.BspVz) sign = Random(2) == 0 ? u'+' : u'–';
  for (int& number : values.BspZahl) number = 2 + Random(5);
  return values;
}

int StepCount(int kind, int level) {
  switch (kind) {
    case 1: return 17;
    case 2: return 16;
    case 3: return level == 3 ? 8 : 11;
    case 4: return 15;
    default: return 5;
  }
}

void StartSteps(StepByStep& steps, int kind, int level) {
  steps.Schrittweise = true;
  steps.SchrittNr = 0;
  steps.kind = kind;
  steps.level = level;
  steps.SchrittAnzahl = StepCount(kind, level);
  steps.values = DrawStepExampleValues();
}

bool NextStep(StepByStep& steps) {
  if (!steps.Schrittweise) return false;
  if (++steps.SchrittNr > steps.SchrittAnzahl) StopSteps(steps);
  return steps.Schrittweise;
}

void StopSteps(StepByStep& steps) {
  steps.Schrittweise = false;
  steps.SchrittNr = 0;
}

std::vector<PolynomStep> PolynomSteps(int kind, int level, const StepExampleValues& values) {
  switch (kind) {
    case 1: return MonomialProductSteps(values);
    case 2: return PolynomialProductSteps(values);
    case 3: return BinomialSteps(level);
    case 4: return CompletionSteps();
    default: return FactoringSteps(level);
  }
}

StepShapes PageAtStep(const std::vector<PolynomStep>& steps, int step) {
  StepShapes page;
  if (step < 0 || steps.empty()) return page;
  const auto last =
      static_cast<std::size_t>(std::min<int>(step, static_cast<int>(steps.size()) - 1));
  std::size_t first = last;
  while (first > 0 && !steps[first].renewsPage) --first;
  for (std::size_t k = first; k <= last; ++k) Append(page, steps[k].stays);
  Append(page, steps[last].onlyNow);
  return page;
}

}  // namespace kalkora::polynomials
