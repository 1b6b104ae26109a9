// Preparing the items of a polynomial window, and the letters its answer fields accept.

#include <gtest/gtest.h>

#include "base/random.h"
#include "base/selection.h"
#include "topics/polynomials/polynomial_items.h"
#include "topics/polynomials/polynomial_record.h"

namespace kalkora {
namespace {

class PreparePolynomItemsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetRandomSeed(7);
    for (TPolynom& item : polynomials::Polynom) item = TPolynom{};
  }
  void TearDown() override { selection::ResetSelection(); }
};

TEST_F(PreparePolynomItemsTest, FillsTheFirstItemsAndSetsTheFlags) {
  for (TPolynom& item : polynomials::Polynom) {
    item.Richtig = true;
    item.Gezeigt = true;
  }
  selection::selLevel = 2;
  PreparePolynomItems(3, 1);
  for (int i = 1; i <= 3; ++i) {
    const TPolynom& item = polynomials::Polynom[static_cast<std::size_t>(i)];
    EXPECT_TRUE(item.Aktiv);
    EXPECT_FALSE(item.Richtig);
    EXPECT_FALSE(item.Gezeigt);
    EXPECT_FALSE(item.Antwort.empty());
    EXPECT_GE(item.Variante, 1);
    EXPECT_LE(item.Variante, 5);  // PolynomMonom2
  }
  for (int i = 4; i <= 5; ++i) {
    const TPolynom& item = polynomials::Polynom[static_cast<std::size_t>(i)];
    EXPECT_FALSE(item.Aktiv);
    EXPECT_TRUE(item.Richtig);  // untouched
    EXPECT_TRUE(item.Antwort.empty());
  }
}

TEST_F(PreparePolynomItemsTest, TheLevelChoosesTheGenerator) {
  selection::selLevel = 3;
  PreparePolynomItems(5, 3);  // Binome3: a product form
  for (const TPolynom& item : polynomials::Polynom) {
    EXPECT_EQ(item.Antwort.front(), u'(');
  }
  selection::selLevel = 1;
  PreparePolynomItems(5, 2);  // PolynomPolynom1: one letter, a square first
  for (const TPolynom& item : polynomials::Polynom) {
    EXPECT_NE(item.Antwort.find(Text{item.Var1, u'^', u'2'}), Text::npos);
  }
}

TEST_F(PreparePolynomItemsTest, CompletingFormulasHasAGeneratorAtEachLevel) {
  // Kind 4 (worked examples only): formulas with "?" in their gaps over the completed ones.
  for (int level = 1; level <= 3; ++level) {
    selection::selLevel = level;
    PreparePolynomItems(3, 4);
    for (int i = 1; i <= 3; ++i) {
      const TPolynom& item = polynomials::Polynom[static_cast<std::size_t>(i)];
      EXPECT_TRUE(item.Aktiv);
      EXPECT_NE(item.AufgabeMarkup.find(u'?'), Text::npos);
      EXPECT_EQ(item.LoesungMarkup.find(u'?'), Text::npos);
      EXPECT_EQ(item.Var2 != 0, level >= 2);
    }
  }
}

TEST_F(PreparePolynomItemsTest, AKindWithoutGeneratorsLeavesTheItemsInactive) {
  selection::selLevel = 1;
  for (int kind : {0, 6}) {
    PreparePolynomItems(5, kind);
    for (const TPolynom& item : polynomials::Polynom) EXPECT_FALSE(item.Aktiv);
  }
  selection::selLevel = 0;
  PreparePolynomItems(5, 1);
  for (const TPolynom& item : polynomials::Polynom) EXPECT_FALSE(item.Aktiv);
  selection::selLevel = 1;
  PreparePolynomItems(9, 5);  // at most the five items there are
  for (const TPolynom& item : polynomials::Polynom) EXPECT_TRUE(item.Aktiv);
}

TEST(PolynomAnswerLettersTest, ByKindLevelAndVariante) {
  TPolynom item;
  item.Var1 = u'a';
  item.Var2 = u'b';
  item.Var3 = u'c';
  item.Var4 = u'd';
  const struct {
    int kind, level, variante;
    const char16_t* letters;
  } cases[] = {
      {1, 1, 1, u"abc"},    {1, 1, 2, u"abc"},   {1, 1, 3, u"abcd"},  {1, 1, 4, u"abcd"},
      {1, 2, 3, u"ab"},     {1, 3, 1, u"ab"},    {1, 3, 4, u"ab"},    {1, 3, 5, u"a"},
      {1, 3, 6, u"a"},      {2, 1, 2, u"a"},     {2, 2, 4, u"ab"},    {2, 3, 1, u"a"},
      {3, 1, 1, u"a"},      {3, 2, 5, u"ab"},    {3, 3, 9, u"ab()"},  {5, 1, 1, u"ab()"},
      {5, 1, 2, u"a()"},    {5, 1, 3, u"ab()"},  {5, 1, 4, u"ab()"},  {5, 1, 5, u"abc()"},
      {5, 1, 6, u"a()"},    {5, 1, 7, u"abc()"}, {5, 1, 8, u"abc()"}, {5, 2, 1, u"abcd()"},
      {5, 3, 2, u"abcd()"}, {4, 1, 1, u""},      {0, 1, 1, u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " " << c.level << " " << c.variante);
    item.Variante = c.variante;
    EXPECT_EQ(PolynomAnswerLetters(c.kind, c.level, item), c.letters);
  }
  // A letter the record does not hold is left out.
  item.Var2 = 0;
  item.Variante = 1;
  EXPECT_EQ(PolynomAnswerLetters(3, 3, item), u"a()");
}

}  // namespace
}  // namespace kalkora
