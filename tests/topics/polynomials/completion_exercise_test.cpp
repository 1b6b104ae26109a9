// What the completion exercise decides without its window: texts, the check of a row, the line
// shown after two wrong checks and the keys its fields accept. The items are written from
// chosen values, so every expected text below is the exercise's own example.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "topics/polynomials/completion_exercise.h"
#include "topics/polynomials/completion_generators.h"
#include "topics/polynomials/completion_record.h"

namespace kalkora::completion_exercise {
namespace {

// ‹(8·t + #9#)^2 = 64·t^2 + #144·t# + 81›
TErgaenzen TwoGaps() {
  TErgaenzen item;
  WriteErgaenzen(item, 1, 1, {u't', 0, 8, 9, 1, 1});
  return item;
}

// ‹(#3·c# + #2·e#)^2 = 9·c^2 + 12·c·e + #4·e^2#›
TErgaenzen ThreeGaps() {
  TErgaenzen item;
  WriteErgaenzen(item, 2, 9, {u'c', u'e', 3, 2, 1, 1});
  return item;
}

GapTexts Typed(std::vector<const char16_t*> texts) {
  GapTexts typed;
  for (std::size_t k = 0; k < texts.size(); ++k) typed[k + 1] = texts[k];
  return typed;
}

TEST(CompletionTextsTest, CaptionsAndInstructions) {
  EXPECT_EQ(Utf8FromText(Caption(1)), "Übungsbeispiele: Polynome ergänzen (Stufe 1)");
  EXPECT_EQ(Utf8FromText(Caption(2)), "Übungsbeispiele: Polynome ergänzen (Stufe 2)");
  EXPECT_EQ(Utf8FromText(Caption(3)), "Übungsbeispiele: Polynome ergänzen (Stufe 3)");
  EXPECT_EQ(Utf8FromText(InstructionAtStart()),
            "Gib den jeweiligen Term ohne Multiplikationszeichen ein und Drücke die Prüfen–Taste");
  EXPECT_EQ(Utf8FromText(InstructionWhileTyping()),
            "Gib den jeweiligen Term ohne Multiplikationszeichen ein\n"
            "Drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!");
}

TEST(CompletionCheckTest, EmptyGaps) {
  struct Case {
    bool threeGaps;
    std::vector<const char16_t*> typed;
    const char* message;
    int first;
  };
  const Case cases[] = {
      {false, {u"9", u"144t"}, "", 0},
      {false, {u"", u"144t"}, "Es fehlt noch ein Eintrag!", 1},
      {false, {u"9", u""}, "Es fehlt noch ein Eintrag!", 2},
      {false, {u"", u""}, "Es fehlen die Einträge!", 1},
      {true, {u"3c", u"2e", u"4e^2"}, "", 0},
      {true, {u"3c", u"", u"4e^2"}, "Es fehlt noch ein Eintrag!", 2},
      {true, {u"", u"2e", u""}, "Es fehlen noch zwei Einträge!", 1},  // only the middle one
      {true, {u"3c", u"", u""}, "Es fehlen noch zwei Einträge!", 2},
      {true, {u"", u"", u""}, "Es fehlen die Einträge!", 1},
  };
  for (const Case& c : cases) {
    const TErgaenzen item = c.threeGaps ? ThreeGaps() : TwoGaps();
    const EmptyGaps empty = FindEmptyGaps(item, Typed(c.typed));
    EXPECT_EQ(Utf8FromText(empty.message), c.message);
    EXPECT_EQ(empty.first, c.first);
  }
}

TEST(CompletionCheckTest, RowIsJudgedAsAWhole) {
  struct Case {
    std::vector<const char16_t*> typed;
    bool right;
  };
  const Case cases[] = {
      {{u"9", u"144t"}, true},        {{u"9", u"144·t"}, true},  // blanks and "·" do not count
      {{u" 9", u"144 · t"}, true},    {{u"9", u"t144"}, false},  // the order of the factors does
      {{u"9", u"145t"}, false},  // one wrong gap makes the row wrong
      {{u"8", u"144t"}, false},       {{u"9", u""}, false},
      {{u"9", u"144t", u"81"}, true},  // a text past the item's gaps is not read
  };
  const TErgaenzen item = TwoGaps();
  for (const Case& c : cases) {
    EXPECT_EQ(RowRight(item, Typed(c.typed)), c.right)
        << Utf8FromText(c.typed[0]) << " | " << Utf8FromText(c.typed[1]);
  }
  EXPECT_FALSE(GapRight(item, 0, u"9"));
  EXPECT_FALSE(GapRight(item, 3, u""));
}

TEST(CompletionCheckTest, MinusMustBeTheDisplayMinus) {
  TErgaenzen item;
  WriteErgaenzen(item, 2, 15, {u'r', u'y', 10, 11, 1, 1});
  EXPECT_TRUE(RowRight(item, Typed({u"10r–11y", u"100r^2"})));
  EXPECT_FALSE(RowRight(item, Typed({u"10r-11y", u"100r^2"})));
}

TEST(CompletionCheckTest, SolutionQuotedAfterTheSecondWrongCheck) {
  EXPECT_EQ(Utf8FromText(SolutionText(TwoGaps())), "(8·t + 9)^2 = 64·t^2 + 144·t + 81");
}

TEST(CompletionCheckTest, ShownRowMarksRightAndWrongGaps) {
  struct Case {
    std::vector<const char16_t*> typed;
    const char16_t* markup;
    bool everyGapWrong;
  };
  const Case cases[] = {
      {{u"9", u"145t"}, u"(8·t + ~9~)^2 = 64·t^2 + #145t# + 81", false},
      {{u"7", u"144t"}, u"(8·t + #7#)^2 = 64·t^2 + ~144·t~ + 81", false},
      {{u"8", u"145t"}, u"(8·t + #8#)^2 = 64·t^2 + #145t# + 81", true},
      // The learner's exponents are raised digit by digit; a caret at the end raises nothing
      // (it would raise the closing mark's neighbour), and the gap stays wrong.
      {{u"9", u"144t^12"}, u"(8·t + ~9~)^2 = 64·t^2 + #144t^1^2# + 81", false},
      {{u"9", u"144t^"}, u"(8·t + ~9~)^2 = 64·t^2 + #144t# + 81", false},
  };
  for (const Case& c : cases) {
    const ShownRow row = ShownRowOf(TwoGaps(), Typed(c.typed));
    EXPECT_EQ(Utf8FromText(row.markup), Utf8FromText(c.markup));
    EXPECT_EQ(row.everyGapWrong, c.everyGapWrong);
  }
  const ShownRow three = ShownRowOf(ThreeGaps(), Typed({u"3c", u"2", u"4e^3"}));
  EXPECT_EQ(Utf8FromText(three.markup), Utf8FromText(u"(~3·c~ + #2#)^2 = 9·c^2 + 12·c·e + #4e^3#"));
  EXPECT_FALSE(three.everyGapWrong);
}

TEST(CompletionCheckTest, GapsAsTheLearnerTypesThem) {
  TErgaenzen item;
  WriteErgaenzen(item, 3, 18, {u'u', u'v', 4, 5, 2, 3});  // ‹… = #16·u^4 – 25·v^6#›
  EXPECT_EQ(Utf8FromText(TypedGap(item, 1)), "4u^2");
  EXPECT_EQ(Utf8FromText(TypedGap(item, 2)), "5v^3");
  EXPECT_EQ(Utf8FromText(TypedGap(item, 3)), "16u^4–25v^6");
  EXPECT_EQ(Utf8FromText(TypedGap(item, 4)), "");
  EXPECT_EQ(Utf8FromText(TypedGap(TwoGaps(), 2)), "144t");
  EXPECT_TRUE(RowRight(item, Typed({u"4u^2", u"5v^3", u"16u^4–25v^6"})));
}

TEST(CompletionKeysTest, LettersDigitsCaretAndMinusOnlyWhereAGapHoldsOne) {
  EXPECT_EQ(Utf8FromText(AcceptedKeys(TwoGaps())), "t0123456789^");
  EXPECT_EQ(Utf8FromText(AcceptedKeys(ThreeGaps())), "ce0123456789^");
  TErgaenzen item;
  WriteErgaenzen(item, 3, 18, {u'u', u'v', 4, 5, 2, 3});  // ‹… = #16·u^4 – 25·v^6#›
  EXPECT_EQ(Utf8FromText(AcceptedKeys(item)), "uv0123456789^–");
}

TEST(CompletionKeysTest, AStufe1ItemDoesNotKeepAnEarlierSecondLetter) {
  TErgaenzen item;
  WriteErgaenzen(item, 2, 1, {u'c', u'e', 3, 2, 1, 1});
  WriteErgaenzen(item, 1, 1, {u't', u'e', 8, 9, 1, 1});
  EXPECT_EQ(item.Var2, 0);
  EXPECT_EQ(AcceptedKeys(item).find(u'e'), Text::npos);
}

}  // namespace
}  // namespace kalkora::completion_exercise
