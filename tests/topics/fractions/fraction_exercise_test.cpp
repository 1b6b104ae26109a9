// What the fraction exercise window asks the engine: captions, instructions, the keys of the
// answer fields, the expected texts and the verdicts, and the values of a domain answer.

#include "topics/fractions/fraction_exercise.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/random.h"
#include "base/selection.h"
#include "topics/fractions/domain_values.h"
#include "topics/fractions/fraction_exercise_items.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {
namespace {

constexpr ExerciseKind kAllKinds[] = {
    ExerciseKind::Domain,           ExerciseKind::Cancelling, ExerciseKind::Lcm,
    ExerciseKind::LikeDenominators, ExerciseKind::Multiply,   ExerciseKind::Divide,
    ExerciseKind::DivideByMonomial,
};

// The number of variants each entry point draws from, by kind and level.
int Variants(ExerciseKind kind, int level) {
  switch (kind) {
    case ExerciseKind::Domain: return 25;
    case ExerciseKind::Cancelling: return 12;
    case ExerciseKind::Lcm: return 9;
    case ExerciseKind::LikeDenominators:
    case ExerciseKind::DivideByMonomial: return 4;
    case ExerciseKind::Multiply:
    case ExerciseKind::Divide: return level == 1 ? 3 : level == 2 ? 1 : 5;
  }
  return 0;
}

TEST(FractionExercise, CaptionsByKindAndLevel) {
  const struct {
    ExerciseKind kind;
    int level;
    const char16_t* caption;
  } cases[] = {
      {ExerciseKind::Domain, 2, u"Übungsbeispiele: Bruchterme – Definitionsmenge"},
      {ExerciseKind::Cancelling, 1, u"Übungsbeispiele: Bruchterme – Kürzen"},
      {ExerciseKind::Lcm, 3,
       u"Übungsbeispiele: Bruchterme – kleinstes gemeinsames Vielfaches (kgV)"},
      {ExerciseKind::LikeDenominators, 1,
       u"Übungsbeispiele: Bruchterme – Addieren/Subrahieren mit gleichnamigem Nenner (Stufe 1)"},
      {ExerciseKind::LikeDenominators, 3,
       u"Übungsbeispiele: Bruchterme – Addieren/Subrahieren mit gleichnamigem Nenner (Stufe 3)"},
      {ExerciseKind::Multiply, 2, u"Übungsbeispiele: Bruchterme – Multiplizieren (Stufe 2)"},
      {ExerciseKind::Divide, 3, u"Übungsbeispiele: Bruchterme – Dividieren (Stufe 3)"},
      {ExerciseKind::DivideByMonomial, 3,
       u"Übungsbeispiele: Bruchterme – Dividieren durch eingliedrige Terme (Stufe 1)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Caption({c.kind, c.level}), c.caption) << Utf8FromText(c.caption);
  }
}

TEST(FractionExercise, InstructionsAndTheirChangedWording) {
  EXPECT_EQ(Instruction(ExerciseKind::Domain),
            u"Welche Werte (bei 2 Werten durch Beistrich trennen) darf die Variable nicht "
            u"annehmen?\nGib diese ein, drücke die Enter–Taste oder klicke mit der Maus ins "
            u"nächste Feld!");
  EXPECT_EQ(Instruction(ExerciseKind::Cancelling),
            u"Hebe im Zähler und Nenner heraus und gib den gekürzten Term ein.\nVerwende "
            u"Klammern, wenn nötig.\nDrücke die Schaltfläche \"Prüfen\", um dein Ergebnis zu "
            u"kontrollieren.");
  EXPECT_EQ(ChangeInstruction(ExerciseKind::Cancelling),
            u"Hebe im Zähler und Nenner heraus und gib den gekürzten Term ein.\nVerwende "
            u"Klammern, wenn nötig.\nDrücke die Schaltfläche \"Prüfen\" um dein Ergebnis zu "
            u"kontrollieren.");
  EXPECT_EQ(Instruction(ExerciseKind::Lcm),
            u"Zerlege die Terme in Faktoren, wenn nötig und ermittle das kgV.\nGib dieses ein, "
            u"drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!");
  EXPECT_EQ(Instruction(ExerciseKind::LikeDenominators),
            u"Addiere bzw. subtrahiere die Zähler.\nGib das Ergebnis ein, drücke die "
            u"Enter–Taste oder klicke mit der Maus ins nächste Feld!");
  const Text product =
      u"Hebe im Zähler und Nenner heraus, wenn möglich und gib den gekürzten Term ein "
      u"(Herausheben).\nDrücke die Schaltfläche \"Prüfen\", um dein Ergebnis zu kontrollieren.";
  EXPECT_EQ(Instruction(ExerciseKind::Multiply), product);
  EXPECT_EQ(Instruction(ExerciseKind::Divide), product);
  EXPECT_EQ(ChangeInstruction(ExerciseKind::Multiply),
            u"Hebe im Zähler und Nenner heraus und gib den gekürzten Term ein.\nDrücke die "
            u"Schaltfläche \"Prüfen\" um dein Ergebnis zu kontrollieren.");
  EXPECT_EQ(Instruction(ExerciseKind::DivideByMonomial),
            u"Ermittle das Ergebnis der Division und hebe heraus, wenn möglich.\nGib das "
            u"Ergebnis ein, drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!");
  // Only cancelling and multiplying change their wording.
  for (const ExerciseKind kind : kAllKinds) {
    if (kind == ExerciseKind::Cancelling || kind == ExerciseKind::Multiply) continue;
    EXPECT_EQ(ChangeInstruction(kind), Instruction(kind)) << KindNumber(kind);
  }
}

TEST(FractionExercise, TheSelectionChoosesKindAndLevel) {
  const struct {
    int kind;
    int level;
    ExerciseKind expectedKind;
    int expectedLevel;
  } cases[] = {
      {1, 1, ExerciseKind::Domain, 1},
      {5, 3, ExerciseKind::Multiply, 3},
      {6, 2, ExerciseKind::Divide, 2},
      {7, 3, ExerciseKind::DivideByMonomial, 3},
      {0, 0, ExerciseKind::Domain, 1},
      {8, 4, ExerciseKind::Domain, 1},
      {4, -1, ExerciseKind::LikeDenominators, 1},
  };
  for (const auto& c : cases) {
    selection::selFractionExercise = c.kind;
    selection::selLevel = c.level;
    const FractionExercise exercise = SelectedFractionExercise();
    EXPECT_EQ(exercise.kind, c.expectedKind) << c.kind;
    EXPECT_EQ(exercise.level, c.expectedLevel) << c.level;
  }
  selection::ResetSelection();
}

TEST(FractionExercise, FractionAnswersHaveTwoFields) {
  for (const ExerciseKind kind : kAllKinds) {
    const bool fraction = kind == ExerciseKind::Cancelling || kind == ExerciseKind::Multiply ||
                          kind == ExerciseKind::Divide;
    EXPECT_EQ(HasFractionAnswer(kind), fraction) << KindNumber(kind);
    EXPECT_EQ(AnswerFieldCount(kind), fraction ? 2 : 1) << KindNumber(kind);
  }
}

// The keys by kind, level and variant, for an item with the letters a, b, c, d.
TEST(FractionExercise, AcceptedKeysByKindLevelAndVariant) {
  const struct {
    ExerciseKind kind;
    int level;
    int variant;
    const char16_t* keys;  // besides the digits
  } cases[] = {
      {ExerciseKind::Domain, 1, 1, u"/–"},
      {ExerciseKind::Domain, 1, 13, u"/–b"},
      {ExerciseKind::Domain, 1, 24, u"/–,"},
      {ExerciseKind::Cancelling, 1, 1, u"a/+^–"},
      {ExerciseKind::Cancelling, 1, 4, u"ab/+^–"},
      {ExerciseKind::Cancelling, 1, 8, u"a/+^–()"},
      {ExerciseKind::Lcm, 1, 2, u"ab^"},
      {ExerciseKind::Lcm, 1, 6, u"ab()+–"},
      {ExerciseKind::Lcm, 1, 9, u"ab()+–^"},
      {ExerciseKind::Lcm, 1, 4, u"ab()+–^"},  // as variant 9, not every key
      {ExerciseKind::LikeDenominators, 2, 3, u"–"},
      {ExerciseKind::LikeDenominators, 3, 4, u"abc+–"},
      {ExerciseKind::Multiply, 1, 1, u"ab"},
      {ExerciseKind::Multiply, 1, 2, u"abcd"},
      {ExerciseKind::Divide, 1, 3, u"ab^"},
      {ExerciseKind::Divide, 2, 2, u"a()+–"},
      {ExerciseKind::Multiply, 3, 2, u"a()+–"},
      {ExerciseKind::Divide, 3, 5, u"ab()+–"},
      {ExerciseKind::DivideByMonomial, 1, 2, u"a+–^()"},
  };
  for (const auto& c : cases) {
    TBruchM item;
    item.Var1 = u'a';
    item.Var2 = u'b';
    item.Var3 = u'c';
    item.Var4 = u'd';
    item.Variante = c.variant;
    const Text keys = AcceptedKeys({c.kind, c.level}, item);
    const std::set<char16_t> got(keys.begin(), keys.end());
    std::set<char16_t> expected(c.keys, c.keys + Text(c.keys).size());
    for (char16_t d = u'0'; d <= u'9'; ++d) expected.insert(d);
    EXPECT_EQ(got, expected) << "kind " << KindNumber(c.kind) << " level " << c.level << " variant "
                             << c.variant << ": " << Utf8FromText(keys);
  }
}

// Over many items of every kind and level, every variant is reached, every character the
// fields expect can be typed (a typed "-" arrives as "–"), and the expected texts are judged
// right while the texts with one character more are not.
TEST(FractionExercise, EveryExpectedAnswerCanBeTypedAndIsRight) {
  for (const ExerciseKind kind : kAllKinds) {
    for (int level = 1; level <= 3; ++level) {
      SCOPED_TRACE(testing::Message() << "kind " << KindNumber(kind) << " level " << level);
      SetRandomSeed(4100 + 10 * KindNumber(kind) + level);
      std::set<int> variants;
      for (int n = 0; n < 2000; ++n) {
        const int index = n % 3 + 1;
        PrepareExerciseItem(KindNumber(kind), level, index);
        const TBruchM& item = Bruch[static_cast<std::size_t>(index)];
        variants.insert(item.Variante);
        const Text keys = AcceptedKeys({kind, level}, item);
        const std::vector<Text> expected = ExpectedFieldTexts(kind, item);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(AnswerFieldCount(kind)));
        for (const Text& text : expected) {
          ASSERT_FALSE(text.empty()) << Utf8FromText(item.Loesung);
          for (const char16_t c : text) {
            ASSERT_NE(keys.find(c), Text::npos)
                << "variant " << item.Variante << ": " << Utf8FromText(Text(1, c)) << " of "
                << Utf8FromText(text) << " not in " << Utf8FromText(keys);
          }
        }
        ASSERT_TRUE(IsRightAnswer(kind, item, expected)) << Utf8FromText(item.Loesung);
        std::vector<Text> longer = expected;
        longer.back() += u'1';
        ASSERT_FALSE(IsRightAnswer(kind, item, longer)) << Utf8FromText(item.Loesung);
      }
      EXPECT_EQ(static_cast<int>(variants.size()), Variants(kind, level));
    }
  }
}

TEST(FractionExercise, VerdictsOnTypedTexts) {
  TBruchM domain;
  domain.Loesung = u"0,–1";
  TBruchM unlike;
  unlike.Loesung = u"–3,7";
  TBruchM cancelled;
  cancelled.Loesung = u"x^3/1";
  cancelled.Antwort = u"x^3/1";
  TBruchM lcm;
  lcm.Loesung = u"12·(x + 3)";
  const struct {
    ExerciseKind kind;
    const TBruchM* item;
    std::vector<Text> typed;
    bool right;
  } cases[] = {
      {ExerciseKind::Domain, &domain, {u"0,–1"}, true},
      {ExerciseKind::Domain, &domain, {u"–1,0"}, true},
      {ExerciseKind::Domain, &domain, {u"0,1"}, false},
      {ExerciseKind::Domain, &unlike, {u"–3,7"}, true},
      {ExerciseKind::Domain, &unlike, {u"7,–3"}, true},
      {ExerciseKind::Domain, &unlike, {u"7,3"}, false},
      {ExerciseKind::Cancelling, &cancelled, {u"x^3", u"1"}, true},
      {ExerciseKind::Cancelling, &cancelled, {u"x^3", u""}, false},
      {ExerciseKind::Cancelling, &cancelled, {u"x^3/1"}, false},  // too few fields
      {ExerciseKind::Lcm, &lcm, {u"12(x+3)"}, true},
      {ExerciseKind::Lcm, &lcm, {u"12(3+x)"}, false},
      {ExerciseKind::Lcm, &lcm, {}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsRightAnswer(c.kind, *c.item, c.typed), c.right)
        << Utf8FromText(c.item->Loesung) << " / "
        << (c.typed.empty() ? std::string("(none)") : Utf8FromText(c.typed[0]));
  }
  EXPECT_EQ(ExpectedFieldTexts(ExerciseKind::Cancelling, cancelled),
            (std::vector<Text>{u"x^3", u"1"}));
  EXPECT_EQ(ExpectedFieldTexts(ExerciseKind::Lcm, lcm), (std::vector<Text>{u"12(x+3)"}));
}

TEST(FractionExercise, TheQuotedSolutionJoinsTwoDigitExponents) {
  TBruchM item;
  item.Loesung = u"3·x^1^2/4";
  EXPECT_EQ(SolutionText(item), u"3·x^12/4");
}

// Dividing shows the second fraction upside down after ":"; the solution stays the product's.
TEST(FractionExercise, TaskTextsOfTheRows) {
  TBruchM item;
  item.Text[1] = u"2·x";
  item.Text[5] = u"3·y";
  item.Text[2] = u"5·x + 1";
  item.Text[6] = u"7";
  item.Op1 = u'·';
  const SecondFraction times = SecondFactor(ExerciseKind::Multiply, item);
  EXPECT_EQ(times.op, u"·");
  EXPECT_EQ(times.numerator, u"5·x + 1");
  EXPECT_EQ(times.denominator, u"7");
  const SecondFraction divided = SecondFactor(ExerciseKind::Divide, item);
  EXPECT_EQ(divided.op, u":");
  EXPECT_EQ(divided.numerator, u"7");
  EXPECT_EQ(divided.denominator, u"5·x + 1");

  item.Text[1] = u"6·x^5 – 4·x^3";
  item.Text[5] = u"2·x^2";
  EXPECT_EQ(MonomialDivisionTask(item), u"(6·x^5 – 4·x^3) : 2·x^2 = ");
}

TEST(DomainValues, SplitsAnyTypedText) {
  const struct {
    const char16_t* text;
    std::vector<std::vector<Text>> values;  // minus ("–" or ""), numerator, denominator
  } cases[] = {
      {u"0,–1", {{u"", u"0", u""}, {u"", u"–1", u""}}},
      {u"–5/3", {{u"–", u"5", u"3"}}},
      {u"0,–5y/3", {{u"", u"0", u""}, {u"–", u"5y", u"3"}}},
      {u"1/2/3", {{u"", u"1", u"2/3"}}},
      {u"/", {{u"", u"/", u""}}},
      {u"5/", {{u"", u"5/", u""}}},
      {u"–/3", {{u"", u"–/3", u""}}},
      {u"", {{u"", u"", u""}}},
      {u",", {{u"", u"", u""}, {u"", u"", u""}}},
      {u"1,2,3", {{u"", u"1", u""}, {u"", u"2", u""}, {u"", u"3", u""}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.text));
    const std::vector<DomainValue> values = DomainValues(c.text);
    ASSERT_EQ(values.size(), c.values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
      EXPECT_EQ(values[i].minus, c.values[i][0] == u"–");
      EXPECT_EQ(values[i].numerator, c.values[i][1]);
      EXPECT_EQ(values[i].denominator, c.values[i][2]);
      EXPECT_EQ(values[i].isFraction(), !c.values[i][2].empty());
    }
  }
}

}  // namespace
}  // namespace kalkora::fractions
