// The mode and level of the power exercise window and what it shows for each.

#include "topics/powers/power_exercise_texts.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/selection.h"

namespace kalkora::powers {
namespace {

class PowerExerciseTextsTest : public ::testing::Test {
 protected:
  void TearDown() override { selection::ResetSelection(); }
};

TEST_F(PowerExerciseTextsTest, TheNonZeroSelectionDecidesModeAndLevel) {
  struct Case {
    int multLevel;
    int addSubLevel;
    PowerExerciseMode mode;
    int level;
  };
  const std::vector<Case> cases{
      {1, 0, PowerExerciseMode::Multiply, 1}, {3, 0, PowerExerciseMode::Multiply, 3},
      {0, 1, PowerExerciseMode::AddSub, 1},   {0, 2, PowerExerciseMode::AddSub, 2},
      {0, 3, PowerExerciseMode::AddSub, 3},   {0, 9, PowerExerciseMode::AddSub, 3},
  };
  for (const Case& c : cases) {
    selection::selPowerMultLevel = c.multLevel;
    selection::selPowerAddSubLevel = c.addSubLevel;
    const PowerExercise exercise = SelectedPowerExercise();
    EXPECT_EQ(exercise.mode, c.mode) << c.multLevel << " " << c.addSubLevel;
    EXPECT_EQ(exercise.level, c.level) << c.multLevel << " " << c.addSubLevel;
  }
}

TEST_F(PowerExerciseTextsTest, CaptionsHintsRowsAndGenerators) {
  using Mode = PowerExerciseMode;
  struct Case {
    PowerExercise exercise;
    Text caption;
    Text hint;
    double rowX;
    PowerGenerator generator;
  };
  const std::vector<Case> cases{
      {{Mode::Multiply, 1},
       u"Übungsbeispiele Potenzen – Multiplizieren (Stufe 1)",
       u"$Gib das Ergebnis alphabetisch aufsteigend sortiert ein.$",
       -10,
       GenMultiply1},
      {{Mode::Multiply, 2},
       u"Übungsbeispiele Potenzen – Multiplizieren (Stufe 2)",
       u"$Gib das Ergebnis ein (Zahlen zuerst).$",
       -10,
       GenMultiply2},
      {{Mode::Multiply, 3},
       u"Übungsbeispiele Potenzen – Multiplizieren (Stufe 3)",
       u"$Gib das Ergebnis alphabetisch aufsteigend sortiert ein (Zahlen zuerst).$",
       -10,
       GenMultiply3},
      {{Mode::AddSub, 1},
       u"Übungsbeispiele Potenzen – Addieren und Subtrahieren (Stufe 1)",
       u"$Ermittle das Ergebnis (Zahlen zuerst).$",
       -10,
       GenAddSub1},
      {{Mode::AddSub, 2},
       u"Übungsbeispiele Potenzen – Addieren und Subtrahieren (Stufe 2)",
       u"$Ordne das Ergebnis nach fallenden Potenzen.$",
       -35,
       GenAddSub2},
      {{Mode::AddSub, 3},
       u"Übungsbeispiele Potenzen – Addieren und Subtrahieren (Stufe 3)",
       u"$Ordne das Ergebnis nach fallenden Potenzen.$",
       -37,
       GenAddSub3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PowerExerciseCaption(c.exercise), c.caption);
    EXPECT_EQ(PowerExerciseHint(c.exercise), c.hint);
    EXPECT_EQ(PowerExerciseRowX(c.exercise), c.rowX);
    EXPECT_EQ(PowerExerciseGenerator(c.exercise), c.generator);
  }
}

TEST_F(PowerExerciseTextsTest, InstructionsByMode) {
  for (int level = 1; level <= 3; ++level) {
    EXPECT_EQ(PowerExerciseInstruction({PowerExerciseMode::Multiply, level}),
              u"Gib die jeweiligen Potenzen ohne Multiplikationszeichen ein\n"
              u"Drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!");
    EXPECT_EQ(PowerExerciseInstruction({PowerExerciseMode::AddSub, level}),
              u"Gib den jeweiligen Term ohne Multiplikationszeichen ein\n"
              u"Drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!");
  }
}

}  // namespace
}  // namespace kalkora::powers
