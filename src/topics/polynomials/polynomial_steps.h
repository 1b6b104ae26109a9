#pragma once
// The step-by-step display of the polynomial worked examples: what each step draws, as data
// the window only paints. Kinds 1 and 2 build their three examples from drawn letters, signs
// and numbers (BspVar, BspVz, BspZahl); kinds 3, 4 and 5 show fixed examples, kinds 3 and 5 by
// level. A step adds texts and lines that stay until the page is renewed; the product kinds
// also mark the factors of the product just added, for that step only.
//
// Places are page points of the example page (x −50 … 50, y −35 … 35): a text's y is the top of
// its characters, its x the left edge or, for the centred operations, the middle. Sizes are
// points; every text is bold, every line and arrow black with pen width 3.

#include <vector>

#include "base/one_based_array.h"
#include "base/text.h"

namespace kalkora::polynomials {

// ---- The step-by-step state ----

// The drawn values of the kind-1 and kind-2 examples.
struct StepExampleValues {
  OneBasedArray<char16_t, 6> BspVar{};  // pairwise different letters
  OneBasedArray<char16_t, 10> BspVz{};  // '+' or '–'
  OneBasedArray<int, 6> BspZahl{};      // 2 … 6
};

// Draws BspVar 1 … 6 with RandomLetter, all six again until they are pairwise different; then
// each sign ('+' or '–' with equal chance) and each number (2 … 6).
StepExampleValues DrawStepExampleValues();

struct StepByStep {
  bool Schrittweise = false;  // the step-by-step display is shown
  int SchrittNr = 0;          // the current step, from 0
  int SchrittAnzahl = 0;      // the last step
  int kind = 1;               // what the steps show, fixed when they start
  int level = 1;
  StepExampleValues values;
};

// The step-by-step display of the worked-example window.
inline StepByStep Schritte;

// The last step of a kind at a level: 17 (kind 1), 16 (kind 2), 11 (kind 3 at Stufe 1 and 2),
// 8 (kind 3 at Stufe 3), 15 (kind 4), 5 (kind 5).
int StepCount(int kind, int level);

// Starts the display at step 0 with new values for the kind and level.
void StartSteps(StepByStep& steps, int kind, int level);
// The next step; after the last one the display ends (Schrittweise false). Returns Schrittweise.
bool NextStep(StepByStep& steps);
// Back to the generated examples.
void StopSteps(StepByStep& steps);

// ---- What a step draws ----

// The renderer operation of a text (markup.h); markers each operation knows.
enum class StepDraw {
  MarkupCentred,       // DrawMarkupCentred: six markers
  Markup6Left,         // DrawMarkup6, left edge at x: six markers
  Markup6Centred,      // DrawMarkup6 centred
  Markup3Centred,      // DrawMarkup3 centred: "#", "_", "~"
  AlternatingCentred,  // DrawAlternating centred: each "#" pair alternately colour 1 and 2
  TwoColourLeft,       // DrawTwoColour, left edge at x: base black, "#" in markColour
  SymbolMixedCentred,  // DrawSymbolMixedCentred in black: "~Þ" is the arrow ⇒
};

struct StepText {
  Text text;
  StepDraw draw = StepDraw::MarkupCentred;
  double x = 0;
  double y = 0;
  int size = 20;
  int markColour = 1;  // TwoColourLeft: the colour (1 … 6 of the markup colours) of the mark
  // A line that grows step by step: a later text of the same slot (not 0) on the page stands
  // in its place, so the part already drawn is not drawn twice.
  int slot = 0;
};

struct StepLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A horizontal arrow from x1 to x2 at height y with its head on the right (PageArrow).
struct StepArrow {
  double x1 = 0, x2 = 0, y = 0;
};

struct StepShapes {
  std::vector<StepText> texts;
  std::vector<StepLine> lines;
  std::vector<StepArrow> arrows;
};

struct PolynomStep {
  bool renewsPage = false;  // the page is cleared before this step draws
  StepShapes stays;         // drawn at this step and kept for the following ones
  StepShapes onlyNow;       // drawn at this step only (the multiplication mark)
};

// Steps 0 … StepCount(kind, level) of a kind at a level; the values serve kinds 1 and 2.
std::vector<PolynomStep> PolynomSteps(int kind, int level, const StepExampleValues& values);

// What the page shows at a step: everything the steps since the last renewal have kept, a text
// of a growing line in its latest form, and what the step draws for itself only.
StepShapes PageAtStep(const std::vector<PolynomStep>& steps, int step);

}  // namespace kalkora::polynomials
