// The texts the substitution windows write for an item, at each level.

#include "topics/terms/substitution_texts.h"

#include <gtest/gtest.h>

namespace kalkora {
namespace {

using namespace terms_topic;

// Items as the generators write them (the examples of the three levels).
TTerm StufeOneItem() {
  TTerm item;
  item.Var1 = u'a';
  item.Wert1Text = u"–2";
  item.TermAnzeige = u"–3·(2 – 5·a)";
  item.Term = u"-3*(2 - 5*a)";
  item.Einsetzung = u"–3·(2 – 5·#(–2)#)";
  item.Ergebnis = u"–36";
  return item;
}

TTerm StufeTwoItem() {
  TTerm item;
  item.Var1 = u'p';
  item.Var2 = u'q';
  item.Wert1Text = u"2";
  item.Wert2Text = u"–5";
  item.TermAnzeige = u"4·p – 7·q + 3";
  item.Term = u"4*p - 7*q + 3";
  item.Einsetzung = u"4·#2# – 7·#(–5)# + 3";
  item.Ergebnis = u"46";
  return item;
}

TTerm StufeThreeItem() {
  TTerm item;
  item.Var1 = u'm';
  item.Wert1Text = u"5·m";
  item.Term = u"(3·x – 2)·(–4)";
  item.TermAnzeige = u"(3·#5·m# – 2)·(–4)";
  item.Ergebnis = u"–60·m + 8";
  return item;
}

struct Case {
  TTerm item;
  int level;
  Text function;
  Text values;
  Text task;
  Text answerPrefix;
  Text openPrefix;
};

TEST(SubstitutionTexts, OfEachLevel) {
  const std::vector<Case> cases{
      {StufeOneItem(), 1, u"T(a)", u"T(–2)", u"T(a) = –3·(2 – 5·a)", u"T(–2) = ", u"T(–2) ="},
      {StufeTwoItem(), 2, u"T(p, q)", u"T(2, –5)", u"T(p, q) = 4·p – 7·q + 3", u"T(2, –5) = ",
       u"T(2, –5) ="},
      {StufeThreeItem(), 3, u"T(x)", u"T(5·m)", u"T(x) = (3·x – 2)·(–4)", u"T(5·m) = ",
       u"T(#5·m#) ="},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    EXPECT_EQ(SubstitutionFunctionHead(c.item, c.level), c.function);
    EXPECT_EQ(SubstitutionValuesHead(c.item, c.level), c.values);
    EXPECT_EQ(SubstitutionTaskText(c.item, c.level), c.task);
    EXPECT_EQ(SubstitutionAnswerPrefix(c.item, c.level), c.answerPrefix);
    EXPECT_EQ(SubstitutionOpenPrefix(c.item, c.level), c.openPrefix);
  }
}

TEST(SubstitutionTexts, ANegativeValueHasNoParenthesesInThePrefix) {
  TTerm item = StufeOneItem();
  item.Wert1Text = u"–7";
  EXPECT_EQ(SubstitutionOpenPrefix(item, 1), u"T(–7) =");
}

// The worked example: the substitution line marks the values in the head and in the term.
TEST(SubstitutionTexts, WorkedExampleLines) {
  struct ExampleCase {
    TTerm item;
    int level;
    SubstitutionExampleLines lines;
  };
  const std::vector<ExampleCase> cases{
      {StufeOneItem(),
       1,
       {u"Geg.: T(a) = –3·(2 – 5·a)", u"Ges.: T(–2)", u"T(a) = –3·(2 – 5·a)",
        u"T(#–2#) = –3·(2 – 5·#(–2)#) = –36", u"T(–2) = –36"}},
      {StufeTwoItem(),
       2,
       {u"Geg.: T(p, q) = 4·p – 7·q + 3", u"Ges.: T(2, –5)", u"T(p, q) = 4·p – 7·q + 3",
        u"T(#2#, #–5#) = 4·#2# – 7·#(–5)# + 3 = 46", u"T(2, –5) = 46"}},
      {StufeThreeItem(),
       3,
       {u"Geg.: T(x) = (3·x – 2)·(–4)", u"Ges.: T(5·m)", u"T(x) = (3·x – 2)·(–4)",
        u"T(#5·m#) = (3·#5·m# – 2)·(–4)", u"T(5·m) = –60·m + 8"}},
  };
  for (const ExampleCase& c : cases) {
    SCOPED_TRACE(c.level);
    const SubstitutionExampleLines lines = SubstitutionExample(c.item, c.level);
    EXPECT_EQ(lines.given, c.lines.given);
    EXPECT_EQ(lines.wanted, c.lines.wanted);
    EXPECT_EQ(lines.term, c.lines.term);
    EXPECT_EQ(lines.substitution, c.lines.substitution);
    EXPECT_EQ(lines.result, c.lines.result);
  }
}

}  // namespace
}  // namespace kalkora
