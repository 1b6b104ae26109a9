#include "practice/practice_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalkora::practice {
namespace {

struct Item {
  bool Aktiv = true;
  bool Richtig = false;
  bool Gezeigt = false;
};

// A sequence of judged answers ('r' right, 'w' wrong), each applied to the next open item as
// the learner would: a wrong first answer stays on the same item.
struct Case {
  std::string answers;
  int attempts;
  float points;
  int versuchAfter;
  std::vector<Verdict> verdicts;
};

TEST(PracticeRun, AnswerSequences) {
  using enum Verdict;
  const std::vector<Case> cases{
      {"rrrrr", 5, 5.0f, 1, {RightFirst, RightFirst, RightFirst, RightFirst, RightFirst}},
      {"wr", 2, 0.5f, 1, {WrongFirst, RightSecond}},
      {"ww", 2, 0.0f, 1, {WrongFirst, WrongSecond}},
      {"w", 1, 0.0f, 2, {WrongFirst}},
      {"rwwwr", 5, 1.5f, 1, {RightFirst, WrongFirst, WrongSecond, WrongFirst, RightSecond}},
      {"", 0, 0.0f, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    StartPracticeRun();
    std::vector<Verdict> verdicts;
    for (char answer : c.answers) verdicts.push_back(JudgeAnswer(answer == 'r'));
    EXPECT_EQ(verdicts, c.verdicts);
    EXPECT_EQ(AktVersuche, c.attempts);
    EXPECT_EQ(Versuche, c.attempts);
    EXPECT_FLOAT_EQ(AktPunkte, c.points);
    EXPECT_FLOAT_EQ(Punkte, c.points);
    EXPECT_EQ(Versuch, c.versuchAfter);
  }
}

TEST(PracticeRun, VersuchBelongsToTheWindowNotToTheItem) {
  // Wrong on one item, then that field is left empty: the next answer judged anywhere is a
  // second attempt.
  StartPracticeRun();
  EXPECT_EQ(JudgeAnswer(false), Verdict::WrongFirst);
  EXPECT_EQ(JudgeAnswer(true), Verdict::RightSecond);
  EXPECT_FLOAT_EQ(Punkte, 0.5f);
}

TEST(PracticeRun, PassesKeepTheRunTotals) {
  StartPracticeRun();
  EXPECT_EQ(PassLabel(), u"1 / 3");
  JudgeAnswer(true);
  JudgeAnswer(false);
  StartNextPass();
  EXPECT_EQ(PassLabel(), u"2 / 3");
  EXPECT_EQ(AktVersuche, 0);
  EXPECT_FLOAT_EQ(AktPunkte, 0.0f);
  EXPECT_EQ(Versuche, 2);
  EXPECT_FLOAT_EQ(Punkte, 1.0f);
  EXPECT_EQ(Versuch, 2);  // a pending second attempt is carried into the next pass
  StartPracticeRun();
  EXPECT_EQ(Versuche, 0);
  EXPECT_EQ(Versuch, 1);
  EXPECT_EQ(PassLabel(), u"1 / 3");
}

TEST(PracticeRun, VerdictsSetTheItemFlags) {
  Item right, second, shown, pending;
  ApplyVerdict(right, Verdict::RightFirst);
  ApplyVerdict(second, Verdict::RightSecond);
  ApplyVerdict(shown, Verdict::WrongSecond);
  ApplyVerdict(pending, Verdict::WrongFirst);
  EXPECT_TRUE(right.Richtig && !right.Gezeigt);
  EXPECT_TRUE(second.Richtig && !second.Gezeigt);
  EXPECT_TRUE(!shown.Richtig && shown.Gezeigt);
  EXPECT_TRUE(!pending.Richtig && !pending.Gezeigt);
  EXPECT_FALSE(IsFinal(Verdict::WrongFirst));
  EXPECT_TRUE(IsFinal(Verdict::WrongSecond));
}

TEST(PracticeRun, Messages) {
  EXPECT_EQ(FeedbackMessage(Verdict::RightFirst).text, u"Bravo, deine Eingabe ist richtig!");
  EXPECT_EQ(FeedbackMessage(Verdict::RightFirst).colour, MessageColour::Violet);
  EXPECT_EQ(FeedbackMessage(Verdict::RightSecond).text,
            u"Beim zweiten Versuch ist deine Eingabe richtig!");
  EXPECT_EQ(FeedbackMessage(Verdict::WrongFirst).text,
            u"Deine Eingabe ist leider falsch!\nÜberprüfe deine Eingabe und versuche es noch "
            u"einmal.");
  EXPECT_EQ(FeedbackMessage(Verdict::WrongFirst).colour, MessageColour::Rose);
  EXPECT_EQ(FeedbackMessage(Verdict::WrongSecond, u"–17").text,
            u"Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet –17\nVergleiche das "
            u"Ergebnis mit deiner Eingabe und überlege, warum du den Fehler begangen hast!");
  EXPECT_EQ(FeedbackMessage(Verdict::WrongSecond).text,
            u"Deine Eingabe ist leider wieder falsch!\nVergleiche das Ergebnis mit deiner "
            u"Eingabe und überlege, warum du den Fehler begangen hast!");
  EXPECT_EQ(MissingEntriesMessage(1), u"Es fehlt noch 1 Eintrag!");
  EXPECT_EQ(MissingEntriesMessage(3), u"Es fehlen noch 3 Einträge!");
  EXPECT_EQ(InstructionNumbers(),
            u"Gib die jeweiligen Zahlen ein.\nDrücke die Enter–Taste oder klicke mit der Maus "
            u"ins nächste Feld!");
}

}  // namespace
}  // namespace kalkora::practice
