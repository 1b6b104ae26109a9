// The step-by-step examples of the binomial formulas (kind 3), of completing them (kind 4) and
// of factoring out (kind 5): fixed texts, one or two per step.

#include "topics/polynomials/polynomial_step_scripts.h"

namespace kalkora::polynomials {

namespace {

constexpr int kRuleSize = 24;
constexpr int kSmall = 16;
constexpr auto kAlternating = StepDraw::AlternatingCentred;
constexpr auto kMarkup3 = StepDraw::Markup3Centred;
constexpr auto kMarkup6 = StepDraw::Markup6Centred;
constexpr auto kCentred = StepDraw::MarkupCentred;
constexpr auto kSymbols = StepDraw::SymbolMixedCentred;

PolynomStep Step(std::vector<StepText> texts, std::vector<StepLine> lines = {}) {
  PolynomStep step;
  step.stays.texts = std::move(texts);
  step.stays.lines = std::move(lines);
  return step;
}

PolynomStep RenewedPage(PolynomStep step) {
  step.renewsPage = true;
  return step;
}

// ---- Kind 3 ----

// A label ‹A = …› or ‹B = …› at the left margin, the value in the colour it has in the formula
// that puts it in.
StepText Label(TextView text, double y, int size, int colour) {
  StepText label = At(text, StepDraw::TwoColourLeft, -45, y, size);
  label.markColour = colour;
  return label;
}

// The texts of the expanding examples that differ between Stufe 1 and Stufe 2.
struct ExpandingTexts {
  const char16_t* substituted1;  // step 1 and its labels
  const char16_t* labelA1;
  const char16_t* labelB1;
  const char16_t* filledIn1;  // step 2
  const char16_t* expanded1;  // step 3
  const char16_t* substituted2;
  const char16_t* labelA2;
  const char16_t* labelB2;
  const char16_t* filledIn2;
  const char16_t* expanded2;
  const char16_t* substituted3;
  const char16_t* labelA3;
  const char16_t* labelB3;
  const char16_t* filledIn3;
  const char16_t* expanded3;
};

constexpr ExpandingTexts kStufe1{
    u"( #3·x# + B )^2 = (#3·x#)^2 + 2·#3·x#·B + B^2",
    u"A = #3·x#",
    u"B = #2·y#",
    u"( #3·x# + ~2·y~ )^2 = (#3·x#)^2 + 2·#3·x#·~2·y~ + (~2·y~)^2",
    u"( #3·x# + ~2·y~ )^2 = 9·#x^2# + 12·#x#·~y~ + 4·~y^2~",
    u"( #5·x# – B )^2 = (#5·x#)^2 – 2·#5·x#·B + B^2",
    u"A = #5·x#",
    u"B = #4·y#",
    u"( _5·x_ – $4·y$ )^2 = (_5·x_)^2 – 2·_5·x_·$4·y$ + ($4·y$)^2",
    u"( _5·x_ – $4·y$ )^2 = 25·_x^2_ – 40·_x_·$y$ + 16$·y^2$",
    u"( #2·x# + B )·( #2·x# – B ) = (#2·x#)^2 – B^2",
    u"A = #2·x#",
    u"B = #7·y#",
    u"( #2·x# + §7·y§ )·( #2·x# – §7·y§ ) = (#2·x#)^2 – (§7·y§)^2",
    u"( #2·x# + §7·y§ )·( #2·x# – §7·y§ ) = 4·#x^2# – 49·§y^2§",
};

constexpr ExpandingTexts kStufe2{
    u"( #3·x^3# + B )^2 = (#3·x^3#)^2 + 2·#3·x^3#·B + B^2",
    u"A = #3·x^3#",
    u"B = #2·y^3#",
    u"( #3·x^3# + ~2·y^3~ )^2 = (#3·x^3#)^2 + 2·#3·x^3#·~2·y^3~ + (~2·y^3~)^2",
    u"( #3·x^3# + ~2·y^3~ )^2 = 9·#x^6# + 12·#x^3#·~y^3~ + 4~·y^6~",
    u"( #5·x^4# – B )^2 = (#5·x^4#)^2 – 2·#5·x^4#·B + B^2",
    u"A = #5·x^4#",
    u"B = #4·y^4#",
    u"( _5·x^4_ – $4·y^4$ )^2 = (_5·x^4_)^2 – 2·_5·x^4_·$4·y^4$ + ($4·y^4$)^2",
    u"( _5·x^4_ – $4·y^4$ )^2 = 25·_x^8_ – 40·_x^4_·$y^4$ + 16$·y^8$",
    u"( #2·x^5# + B )·( #2·x^5# – B ) = (#2·x^5#)^2 – B^2",
    u"A = #2·x^5#",
    u"B = #7·y^5#",
    u"( #2·x^5# + §7·y^5§ )·( #2·x^5# – §7·y^5§ ) = (#2·x^5#)^2 – (§7·y^5§)^2",
    u"( #2·x^5# + §7·y^5§ )·( #2·x^5# – §7·y^5§ ) = 4·#x^1^0# – 49·§y^1^0§",
};

// Stufe 1 and 2: the three formulas applied, each from its rule to the expanded result.
std::vector<PolynomStep> ExpandingSteps(const ExpandingTexts& t) {
  constexpr int kFirstLabel = 20;  // the labels of the first example; the others are smaller
  constexpr int kLabel = 18;
  return {
      Step({Centred(u"( #A# + #B# )^2 = #A#^2 + 2·#A#·#B# + #B#^2", kAlternating, 29, kRuleSize)}),
      Step({Centred(t.substituted1, kAlternating, 22), Label(t.labelA1, 22, kFirstLabel, 1),
            Label(t.labelB1, 18, kFirstLabel, 3)}),
      Step({Centred(t.filledIn1, kMarkup3, 16)}),
      Step({Centred(t.expanded1, kMarkup3, 10)}),
      Step({Centred(u"( #A# – #B# )^2 = #A#^2 – 2·#A#·#B# + #B#^2", kAlternating, 0, kRuleSize)}),
      Step({Centred(t.substituted2, kAlternating, -6), Label(t.labelA2, -4, kLabel, 2),
            Label(t.labelB2, -8, kLabel, 4)}),
      Step({Centred(t.filledIn2, kMarkup6, -12)}),
      Step({Centred(t.expanded2, kMarkup6, -18)}),
      RenewedPage(Step(
          {Centred(u"( #A# + #B# )·( #A# – #B# ) = #A#^2 – #B#^2", kAlternating, 29, kRuleSize)})),
      Step({Centred(t.substituted3, kAlternating, 22), Label(t.labelA3, 22, kLabel, 1),
            Label(t.labelB3, 18, kLabel, 5)}),
      Step({Centred(t.filledIn3, kMarkup6, 16)}),
      Step({Centred(t.expanded3, kMarkup6, 10)}),
  };
}

// Stufe 3: the three formulas read backwards, factoring an expanded form.
std::vector<PolynomStep> FactoringFormulaSteps() {
  return {
      Step({Centred(u"#A^2# + 2·#A#·#B# + #B^2# = ( #A# + #B# )^2", kAlternating, 29, kRuleSize)}),
      Step({Centred(u"9·x^2 + 12·x·y + 4·y^2 = ( #A# + #B# )^2", kAlternating, 22),
            At(u"#A = 3·x#", kCentred, -17, 16, 20), At(u"_B = 2·y_", kCentred, 1.5, 16, 20)},
           {Line(-17, 19, -17, 16.5), Line(1.5, 19, 1.5, 16.5)}),
      Step({Centred(u"9·x^2 + 12·x·y + 4·y^2 = ( #3·x# + _2·y_ )^2", kMarkup3, 10)}),
      Step({Centred(u"#A^2# – 2·#A#·#B# + #B^2# = ( #A# – #B# )^2", kAlternating, 0, kRuleSize)}),
      Step({Centred(u"25·s^2 – 40·s·t + 16·t^2 = ( #A# – #B# )^2", kAlternating, -7),
            At(u"_A = 5·s_", kCentred, -17, -13, 20), At(u"~B = 4·t~", kCentred, 2, -13, 20)},
           {Line(-17, -10, -17, -12.5), Line(2, -10, 2, -12.5)}),
      Step({Centred(u"25·s^2 – 40·s·t + 16·t^2 = ( _5·s_ – ~4·t~ )^2", kMarkup6, -19)}),
      RenewedPage(Step(
          {Centred(u"#A^2# – #B^2# = ( #A# + #B# )·( #A# – #B# )", kAlternating, 29, kRuleSize)})),
      Step({Centred(u"49·c^2 – 9·d^2 = ( #A# + #B# )·( #A# – #B# )", kAlternating, 15),
            At(u"#A = 7·c#", kCentred, -16, 9, 20), At(u"_B = 3·d_", kCentred, -8, 21, 20)},
           {Line(-16, 12, -16, 9.5), Line(-8, 16, -8, 18.5)}),
      Step({Centred(u"49·c^2 – 9·d^2 = ( #7·c# + _3·d_ )·( #7·c# – _3·d_ )", kMarkup6, 2)}),
  };
}

// ---- Kind 5 ----

struct FactoringTexts {
  const char16_t* examples[5];
};

constexpr FactoringTexts kFactoringStufe1{{
    u"#6#·a + #6#·b = #6#·(a + b)",
    u"12·x – 16·y = #4#·3·x – #4#·4·y = #4#·(3·x – 4·y)",
    u"2·x^2 + 4·x = #2·x#·x + 2·#2·x# = #2·x#·(x + 2)",
    u"5·y^2 – 5·y = #5·y#·y – #5·y#·1 = #5·y#·(y – 1)",
    u"#4#·a + #4#·b – #4#·c = #4#·(a + b – c)",
}};

constexpr FactoringTexts kFactoringStufe2{{
    u"3·x^3 – 3·x^2 + 3·x = #3·x#·x^2 – #3·x#·x + #3·x# = #3·x#·(x^2 – x + 1)",
    u"49·s^4 + 14·s^3 +7·s^2 = 7·s^2·#7·s^2# + 2·#7·s^2#·s +1·#7·s^2# = #7·s^2#·(7·s^2 + 2·s + 1)",
    u"16·r·s – 20·r·s^2 + 12·r·s^3 = 4·#4·r·s# – 5·#4·r·s#·s + 3·#4·r·s#·s^2 = "
    u"#4·r·s#·(4 – 5·s + 3·s^2)",
    u"–a + b –c = (#–1#)·(a –b + c)",
    u"–6·x – 3·y – 12·z = (_–3_)·(2·x + y + 4·z)",
}};

// The renderer that knows the markers of a text: the alternating colours know only "#"; a
// text marked with "_" is drawn with all six markers, so no "_" is shown as a character.
StepDraw FactoringDraw(TextView text) {
  return text.find(u'_') == TextView::npos ? kAlternating : kMarkup6;
}

}  // namespace

std::vector<PolynomStep> BinomialSteps(int level) {
  switch (level) {
    case 2: return ExpandingSteps(kStufe2);
    case 3: return FactoringFormulaSteps();
    default: return ExpandingSteps(kStufe1);
  }
}

std::vector<PolynomStep> CompletionSteps() {
  const StepText rule = At(u"~( A ± B )^2 = A^2 ± 2·A·B + B^2~", kCentred, 0, 31, 20);
  return {
      Step({rule, Centred(u"( #3·z# + _?_ )^2 = 9·z^2 + 2·#?#·_?_ + 49", kMarkup3, 22)}),
      Step({At(u"#A#", kCentred, -15.3, 16.5, kSmall),
            At(u"B^2 = 49 ~Þ B = 7", kSymbols, 16.7, 26.5, kSmall)},
           {Line(-15.3, 19, -15.3, 17), Line(16.7, 22, 16.7, 24)}),
      Step({Centred(u"( #3·z# + _7_ )^2 = 9·z^2 + 2·#3·z#·_7_ + 49", kMarkup3, 13)}),
      Step({Centred(u"( 3·z + 7 )^2 = 9·z^2 + 42·z + 49", kMarkup3, 8)}),
      Step({Centred(u"( ~?~ – $4$ )^2 = 36·y^2 – 48·y + $?$", kMarkup6, -3)}),
      Step({At(u"$B$", kCentred, -10, -8.5, kSmall),
            At(u"A^2 = 36·y^2 ~Þ A = 6·y", kSymbols, 0, 2, kSmall)},
           {Line(-10, -6, -10, -8), Line(0, -3, 0, -1)}),
      Step({Centred(u"( ~6·y~ – $4$ )^2 = 36·y^2 – 48·y + $4^2$", kMarkup6, -12)}),
      Step({Centred(u"( 6·y – 4 )^2 = 36·y^2 – 48·y + 16", kMarkup6, -17)}),
      // A new page; the rule stays on it.
      RenewedPage(Step({rule, Centred(u"( #?# + _?_ )^2 = 4·x^2 + 32·x + _?_", kMarkup3, 22)})),
      Step({At(u"A^2 = 4·x^2 ~Þ A = 2·x", kSymbols, -0.5, 16.5, kSmall),
            At(u"2·A·B = 32·x ~Þ 2·2·x·B = 32·x ~Þ B = 8", kSymbols, 9, 26.5, kSmall)},
           {Line(-0.5, 19, -0.5, 17), Line(9, 22, 9, 24)}),
      Step({Centred(u"( #2·x# + _8_ )^2 = 4·x^2 + 32·x + _8_^2", kMarkup3, 13)}),
      Step({Centred(u"( 2·x + 8 )^2 = 4·x^2 + 32·x + 64", kMarkup3, 8)}),
      Step({Centred(u"( ~?~ – 25 )^2 = 25·s^2 – 2·~?~·$?$ + $?$", kMarkup6, -3)}),
      Step({At(u"$B = 25$", kCentred, -10, -8.5, kSmall),
            At(u"A^2 = 25·s^2 ~Þ A = 5·s", kSymbols, 0, 2, kSmall)},
           {Line(-10, -6, -10, -8), Line(0, -3, 0, -1)}),
      Step({Centred(u"( ~5·s~ – 25 )^2 = 25·s^2 – 2·~5·s~·$25$ + $25^2$", kMarkup6, -12)}),
      Step({Centred(u"( 5·s – 25 )^2 = 25·s^2 – 250·s + 625", kMarkup6, -17)}),
  };
}

std::vector<PolynomStep> FactoringSteps(int level) {
  PolynomStep rule = Step({
      At(u"#Ausmultiplizieren#", kCentred, -15, 30.5, 18),
      Centred(u"(a ± b)·#c# = a·#c# ± b·#c# = ~c~·a ± ~c~·b = ~c~·(a ± b)", kMarkup3, 25),
      At(u"~Herausheben~", kCentred, 14, 19, 18),
  });
  rule.stays.arrows = {{-25, -5, 27}, {4, 24, 20}};
  std::vector<PolynomStep> steps{rule};
  // At Stufe 3 the steps show the rule and the arrows only.
  const FactoringTexts* examples = level == 1   ? &kFactoringStufe1
                                   : level == 2 ? &kFactoringStufe2
                                                : nullptr;
  constexpr double kRows[] = {14, 6, -2, -10, -18};
  for (int k = 0; k < 5; ++k) {
    if (examples == nullptr) {
      steps.push_back(PolynomStep{});
      continue;
    }
    const TextView text = examples->examples[k];
    steps.push_back(Step({Centred(text, FactoringDraw(text), kRows[k])}));
  }
  return steps;
}

}  // namespace kalkora::polynomials
