#include "topics/fractions/unlike_denominators_stages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/random.h"
#include "generator_checks.h"
#include "practice/practice_run.h"
#include "topics/fractions/fraction_record.h"
#include "topics/fractions/unlike_denominators_generators.h"
#include "topics/fractions/unlike_denominators_texts.h"
#include "unlike_checks.h"

namespace kalkora::fractions {
namespace {

// An item of the level's variant with letters x, y, z and the given expected texts.
TBruchM HandItem(int variante, int anzahl) {
  TBruchM item;
  item.Variante = variante;
  item.Anzahl = anzahl;
  item.Kenn[3] = true;
  item.Var1 = u'x';
  item.Var2 = u'y';
  item.Var3 = u'z';
  return item;
}

void SetExpected(TBruchM& item, int field, TextView text) {
  TUngleich& u = item.Ungleich;
  const auto at = [](int i) { return static_cast<std::size_t>(i); };
  switch (FieldStage(field)) {
    case kStageFactorise: u.Zerlegung[at(field)] = text; break;
    case kStageMainDenominator: u.HN = text; break;
    case kStageFactors: u.Faktor[at(field - 4)] = text; break;
    case kStageNumerators: u.NeuZaehler[at(field - 7)] = text; break;
    default:
      if (field == 12) {
        item.Kenn[1] = true;
        u.GekNenner = text;
      } else if (item.Kenn[1]) {
        u.GekZaehler = text;
      } else {
        u.Ergebnis = text;
      }
  }
}

// The learner's texts of a stage with `typed` in the given field and the others empty.
std::vector<Text> TypedIn(const TBruchM& item, int field, TextView typed) {
  const int stage = FieldStage(field);
  const std::vector<int> fields = StageFields(item, stage);
  std::vector<Text> texts(fields.size());
  const auto position = std::find(fields.begin(), fields.end(), field) - fields.begin();
  texts[static_cast<std::size_t>(position)] = typed;
  return texts;
}

FieldCheck CheckField(const TBruchM& item, int level, int field, TextView typed) {
  const StageCheck check = CheckStage(item, level, FieldStage(field), TypedIn(item, field, typed));
  for (const FieldCheck& f : check.fields) {
    if (f.field == field) return f;
  }
  ADD_FAILURE() << "field " << field << " not in its stage";
  return {};
}

struct CheckCase {
  const char* what;
  int level;
  int variante;
  int field;
  const char16_t* expected;
  const char16_t* typed;
  bool right;
};

TEST(CheckStage, ToleratesOtherOrdersButNoOtherSign) {
  const CheckCase cases[] = {
      // Stage 1: the factorised denominators.
      {"as expected", 2, 1, 1, u"3·(x + 2)", u"3(x+2)", true},
      {"a sign changed", 2, 1, 2, u"3·(x + 2)", u"3(x–2)", false},
      {"one bracket: no other order", 1, 3, 1, u"x·(x + 1)", u"x(x–1)", false},
      {"brackets exchanged", 2, 1, 1, u"5·(x – 3)·(x + 3)", u"5(x+3)(x–3)", true},
      {"both signs plus", 2, 1, 1, u"5·(x – 3)·(x + 3)", u"5(x+3)(x+3)", false},
      {"both signs minus", 2, 1, 1, u"5·(x – 3)·(x + 3)", u"5(x–3)(x–3)", false},
      {"brackets without number", 1, 4, 3, u"(x – 1)·(x + 1)", u"(x+1)(x–1)", true},
      {"letters exchanged", 3, 3, 3, u"7·x·y", u"7yx", true},
      {"number not first", 2, 1, 1, u"5·(x – 3)·(x + 3)", u"(x–3)(x+3)5", false},
      {"power notation", 1, 1, 1, u"2^2·3·x", u"2^2·3·x", true},
      {"power notation needs its dots", 1, 1, 1, u"2^2·3·x", u"2^23x", false},
      {"power notation, not the product", 1, 2, 2, u"2^2·3·x", u"2·2·3·x", false},
      {"power notation, primes ascending", 1, 1, 1, u"2^2·3·x", u"3·2^2·x", false},
      // Stage 2: the main denominator.
      {"as expected", 2, 3, 4, u"6·(2·x – 3)·(7·x + 5)", u"6(2x–3)(7x+5)", true},
      {"brackets exchanged", 2, 3, 4, u"6·(2·x – 3)·(7·x + 5)", u"6(7x+5)(2x–3)", true},
      {"signs exchanged, not a ± pair", 2, 3, 4, u"6·(2·x – 3)·(7·x + 5)", u"6(2x+3)(7x–5)", false},
      {"± pair exchanged", 2, 1, 4, u"18·(x – 2)·(x + 2)", u"18(x+2)(x–2)", true},
      {"letters before the bracket exchanged", 3, 3, 4, u"8·x·y·(y – x)", u"8yx(y–x)", true},
      {"bracket turned round", 3, 3, 4, u"8·x·y·(y – x)", u"8xy(x–y)", false},
      {"number last", 3, 3, 4, u"8·x·y·(y – x)", u"xy(y–x)8", false},
      {"no number", 1, 3, 4, u"x·(x + 1)·(x – 1)", u"x(x–1)(x+1)", true},
      {"monomial", 1, 1, 4, u"12·x", u"12x", true},
      {"monomial, number after", 1, 1, 4, u"12·x", u"x12", false},
      // Stage 3: the extension factors.
      {"factor with number 1", 2, 2, 5, u"1·(x + 4)", u"1(x+4)", true},
      {"number 1 left out", 2, 2, 6, u"1·(x + 4)", u"(x+4)", true},
      {"number 1 and brackets left out", 2, 2, 7, u"1·(x + 4)", u"x+4", true},
      {"number 1 left out, sign changed", 2, 2, 5, u"1·(x + 4)", u"(x–4)", false},
      {"letter with number 1", 3, 2, 7, u"1·x", u"x", true},
      {"lone bracket without brackets", 3, 3, 7, u"(x – y)", u"x–y", true},
      {"factor with number", 2, 1, 6, u"3·(x – 2)", u"3(x–2)", true},
      {"brackets are needed after a number", 2, 1, 6, u"3·(x – 2)", u"3x–2", false},
      {"number 3 is not 1", 2, 1, 6, u"3·(x – 2)", u"(x–2)", false},
      {"Stufe 1 bracket", 1, 3, 5, u"x – 1", u"x–1", true},
      // Stage 4 and 5: as written.
      {"extended numerator", 2, 3, 8, u"42·x^2 + 86·x + 40", u"42x^2+86x+40", true},
      {"extended numerator reordered", 2, 3, 8, u"42·x^2 + 86·x + 40", u"86x+42x^2+40", false},
      {"result numerator", 2, 2, 11, u"2·x + 12", u"2x+12", true},
      {"result numerator, sign changed", 2, 2, 11, u"2·x + 12", u"2x–12", false},
      {"cancelled denominator reordered", 2, 2, 12, u"3·(x – 2)·(x + 2)", u"3(x+2)(x–2)", true},
      {"cancelled denominator, sign changed", 2, 2, 12, u"3·(x – 2)·(x + 2)", u"3(x+2)(x+2)",
       false},
      {"empty", 2, 2, 11, u"2·x + 12", u"", false},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.what << ": " << Utf8FromText(c.typed) << " for " << Utf8FromText(c.expected));
    TBruchM item = HandItem(c.variante, 3);
    SetExpected(item, c.field, c.expected);
    const FieldCheck check = CheckField(item, c.level, c.field, c.typed);
    EXPECT_EQ(check.right, c.right);
    if (!c.right) EXPECT_EQ(check.expected, c.expected) << "a wrong field shows the stored text";
  }
}

struct AdoptCase {
  const char* what;
  int field;
  const char16_t* hn;
  const char16_t* gekNenner;  // empty: the result is not cancelled
  const char16_t* typed;
  const char16_t* expectedHn;
  const char16_t* expectedGekNenner;
};

TEST(AdoptLearnerOrder, LaterStagesAndTheTableUseTheLearnersOrder) {
  const AdoptCase cases[] = {
      {"main denominator with a cancelled result", 4, u"18·(x – 2)·(x + 2)", u"3·(x – 2)·(x + 2)",
       u"18(x+2)(x–2)", u"18·(x + 2)·(x – 2)", u"3·(x + 2)·(x – 2)"},
      {"letters exchanged", 4, u"8·x·y·(y – x)", u"4·x·y·(y – x)", u"8yx(y–x)", u"8·y·x·(y – x)",
       u"4·y·x·(y – x)"},
      {"no number, not cancelled", 4, u"x·(x + 1)·(x – 1)", u"", u"x(x–1)(x+1)",
       u"x·(x – 1)·(x + 1)", u""},
      {"cancelled denominator alone", 12, u"18·(x – 2)·(x + 2)", u"3·(x – 2)·(x + 2)",
       u"3(x+2)(x–2)", u"18·(x – 2)·(x + 2)", u"3·(x + 2)·(x – 2)"},
      {"a wrong answer changes nothing", 4, u"18·(x – 2)·(x + 2)", u"3·(x – 2)·(x + 2)",
       u"18(x+2)(x+2)", u"18·(x – 2)·(x + 2)", u"3·(x – 2)·(x + 2)"},
  };
  for (const AdoptCase& c : cases) {
    SCOPED_TRACE(c.what);
    TBruchM item = HandItem(1, 2);
    item.Ungleich.HN = c.hn;
    item.Ungleich.GekNenner = c.gekNenner;
    item.Kenn[1] = !item.Ungleich.GekNenner.empty();
    AdoptLearnerOrder(item,
                      CheckStage(item, 2, FieldStage(c.field), TypedIn(item, c.field, c.typed)));
    EXPECT_EQ(item.Ungleich.HN, c.expectedHn);
    EXPECT_EQ(item.Ungleich.GekNenner, c.expectedGekNenner);
  }
}

TEST(AdoptLearnerOrder, FactorisedDenominatorTakesTheLearnersOrder) {
  TBruchM item = HandItem(1, 2);
  item.Ungleich.Zerlegung[1] = u"5·(x – 3)·(x + 3)";
  item.Ungleich.Zerlegung[2] = u"5·(x + 3)";
  const StageCheck check = CheckStage(item, 2, kStageFactorise, {u"5(x+3)(x–3)", u"5(x–3)"});
  EXPECT_FALSE(check.right());
  AdoptLearnerOrder(item, check);
  EXPECT_EQ(item.Ungleich.Zerlegung[1], u"5·(x + 3)·(x – 3)");
  EXPECT_EQ(item.Ungleich.Zerlegung[2], u"5·(x + 3)");
}

// The learner's form of an expected text: no blanks, no "·" (except in the power notation).
Text Typed(TextView expected, bool keepDots) {
  Text typed;
  for (char16_t ch : expected) {
    if (ch == u' ' || (ch == u'·' && !keepDots)) continue;
    typed += ch;
  }
  return typed;
}

// The first "+" made "–" or the other way round; empty when the text has no sign.
Text OneSignChanged(TextView text) {
  Text changed{text};
  for (char16_t& ch : changed) {
    if (ch == u'+' || ch == u'–') {
      ch = ch == u'+' ? u'–' : u'+';
      return changed;
    }
  }
  return {};
}

// Every generated item: the expected texts, typed as a learner types them, pass their key
// filters and are right; with one sign changed they are wrong; with the brackets of a
// product exchanged they are right and the item takes that order.
TEST(CheckStage, GeneratedItemsAcceptTheirOwnAnswersAndRefuseNearMisses) {
  for (int g = 0; g < test::kUnlikeGeneratorCount; ++g) {
    const test::UnlikeGenerator& generator = test::UnlikeGenerators()[g];
    test::ForManyUnlikeItems(generator, 1901 + g, [&](const TBruchM& generated) {
      TBruchM item = generated;
      const int level = generator.level;
      for (int stage = kStageFactorise; stage <= kStageResult; ++stage) {
        const bool keepDots = level == 1 && item.Variante <= 2 && stage == kStageFactorise;
        std::vector<Text> typed;
        for (int field : StageFields(item, stage)) {
          const Text text = Typed(ExpectedFieldText(item, field), keepDots);
          ASSERT_FALSE(text.empty()) << "field " << field;
          EXPECT_EQ(TypedFieldText(item, level, field), text);
          const FieldKeys keys = KeysOfField(item, level, field);
          for (char16_t ch : text) {
            EXPECT_NE(keys.accepted.find(ch), Text::npos)
                << "field " << field << " refuses " << Utf8FromText(Text(1, ch));
          }
          EXPECT_EQ(keys.starAsDot, keepDots);
          typed.push_back(text);
        }
        EXPECT_TRUE(CheckStage(item, level, stage, typed).right()) << "stage " << stage;
        for (std::size_t k = 0; k < typed.size(); ++k) {
          std::vector<Text> nearMiss = typed;
          nearMiss[k] = OneSignChanged(typed[k]);
          if (nearMiss[k].empty()) continue;
          EXPECT_FALSE(CheckStage(item, level, stage, nearMiss).right())
              << "stage " << stage << ": " << Utf8FromText(nearMiss[k]);
        }
      }
      // The main denominator with its last two brackets exchanged.
      const Text hn = item.Ungleich.HN;
      const auto last = hn.rfind(u"·(");
      const auto before = last == Text::npos ? Text::npos : hn.rfind(u"·(", last - 1);
      if (before == Text::npos) return;
      const Text exchanged =
          hn.substr(0, before) + hn.substr(last) + hn.substr(before, last - before);
      const StageCheck check =
          CheckStage(item, level, kStageMainDenominator, {Typed(exchanged, false)});
      ASSERT_TRUE(check.right()) << Utf8FromText(exchanged);
      AdoptLearnerOrder(item, check);
      EXPECT_EQ(item.Ungleich.HN, exchanged);
      if (item.Kenn[1]) {
        const Text& gek = item.Ungleich.GekNenner;
        EXPECT_EQ(gek.substr(gek.find(u'·')), exchanged.substr(exchanged.find(u'·')));
        EXPECT_TRUE(CheckStage(item, level, kStageResult,
                               {Typed(item.Ungleich.GekZaehler, false), Typed(gek, false)})
                        .right());
      }
    });
  }
}

TEST(StageFields, FollowTheItem) {
  TBruchM item = HandItem(1, 2);
  EXPECT_EQ(StageFields(item, kStageFactorise), (std::vector<int>{1, 2}));
  EXPECT_EQ(StageFields(item, kStageMainDenominator), (std::vector<int>{4}));
  EXPECT_EQ(StageFields(item, kStageFactors), (std::vector<int>{5, 6}));
  EXPECT_EQ(StageFields(item, kStageNumerators), (std::vector<int>{8, 9}));
  EXPECT_EQ(StageFields(item, kStageResult), (std::vector<int>{11}));
  EXPECT_TRUE(StageFields(item, kItemFinished).empty());
  item.Anzahl = 3;
  item.Kenn[1] = true;
  EXPECT_EQ(StageFields(item, kStageFactorise), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(StageFields(item, kStageNumerators), (std::vector<int>{8, 9, 10}));
  EXPECT_EQ(StageFields(item, kStageResult), (std::vector<int>{11, 12}));
  EXPECT_EQ(FirstStage(item), kStageFactorise);
  item.Kenn[3] = false;
  EXPECT_EQ(FirstStage(item), kStageMainDenominator);
}

// The learner's texts of a stage: the expected ones, or `wrong` in every field.
std::vector<Text> Answers(const TBruchM& item, int level, int stage, TextView wrong = {}) {
  std::vector<Text> texts;
  const bool keepDots = level == 1 && item.Variante <= 2 && stage == kStageFactorise;
  for (int field : StageFields(item, stage)) {
    texts.push_back(wrong.empty() ? Typed(ExpectedFieldText(item, field), keepDots) : Text{wrong});
  }
  return texts;
}

class JudgeStageTest : public testing::Test {
 protected:
  void SetUp() override {
    SetRandomSeed(77);
    practice::StartPracticeRun();
    stage_ = PrepareUnlikeItem(1);
  }
  void TearDown() override { ClearFixedRandomSeed(); }

  TBruchM& item() { return Bruch[1]; }
  int stage_ = 0;
};

TEST_F(JudgeStageTest, RightStagesOpenOneAfterAnotherUntilTheItemIsFinished) {
  EXPECT_EQ(stage_, kStageFactorise);
  EXPECT_TRUE(item().Aktiv);
  for (int stage = kStageFactorise; stage <= kStageResult; ++stage) {
    const StageOutcome outcome = JudgeStage(item(), 1, stage, Answers(item(), 1, stage));
    ASSERT_TRUE(outcome.judged);
    EXPECT_EQ(outcome.verdict, practice::Verdict::RightFirst);
    EXPECT_EQ(outcome.message.text, u"Bravo, deine Eingabe ist richtig!");
    EXPECT_EQ(outcome.nextStage, stage + 1);
    EXPECT_TRUE(item().SchrittRichtig[static_cast<std::size_t>(stage)]);
  }
  EXPECT_EQ(practice::AktVersuche, 5);
  EXPECT_FLOAT_EQ(practice::AktPunkte, 5.0f);
}

TEST_F(JudgeStageTest, SecondWrongAnswerOpensTheNextStage) {
  JudgeStage(item(), 1, kStageFactorise, Answers(item(), 1, kStageFactorise));
  const StageOutcome first = JudgeStage(item(), 1, kStageMainDenominator, {u"7"});
  EXPECT_EQ(first.verdict, practice::Verdict::WrongFirst);
  EXPECT_EQ(first.nextStage, kStageMainDenominator);
  EXPECT_EQ(practice::Versuch, 2);
  const StageOutcome second = JudgeStage(item(), 1, kStageMainDenominator, {u"7"});
  EXPECT_EQ(second.verdict, practice::Verdict::WrongSecond);
  EXPECT_EQ(second.nextStage, kStageFactors);
  EXPECT_EQ(second.message.text,
            u"Deine Eingabe ist leider wieder falsch!\nVergleiche das Ergebnis mit deiner Eingabe "
            u"und überlege, warum du den Fehler begangen hast!");
  ASSERT_EQ(second.check.fields.size(), 1u);
  EXPECT_EQ(second.check.fields[0].expected, item().Ungleich.HN);
  EXPECT_TRUE(item().SchrittGezeigt[2]);
  EXPECT_FALSE(item().SchrittRichtig[2]);
  EXPECT_EQ(practice::Versuch, 1);
  EXPECT_FLOAT_EQ(practice::AktPunkte, 1.0f);
}

TEST_F(JudgeStageTest, EmptyFieldIsNotJudged) {
  std::vector<Text> typed = Answers(item(), 1, kStageFactorise);
  typed.back().clear();
  const StageOutcome outcome = JudgeStage(item(), 1, kStageFactorise, typed);
  EXPECT_FALSE(outcome.judged);
  EXPECT_EQ(outcome.emptyField, static_cast<int>(typed.size()));
  EXPECT_EQ(outcome.message.text, u"Die Eingabefelder dürfen nicht leer sein!");
  EXPECT_EQ(outcome.nextStage, kStageFactorise);
  EXPECT_EQ(practice::AktVersuche, 0);
  EXPECT_EQ(JudgeStage(item(), 1, kStageMainDenominator, {u""}).message.text,
            u"Das Eingabefeld darf nicht leer sein!");
  EXPECT_FALSE(JudgeStage(item(), 1, kItemFinished, {}).judged);
  EXPECT_EQ(practice::AktVersuche, 0);
}

TEST(StageHeadingAndHint, ByLevelVariantAndStage) {
  const Text noDot = u"$Verwende kein Multiplikationszeichen für die Eingaben.$";
  EXPECT_EQ(StageHeadingAndHint(1, 2, 1).heading,
            u"#Zerlege die Nenner in Faktoren und verwende dabei die Potenzschreibweise (Zahlen "
            u"aufsteigend).#");
  EXPECT_EQ(StageHeadingAndHint(1, 1, 1).hint,
            u"_Verwende das Multiplikationszeichen für die Eingaben._");
  EXPECT_EQ(StageHeadingAndHint(1, 3, 1).heading, u"#Zerlege die Nenner in Faktoren.#");
  EXPECT_EQ(StageHeadingAndHint(1, 3, 1).hint, noDot);
  EXPECT_EQ(StageHeadingAndHint(3, 1, 1).heading,
            u"#Hebe gemeinsame Faktoren heraus. Verwende die Formel a^2 – b^2, wenn notwendig#");
  EXPECT_EQ(StageHeadingAndHint(2, 1, 2).heading,
            u"#Ermittle den Hauptnenner (Zahl zuerst, ohne Potenzschreibweise).");
  EXPECT_EQ(StageHeadingAndHint(3, 1, 4).heading,
            u"#Ermittle die jeweilgen Zähler (ausmultiplizieren).#");
  EXPECT_TRUE(StageHeadingAndHint(1, 1, 3).hint.empty());
  EXPECT_EQ(StageHeadingAndHint(2, 1, 5).hint, noDot);
  EXPECT_TRUE(StageHeadingAndHint(2, 1, kItemFinished).heading.empty());
}

TEST(KeysOfField, PowerNotationFactorsAndBrackets) {
  TBruchM item = HandItem(1, 2);
  const FieldKeys power = KeysOfField(item, 1, 1);
  EXPECT_TRUE(power.starAsDot);
  EXPECT_EQ(power.accepted, u"0123456789^·x");
  EXPECT_EQ(KeysOfField(item, 1, 5).accepted, u"0123456789");
  EXPECT_EQ(KeysOfField(item, 1, 11).accepted, u"0123456789–");
  item.Variante = 1;
  item.Ungleich.Faktor[1] = u"2";
  item.Ungleich.Faktor[2] = u"3·(x – 2)";
  EXPECT_EQ(KeysOfField(item, 2, 5).accepted, u"0123456789x+–");
  EXPECT_EQ(KeysOfField(item, 2, 6).accepted, u"0123456789x+–()");
  EXPECT_FALSE(KeysOfField(item, 2, 1).starAsDot);
  item.Variante = 3;
  EXPECT_EQ(KeysOfField(item, 3, 11).accepted, u"0123456789xy+–^");
}

}  // namespace
}  // namespace kalkora::fractions
