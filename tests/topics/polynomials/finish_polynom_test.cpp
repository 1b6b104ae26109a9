#include <gtest/gtest.h>

#include "topics/polynomials/polynomial_record.h"

namespace kalkora {
namespace {

struct FinishCase {
  const char16_t* solutionMarkup;
  bool joinExponents;
  UnitRule rule;
  const char16_t* loesung;
  const char16_t* antwort;
};

TEST(FinishPolynomTest, SolutionAndAnswer) {
  const FinishCase cases[] = {
      // Markers go, the answer loses blanks and "·".
      {u"21·#e#·_y_ + 42·#e#·~t~ – 56·#e#·$v$", false, UnitRule::Full, u"21·e·y + 42·e·t – 56·e·v",
       u"21ey+42et–56ev"},
      // Full unit rule: a "1·" after a blank or at the start, a leading "–1·".
      {u"1·#x^2# + 1·#x# – 1·_y_", false, UnitRule::Full, u"x^2 + x – y", u"x^2+x–y"},
      {u"–1·#x^2# – 1·#x#", false, UnitRule::Full, u"–x^2 – x", u"–x^2–x"},
      // A 1 that ends a longer number stays.
      {u"21·#x# + 11·_y_ – 101·~z~ + 1", false, UnitRule::Full, u"21·x + 11·y – 101·z + 1",
       u"21x+11y–101z+1"},
      // Reduced rule: only the leading "–1·".
      {u"#–1#·(x – y)", false, UnitRule::Reduced, u"–(x – y)", u"–(x–y)"},
      {u"#–#(b + k – q)", false, UnitRule::Reduced, u"–(b + k – q)", u"–(b+k–q)"},
      {u"1·#x# + 1·_y_", false, UnitRule::Reduced, u"1·x + 1·y", u"1x+1y"},
      // Two-digit exponents: raised digits in the solution, one caret in the answer.
      {u"18·#m^1^0# + 12·#m^7# – 24·#m^6#", true, UnitRule::Full, u"18·m^1^0 + 12·m^7 – 24·m^6",
       u"18m^10+12m^7–24m^6"},
      {u"18·#m^1^0#", false, UnitRule::Full, u"18·m^1^0", u"18m^1^0"},
      {u"#7·t^3#·(t^3 – 2)", false, UnitRule::Reduced, u"7·t^3·(t^3 – 2)", u"7t^3(t^3–2)"},
  };
  for (const FinishCase& c : cases) {
    TPolynom item;
    item.AufgabeMarkup = u"(#x# + §1§)·~z~ =";
    item.LoesungMarkup = c.solutionMarkup;
    FinishPolynom(item, c.joinExponents, c.rule);
    SCOPED_TRACE(Utf8FromText(c.solutionMarkup));
    EXPECT_EQ(item.Aufgabe, u"(x + 1)·z =");
    EXPECT_EQ(item.Loesung, c.loesung);
    EXPECT_EQ(item.Antwort, c.antwort);
  }
}

TEST(FinishPolynomTest, LeavesFlagsLettersAndWidthsAlone) {
  TPolynom item;
  item.Aktiv = true;
  item.Gezeigt = true;
  item.Variante = 3;
  item.Feldbreite = 77;
  item.Praefixbreite = 99;
  item.Var1 = u'q';
  item.LoesungMarkup = u"#q#";
  FinishPolynom(item, true, UnitRule::Full);
  EXPECT_TRUE(item.Aktiv);
  EXPECT_FALSE(item.Richtig);
  EXPECT_TRUE(item.Gezeigt);
  EXPECT_EQ(item.Variante, 3);
  EXPECT_EQ(item.Feldbreite, 77);
  EXPECT_EQ(item.Praefixbreite, 99);
  EXPECT_EQ(item.Var1, u'q');
  EXPECT_EQ(item.Antwort, u"q");
}

}  // namespace
}  // namespace kalkora
