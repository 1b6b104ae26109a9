// The solution a worksheet prints for a task is the answer its exercise window takes as
// right: each task is made again the way the exercise makes its item (the same generator from
// the same seed), and the worksheet's solution, typed as a learner types it, is judged by the
// exercise's own rules.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/term_exponents.h"
#include "topics/fractions/fraction_exercise.h"
#include "topics/fractions/fraction_exercise_items.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/long_division_generators.h"
#include "topics/fractions/long_division_steps.h"
#include "topics/fractions/unlike_denominators_generators.h"
#include "topics/fractions/unlike_denominators_stages.h"
#include "topics/polynomials/completion_exercise.h"
#include "topics/polynomials/completion_generators.h"
#include "topics/polynomials/polynomial_items.h"
#include "topics/polynomials/polynomial_record.h"
#include "topics/powers/power_divide_raise_texts.h"
#include "topics/powers/power_generators.h"
#include "topics/terms/like_term_generators.h"
#include "topics/terms/substitution_generators.h"
#include "topics/terms/term_record.h"
#include "worksheet/worksheet_kinds.h"

namespace kalkora::worksheet {
namespace {

constexpr int kSeeds = 60;

// A text as a learner types it: no blanks, no "·", exponents of two digits joined.
Text Typed(TextView text) { return JoinExponentDigits(RemoveChar(RemoveSpaces(text), u'·')); }

// The parts of one solution of a formula (a run of solution parts) as typed: a fraction as
// numerator "/" denominator.
struct TypedSolution {
  Text whole;                   // every part
  std::vector<Text> fractions;  // each fraction's numerator and denominator in turn
};

std::vector<TypedSolution> TypedSolutions(const Formula& formula) {
  std::vector<TypedSolution> solutions;
  bool inSolution = false;
  for (const FormulaPart& part : formula) {
    if (!part.solution) {
      inSolution = false;
      continue;
    }
    if (!inSolution) solutions.emplace_back();
    inSolution = true;
    TypedSolution& solution = solutions.back();
    if (part.kind == PartKind::Markup) {
      solution.whole += Typed(part.text);
    } else {
      solution.whole += Typed(part.text) + u"/" + Typed(part.denominator);
      solution.fractions.push_back(Typed(part.text));
      solution.fractions.push_back(Typed(part.denominator));
    }
  }
  return solutions;
}

// The record a generator makes on a fresh item 1 of its array.
template <typename Record, std::size_t N, typename Generator>
Record Made(OneBasedArray<Record, N>& items, Generator generator) {
  items[1] = Record{};
  generator(1);
  return items[1];
}

// Makes the exercise's item from the random state as it stands and checks the worksheet's
// solutions against it.
using Check = std::function<void(int level, const std::vector<TypedSolution>& solutions)>;

void ExpectOne(const std::vector<TypedSolution>& solutions, TextView expected) {
  ASSERT_EQ(solutions.size(), 1u);
  EXPECT_EQ(solutions[0].whole, expected);
}

Check PolynomialCheck(int kind) {
  return [kind](int level, const std::vector<TypedSolution>& solutions) {
    const TPolynom item = Made(polynomials::Polynom, PolynomGeneratorFor(kind, level));
    ExpectOne(solutions, JoinExponentDigits(item.Antwort));
  };
}

Check PowerCheck(powers::PowerKind kind) {
  return [kind](int level, const std::vector<TypedSolution>& solutions) {
    const TPotenz item = Made(powers::Potenzen, powers::GeneratorFor(kind, level));
    ExpectOne(solutions, JoinExponentDigits(item.Antwort()));
  };
}

Check DivideRaiseCheck(powers::DivideRaiseMode mode) {
  return [mode](int level, const std::vector<TypedSolution>& solutions) {
    const powers::DivideRaiseExercise exercise{mode, level};
    const TPotenz item = Made(powers::Potenzen, powers::DivideRaiseGenerator(exercise));
    const std::vector<Text> fields = powers::ExpectedFieldTexts(exercise, item);
    ASSERT_EQ(solutions.size(), 1u);
    if (fields.size() == 2) {
      EXPECT_EQ(solutions[0].fractions, fields);
    } else {
      EXPECT_EQ(solutions[0].whole, JoinExponentDigits(fields[0]));
    }
  };
}

// The fraction exercise's judge takes the worksheet's solution as right.
Check FractionCheck(fractions::ExerciseKind kind) {
  return [kind](int level, const std::vector<TypedSolution>& solutions) {
    const TBruchM item = Made(fractions::Bruch, [kind, level](int i) {
      fractions::PrepareExerciseItem(fractions::KindNumber(kind), level, i);
    });
    ASSERT_EQ(solutions.size(), 1u);
    const TypedSolution& solution = solutions[0];
    std::vector<Text> typed;
    switch (kind) {
      case fractions::ExerciseKind::Domain:
        // Printed ‹0; –1›, typed "0,–1".
        typed = {ReplaceChar(solution.whole, u';', u',')};
        break;
      case fractions::ExerciseKind::Cancelling:
      case fractions::ExerciseKind::Multiply:
      case fractions::ExerciseKind::Divide:
        // A fraction over 1 is printed as its numerator alone.
        typed = solution.fractions.empty() ? std::vector<Text>{solution.whole, u"1"}
                                           : solution.fractions;
        break;
      case fractions::ExerciseKind::LikeDenominators:
        // The numerator over the task's own denominator.
        ASSERT_EQ(solution.fractions.size(), 2u);
        EXPECT_EQ(solution.fractions[1], Typed(item.Text[5]));
        typed = {solution.fractions[0]};
        break;
      default: typed = {solution.whole}; break;
    }
    EXPECT_TRUE(fractions::IsRightAnswer(kind, item, typed)) << Utf8FromText(solution.whole);
  };
}

void CheckCompletion(int level, const std::vector<TypedSolution>& solutions) {
  void (*const generator)(int) = level == 3 ? ErgaenzenU3 : level == 2 ? ErgaenzenU2 : ErgaenzenU1;
  const TErgaenzen item = Made(polynomials::Ergaenzen, generator);
  ASSERT_EQ(static_cast<int>(solutions.size()), item.AnzLuecken);
  completion_exercise::GapTexts gaps;
  for (std::size_t k = 0; k < solutions.size(); ++k) gaps[k + 1] = solutions[k].whole;
  EXPECT_TRUE(completion_exercise::RowRight(item, gaps));
}

void CheckUnlike(int level, const std::vector<TypedSolution>& solutions) {
  void (*const generator)(int) = level == 3   ? fractions::AddSubUngleichU3
                                 : level == 2 ? fractions::AddSubUngleichU2
                                              : fractions::AddSubUngleichU1;
  const TBruchM item = Made(fractions::Bruch, generator);
  ASSERT_EQ(solutions.size(), 1u);
  const std::vector<Text>& fractions = solutions[0].fractions;
  // The result over the main denominator, then the cancelled result where it cancels.
  ASSERT_EQ(fractions.size(), item.Kenn[1] ? 4u : 2u);
  EXPECT_TRUE(
      fractions::CheckStage(item, level, fractions::kStageMainDenominator, {fractions[1]}).right());
  const std::vector<Text> result = item.Kenn[1] ? std::vector<Text>{fractions[2], fractions[3]}
                                                : std::vector<Text>{fractions[0]};
  EXPECT_TRUE(fractions::CheckStage(item, level, fractions::kStageResult, result).right())
      << Utf8FromText(solutions[0].whole);
}

void CheckDivideByTerms(int level, const std::vector<TypedSolution>& solutions) {
  if (level == 1) {
    FractionCheck(fractions::ExerciseKind::DivideByMonomial)(level, solutions);
    return;
  }
  const TBruchM item =
      Made(fractions::Bruch, [level](int i) { fractions::MakeDivisionItem(level, i); });
  // The quotient is the quotient terms the written division asks for; at Stufe 3 the
  // remainder is its final difference.
  Text quotient;
  Text remainder;
  for (const fractions::DivisionStep& step : fractions::DivisionSteps(item.TermDiv).steps) {
    if (step.kind == fractions::DivisionAnswer::QuotientTerm) quotient += step.answer;
    if (step.kind == fractions::DivisionAnswer::FinalDifference) remainder = step.answer;
  }
  ASSERT_EQ(solutions.size(), level == 3 ? 2u : 1u);
  EXPECT_EQ(solutions[0].whole, quotient);
  if (level == 3) EXPECT_EQ(solutions[1].whole, remainder);
}

struct KindCheck {
  std::string id;
  Check check;
};

std::vector<KindCheck> Checks() {
  using fractions::ExerciseKind;
  return {
      {"terme-einsetzen",
       [](int level, const std::vector<TypedSolution>& solutions) {
         const TTerm item = Made(terms_topic::EinsetzenTerme,
                                 [level](int i) { terms_topic::EinsetzenStufe(level, i); });
         ExpectOne(solutions, item.Antwort);
       }},
      {"terme-addieren-subtrahieren",
       [](int level, const std::vector<TypedSolution>& solutions) {
         const TTerm item =
             Made(terms_topic::AddSubTerme, [level](int i) { terms_topic::AddSubStufe(level, i); });
         ExpectOne(solutions, item.Antwort);
       }},
      {"terme-polynom-monom", PolynomialCheck(1)},
      {"terme-polynom-polynom", PolynomialCheck(2)},
      {"terme-binome", PolynomialCheck(3)},
      {"terme-ergaenzen", CheckCompletion},
      {"terme-herausheben", PolynomialCheck(5)},
      {"potenzen-multiplizieren", PowerCheck(powers::PowerKind::Multiply)},
      {"potenzen-dividieren", DivideRaiseCheck(powers::DivideRaiseMode::Divide)},
      {"potenzen-potenzieren", DivideRaiseCheck(powers::DivideRaiseMode::Raise)},
      {"potenzen-addieren-subtrahieren", PowerCheck(powers::PowerKind::AddSub)},
      {"bruchterme-definitionsmenge", FractionCheck(ExerciseKind::Domain)},
      {"bruchterme-kuerzen", FractionCheck(ExerciseKind::Cancelling)},
      {"bruchterme-kgv", FractionCheck(ExerciseKind::Lcm)},
      {"bruchterme-gleichnamig", FractionCheck(ExerciseKind::LikeDenominators)},
      {"bruchterme-ungleichnamig", CheckUnlike},
      {"bruchterme-multiplizieren", FractionCheck(ExerciseKind::Multiply)},
      {"bruchterme-dividieren", FractionCheck(ExerciseKind::Divide)},
      {"bruchterme-dividieren-durch-terme", CheckDivideByTerms},
  };
}

TEST(WorksheetSolutions, EveryKindHasItsCheck) {
  std::vector<std::string> checked;
  for (const KindCheck& check : Checks()) checked.push_back(check.id);
  std::vector<std::string> kinds;
  for (const WorksheetKind& kind : WorksheetKinds()) kinds.emplace_back(kind.id);
  EXPECT_EQ(checked, kinds);
}

TEST(WorksheetSolutions, AreTheAnswersTheExercisesTakeAsRight) {
  for (const KindCheck& check : Checks()) {
    const WorksheetKind* kind = FindWorksheetKind(check.id);
    ASSERT_NE(kind, nullptr) << check.id;
    for (int level = 1; level <= kind->levels; ++level) {
      for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE(check.id + " Stufe " + std::to_string(level) + " seed " +
                     std::to_string(seed));
        Formula task;
        {
          const ScopedRandomSeed scope(seed);
          task = kind->makeTask(level);
        }
        const ScopedRandomSeed scope(seed);
        check.check(level, TypedSolutions(task));
      }
    }
  }
}

}  // namespace
}  // namespace kalkora::worksheet
