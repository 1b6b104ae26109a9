// The mode and level of the exercise window of dividing and raising powers, what it shows for
// each, and how its rows are answered: the expected texts of the fields checked by value
// against the task, typeable with the keys the fields accept.

#include "topics/powers/power_divide_raise_texts.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/selection.h"
#include "power_generator_checks.h"

namespace kalkora::powers {
namespace {

using Mode = DivideRaiseMode;
using test::Describe;
using test::Quotient;
using test::SameValue;

class DivideRaiseTextsTest : public ::testing::Test {
 protected:
  void TearDown() override { selection::ResetSelection(); }
};

std::vector<DivideRaiseExercise> AllExercises() {
  std::vector<DivideRaiseExercise> all;
  for (const Mode mode : {Mode::Divide, Mode::Raise}) {
    for (int level = 1; level <= 3; ++level) all.push_back({mode, level});
  }
  return all;
}

TEST_F(DivideRaiseTextsTest, TheNonZeroSelectionDecidesModeAndLevel) {
  struct Case {
    int divLevel;
    int raiseLevel;
    Mode mode;
    int level;
  };
  const std::vector<Case> cases{
      {1, 0, Mode::Divide, 1}, {3, 0, Mode::Divide, 3}, {0, 1, Mode::Raise, 1},
      {0, 2, Mode::Raise, 2},  {0, 3, Mode::Raise, 3},  {0, 7, Mode::Raise, 3},
  };
  for (const Case& c : cases) {
    selection::selPowerDivLevel = c.divLevel;
    selection::selPowerRaiseLevel = c.raiseLevel;
    const DivideRaiseExercise exercise = SelectedDivideRaiseExercise();
    EXPECT_EQ(exercise.mode, c.mode) << c.divLevel << " " << c.raiseLevel;
    EXPECT_EQ(exercise.level, c.level) << c.divLevel << " " << c.raiseLevel;
  }
}

TEST_F(DivideRaiseTextsTest, CaptionsInstructionsHintsAndGenerators) {
  const Text checkedInstruction =
      u"Gib den jeweiligen Term ohne Multiplikationszeichen ein und drücke die Prüfen–Taste";
  const Text leaveInstruction =
      u"Gib den jeweiligen Term ohne Multiplikationszeichen und mit einem Bruchstrich ein.\n"
      u"Drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!";
  const Text raiseHint = u"$Ermittle das Ergebnis in der Reihenfolge der Angabe. Zahlen zuerst.$";
  struct Case {
    DivideRaiseExercise exercise;
    Text caption;
    bool checked;
    Text hint;
    PowerGenerator generator;
  };
  const std::vector<Case> cases{
      {{Mode::Divide, 1},
       u"Übungsbeispiele Potenzen – Dividieren (Stufe 1)",
       true,
       u"",
       GenDivideU1},
      {{Mode::Divide, 2},
       u"Übungsbeispiele Potenzen – Dividieren (Stufe 2)",
       true,
       u"",
       GenDivideU2},
      {{Mode::Divide, 3},
       u"Übungsbeispiele Potenzen – Dividieren (Stufe 3)",
       true,
       u"",
       GenDivideU3},
      {{Mode::Raise, 1},
       u"Übungsbeispiele Potenzen – Potenzieren (Stufe 1)",
       false,
       raiseHint,
       GenRaiseU1},
      {{Mode::Raise, 2},
       u"Übungsbeispiele Potenzen – Potenzieren (Stufe 2)",
       false,
       raiseHint,
       GenRaiseU2},
      {{Mode::Raise, 3},
       u"Übungsbeispiele Potenzen – Potenzieren (Stufe 3)",
       true,
       raiseHint,
       GenRaiseU3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.exercise.level);
    EXPECT_EQ(DivideRaiseCaption(c.exercise), c.caption);
    EXPECT_EQ(CheckedByButton(c.exercise), c.checked);
    EXPECT_EQ(DivideRaiseInstruction(c.exercise),
              c.checked ? checkedInstruction : leaveInstruction);
    EXPECT_EQ(DivideRaiseHint(c.exercise), c.hint);
    EXPECT_EQ(DivideRaiseGenerator(c.exercise), c.generator);
  }
}

TEST_F(DivideRaiseTextsTest, EmptyFieldMessages) {
  EXPECT_EQ(EmptyFieldsMessage(1), u"Es fehlt der Eintrag!");
  EXPECT_EQ(EmptyFieldsMessage(2), u"Die Eingabefelder dürfen nicht leer sein!");
}

TEST_F(DivideRaiseTextsTest, AcceptedKeysByModeAndLevel) {
  TPotenz item;
  for (std::size_t k = 1; k <= 5; ++k) item.Buchst[k] = static_cast<char16_t>(u'a' + k - 1);
  struct Case {
    DivideRaiseExercise exercise;
    Text keys;
  };
  const std::vector<Case> cases{
      {{Mode::Divide, 1}, u"0123456789^a"},    {{Mode::Divide, 2}, u"0123456789^ab/"},
      {{Mode::Divide, 3}, u"0123456789^abc/"}, {{Mode::Raise, 1}, u"0123456789^ab"},
      {{Mode::Raise, 2}, u"0123456789^abc"},   {{Mode::Raise, 3}, u"0123456789^abcde/"},
  };
  for (const Case& c : cases) EXPECT_EQ(AcceptedKeys(c.exercise, item), c.keys);
  // A blank where the item has no letter is no key.
  item.Buchst[2] = u' ';
  EXPECT_EQ(AcceptedKeys({Mode::Raise, 3}, item), u"0123456789^acde/");
}

TEST_F(DivideRaiseTextsTest, TheQuotedSolutionJoinsExponentDigits) {
  TPotenz item;
  item.Loesung() = u"z^8·b^1^6/u^8";
  EXPECT_EQ(QuotedSolution(item), u"z^8·b^16/u^8");
  item.Loesung() = u"7·u^5·i^2·n^3/4";
  EXPECT_EQ(QuotedSolution(item), u"7·u^5·i^2·n^3/4");
}

// The task of an item as one text with the value the answer must have.
Text TaskText(const DivideRaiseExercise& exercise, const TPotenz& item) {
  if (exercise.mode == Mode::Divide) return Quotient(item.Text[8], item.Text[9]);
  if (exercise.level < 3) return item.Text[8];
  return Text(u"(")
      .append(Quotient(item.Text[8], item.Text[9]))
      .append(u")^")
      .append(item.Text[13]);
}

// Over many items of every mode and level: the row has one field or a numerator and a
// denominator as the answer needs, the expected texts have the task's value, every character
// of them can be typed, and the quoted solution has the value too, with joined exponents.
TEST_F(DivideRaiseTextsTest, ExpectedFieldTextsAreTheTasksValueAndTypeable) {
  for (const DivideRaiseExercise& exercise : AllExercises()) {
    SCOPED_TRACE(::testing::Message()
                 << (exercise.mode == Mode::Divide ? "divide " : "raise ") << exercise.level);
    int fractions = 0;
    for (const TPotenz& item : test::Generate(DivideRaiseGenerator(exercise), 300)) {
      SCOPED_TRACE(Describe(item));
      const std::vector<Text> expected = ExpectedFieldTexts(exercise, item);
      ASSERT_EQ(static_cast<int>(expected.size()),
                CheckedByButton(exercise) ? AnswerFieldCount(item) : 1);
      const Text answer = expected.size() == 2 ? Quotient(expected[0], expected[1]) : expected[0];
      const Text task = TaskText(exercise, item);
      EXPECT_TRUE(SameValue(task, answer));
      EXPECT_TRUE(SameValue(task, test::FractionText(QuotedSolution(item))));
      EXPECT_EQ(QuotedSolution(item).find(u"^1^"), Text::npos);
      if (expected.size() == 2) ++fractions;

      const Text keys = AcceptedKeys(exercise, item);
      EXPECT_EQ(keys.find_first_of(u"+–- ·*"), Text::npos);
      for (const Text& text : expected) {
        ASSERT_FALSE(text.empty());
        for (const char16_t c : text) EXPECT_NE(keys.find(c), Text::npos) << char(c);
      }
    }
    // Division has both kinds of rows at every level, raising at level 3 fractions only.
    if (exercise.mode == Mode::Divide) {
      EXPECT_GT(fractions, 0);
      EXPECT_LT(fractions, 300);
    } else {
      EXPECT_EQ(fractions, exercise.level == 3 ? 300 : 0);
    }
  }
}

}  // namespace
}  // namespace kalkora::powers
