// The texts the like-term windows write for an item, at each level.

#include "topics/terms/like_term_texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace kalkora {
namespace {

using namespace terms_topic;

// Items as the generators write them. Fields a level does not write keep what an earlier item
// left there (here the texts of the Stufe 1 item), and no line may show them.
TTerm StufeOneItem() {
  TTerm item;
  item.Var1 = u'a';
  item.Var2 = u'b';
  item.K1 = 5;
  item.K2 = 3;
  item.Term = u"a + b + b – a + a";
  item.TermAnzeige = u"a + b + b – a + a";
  item.Einsetzung = u"5 + 3 + 3 – 5 + 5";
  item.Ergebnis = u"1·#5# + 2·_3_";
  item.LoesungMarkiert = u"1·#a# + 2·_b_";
  item.Loesung = u"a + 2·b";
  item.Antwort = u"a+2b";
  return item;
}

TTerm StufeTwoItem() {
  TTerm item = StufeOneItem();
  item.Var1 = u'p';
  item.Var2 = u'q';
  item.Term = u"4·#p# – 7·_q_ + 2·#p# – 3·_q_";
  item.TermAnzeige = u"4·p – 7·q + 2·p – 3·q";
  item.LoesungMarkiert = u"6·#p# – 10·_q_";
  item.Loesung = u"6·p – 10·q";
  item.Antwort = u"6p–10q";
  return item;
}

TTerm StufeThreeItem() {
  TTerm item = StufeOneItem();
  item.Term = u"3·#a# – (–2·_b_ – 5·#a#)";
  item.TermAnzeige = u"3·a – (–2·b – 5·a)";
  item.LoesungMarkiert = u"8·#a# + 2·_b_";
  item.Loesung = u"8·a + 2·b";
  item.Antwort = u"8a+2b";
  return item;
}

struct Case {
  TTerm item;
  int level;
  Text answerPrefix;
  std::vector<Text> exampleLines;
};

// "#" draws in rose, "_" in olive: at Stufe 1 the digit line marks only the digits of its result
// (the digit of the first letter rose, of the second olive), the letter line only the letters of
// its result; at Stufe 2 and 3 the letters of task and result alike.
TEST(LikeTermTexts, OfEachLevel) {
  const std::vector<Case> cases{
      {StufeOneItem(),
       1,
       u"a + b + b – a + a = ",
       {u"5 + 3 + 3 – 5 + 5 = 1·#5# + 2·_3_", u"a + b + b – a + a = 1·#a# + 2·_b_"}},
      {StufeTwoItem(),
       2,
       u"4·p – 7·q + 2·p – 3·q = ",
       {u"4·#p# – 7·_q_ + 2·#p# – 3·_q_ = 6·#p# – 10·_q_"}},
      {StufeThreeItem(),
       3,
       u"3·a – (–2·b – 5·a) = ",
       {u"3·#a# – (–2·_b_ – 5·#a#) = 8·#a# + 2·_b_"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    EXPECT_EQ(LikeTermAnswerPrefix(c.item), c.answerPrefix);
    EXPECT_EQ(LikeTermExampleLines(c.item, c.level), c.exampleLines);
  }
}

}  // namespace
}  // namespace kalkora
