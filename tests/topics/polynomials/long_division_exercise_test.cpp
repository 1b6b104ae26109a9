// What the long-division exercise decides without its window: its texts and keys, a division
// worked through answer by answer with the practice run's counting, and the passes of a run.

#include "topics/polynomials/long_division_exercise.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/random.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/long_division_generators.h"
#include "topics/fractions/long_division_writing.h"

namespace kalkora::long_division_exercise {
namespace {

using practice::Verdict;
using State = DivisionProgress::State;

// (28·h^3 + 55·h^2 – 3·h – 20) : (7·h + 5), nine answers.
DivisionProgress StufeTwoVariantOne() {
  return DivisionProgress(
      fractions::DivisionSteps(fractions::WriteTermDiv({{4, 5, -4}, {7, 5}}, u'h')));
}

class LongDivisionExercise : public testing::Test {
 protected:
  void SetUp() override { practice::StartPracticeRun(); }
  void TearDown() override { practice::StartPracticeRun(); }
};

TEST(LongDivisionTexts, CaptionsInstructionsMessageAndKeys) {
  EXPECT_EQ(
      Utf8FromText(Caption(2)),
      "Übungsbeispiele: Bruchterme – Dividieren durch mehrgliedrige Terme ohne Rest (Stufe 2)");
  EXPECT_EQ(
      Utf8FromText(Caption(3)),
      "Übungsbeispiele: Bruchterme – Dividieren durch mehrgliedrige Terme mit Rest (Stufe 3)");
  EXPECT_EQ(Utf8FromText(Instruction()), "Gib das Ergebnis ein und drücke die Enter–Taste!");
  EXPECT_EQ(Utf8FromText(InstructionWhileTyping()),
            "Dividieren von Termen.\nGib das Ergebnis ein und drücke die Enter–Taste!");
  EXPECT_EQ(Utf8FromText(EmptyFieldMessage()), "Das Eingabefeld darf nicht leer sein!");
  EXPECT_EQ(Utf8FromText(AcceptedKeys(u'h')), "h0123456789+–^");
  EXPECT_EQ(Utf8FromText(AcceptedKeys(u'E')), "E0123456789+–^");
}

TEST_F(LongDivisionExercise, AWholeDivisionAnsweredRightEarnsAPointAnAnswer) {
  DivisionProgress progress = StufeTwoVariantOne();
  const std::vector<std::u16string> answers = {u"4h^2", u"28h^3+20h^2", u"35h^2–3h",
                                               u"+5h",  u"35h^2+25h",   u"–28h–20",
                                               u"–4",   u"–28h–20",     u"0"};
  ASSERT_EQ(progress.stepCount(), 9);
  for (std::size_t i = 0; i < answers.size(); ++i) {
    EXPECT_EQ(progress.current(), static_cast<int>(i) + 1);
    EXPECT_EQ(progress.answer(answers[i]), Verdict::RightFirst) << "answer " << i + 1;
    EXPECT_EQ(progress.state(static_cast<int>(i) + 1), State::Right);
  }
  EXPECT_TRUE(progress.finished());
  EXPECT_EQ(progress.currentStep(), nullptr);
  EXPECT_EQ(practice::AktVersuche, 9);
  EXPECT_EQ(practice::Punkte, 9.0f);
  // Nothing is judged past the last answer.
  EXPECT_EQ(progress.answer(u"0"), std::nullopt);
  EXPECT_EQ(practice::Versuche, 9);
}

// One answer after the other, as the learner types them: what each does to the step asked,
// the step's state and the counters.
TEST_F(LongDivisionExercise, EachAnswerCountsAsInThePracticeRun) {
  struct Move {
    const char16_t* typed;
    std::optional<Verdict> verdict;
    int askedAfter;  // DivSchritt after the answer
    int attempts;    // Versuche after it
    float points;    // Punkte after it
  };
  const Move moves[] = {
      {u"", std::nullopt, 1, 0, 0},  // empty: nothing judged or counted
      {u"4h^2", Verdict::RightFirst, 2, 1, 1},
      {u"28h^3+20h", Verdict::WrongFirst, 2, 2, 1},  // stays on the line
      {u"28h^3+20h^2", Verdict::RightSecond, 3, 3, 1.5},
      {u"35h^2+3h", Verdict::WrongFirst, 3, 4, 1.5},
      {u"35h^2–3", Verdict::WrongSecond, 4, 5, 1.5},  // shown; the next step is asked
      {u"+5", Verdict::WrongFirst, 4, 6, 1.5},
      {u"", std::nullopt, 4, 6, 1.5},
      {u"+5h", Verdict::RightSecond, 5, 7, 2},
  };
  DivisionProgress progress = StufeTwoVariantOne();
  for (const Move& move : moves) {
    SCOPED_TRACE(Utf8FromText(move.typed));
    EXPECT_EQ(progress.answer(move.typed), move.verdict);
    EXPECT_EQ(progress.current(), move.askedAfter);
    EXPECT_EQ(practice::Versuche, move.attempts);
    EXPECT_EQ(practice::Punkte, move.points);
  }
  EXPECT_EQ(progress.state(1), State::Right);
  EXPECT_EQ(progress.state(2), State::Right);
  EXPECT_EQ(progress.state(3), State::Shown);
  EXPECT_EQ(progress.typed(3), u"35h^2–3");  // the learner's last text is drawn
  EXPECT_EQ(progress.step(3).text, u"35·h^2 – 3·h");
  EXPECT_EQ(progress.state(4), State::Right);
  EXPECT_EQ(progress.state(5), State::Open);
  EXPECT_EQ(progress.currentStep()->field, 3);
}

TEST_F(LongDivisionExercise, AUnitCoefficientIsTypedInTheQuotient) {
  DivisionProgress progress(
      fractions::DivisionSteps(fractions::WriteTermDiv({{3, 1, -2}, {4, 1}}, u'e')));
  for (const char16_t* typed : {u"3e^2", u"12e^3+3e^2", u"4e^2–7e"}) progress.answer(typed);
  EXPECT_EQ(progress.answer(u"+e"), Verdict::WrongFirst);
  EXPECT_EQ(progress.answer(u"+1e"), Verdict::RightSecond);
}

TEST_F(LongDivisionExercise, ARunHasThreeDivisions) {
  EXPECT_EQ(Utf8FromText(practice::PassLabel()), "1 / 3");
  EXPECT_TRUE(NextDivisionFollows());
  EXPECT_EQ(Utf8FromText(practice::PassLabel()), "2 / 3");
  EXPECT_TRUE(NextDivisionFollows());
  EXPECT_EQ(Utf8FromText(practice::PassLabel()), "3 / 3");
  EXPECT_FALSE(NextDivisionFollows());
  EXPECT_EQ(Utf8FromText(practice::PassLabel()), "3 / 3");
}

TEST_F(LongDivisionExercise, AReplacedDivisionCostsNothing) {
  DivisionProgress replaced = StufeTwoVariantOne();
  EXPECT_EQ(replaced.answer(u"4h"), Verdict::WrongFirst);
  ReplaceDivision();
  // The new division's first answer is a first attempt again: a whole point.
  DivisionProgress next = StufeTwoVariantOne();
  EXPECT_EQ(next.answer(u"4h^2"), Verdict::RightFirst);
  EXPECT_EQ(practice::Punkte, 1.0f);
  EXPECT_EQ(practice::Versuche, 2);  // the judged wrong answer stays counted
  EXPECT_EQ(practice::Durchgang, 1);
}

// Every answer of many generated divisions can be typed: its characters pass the key filter
// and it fits the field that asks for it. Otherwise the learner could never answer right.
TEST(LongDivisionFields, EveryExpectedAnswerCanBeTypedIntoItsField) {
  for (const int level : {2, 3}) {
    SetRandomSeed(static_cast<std::uint32_t>(17 + level));
    for (int n = 0; n < 4000; ++n) {
      fractions::MakeDivisionItem(level, 1);
      const TBruchM& item = fractions::Bruch[1];
      const Text keys = AcceptedKeys(item.Var1);
      const fractions::WrittenDivision division = fractions::DivisionSteps(item.TermDiv);
      for (const fractions::DivisionStep& step : division.steps) {
        SCOPED_TRACE(Utf8FromText(division.wholeLine) + ": " + Utf8FromText(step.answer));
        EXPECT_LE(static_cast<int>(step.answer.size()), FieldLength(step));
        EXPECT_EQ(step.answer.find_first_not_of(keys), Text::npos);
      }
      if (testing::Test::HasFailure()) break;
    }
  }
  ClearFixedRandomSeed();
}

}  // namespace
}  // namespace kalkora::long_division_exercise
