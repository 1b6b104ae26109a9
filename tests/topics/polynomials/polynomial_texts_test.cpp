// The texts the generators write for chosen values: the cases in which a writing rule can go
// wrong (coefficients 1 and −1, merged signs, vanishing and merged terms, order of terms,
// two-digit exponents, factors ±1 taken out).

#include <gtest/gtest.h>

#include <array>

#include "topics/polynomials/polynomial_generators.h"

namespace kalkora {
namespace {

struct Expected {
  const char16_t* aufgabeMarkup;
  const char16_t* loesungMarkup;
  const char16_t* antwort;  // null: not checked
};

void ExpectTexts(const TPolynom& item, const Expected& expected) {
  EXPECT_EQ(Utf8FromText(item.AufgabeMarkup), Utf8FromText(expected.aufgabeMarkup));
  EXPECT_EQ(Utf8FromText(item.LoesungMarkup), Utf8FromText(expected.loesungMarkup));
  if (expected.antwort != nullptr) {
    EXPECT_EQ(Utf8FromText(item.Antwort), Utf8FromText(expected.antwort));
  }
}

PolynomMonom1Values Monom1(int variante, Text letters, int a, int b, int c, int d, char16_t s1,
                           char16_t s2) {
  PolynomMonom1Values v;
  v.Variante = variante;
  v.x = letters[0];
  v.y = letters[1];
  v.z = letters[2];
  v.w = letters[3];
  v.a = a;
  v.b = b;
  v.c = c;
  v.d = d;
  v.s1 = s1;
  v.s2 = s2;
  return v;
}

TEST(PolynomMonom1Texts, CoefficientsSignsAndBrackets) {
  const struct {
    PolynomMonom1Values values;
    Expected expected;
  } cases[] = {
      // A product ending in 1 keeps all its digits.
      {Monom1(4, u"eytv", 7, 3, 6, 8, u'+', u'-'),
       {u"7·#e#·(3·_y_ + 6·~t~ – 8·$v$)", u"21·#e#·_y_ + 42·#e#·~t~ – 56·#e#·$v$",
        u"21ey+42et–56ev"}},
      // A monomial 1 is not written; its products lose nothing.
      {Monom1(1, u"dztw", 8, 2, 1, 3, u'+', u'+'),
       {u"(8·#d# + 2·_z_)·~t~", u"8·#d#·~t~ + 2·_z_·~t~", u"8dt+2zt"}},
      // A negative monomial after the bracket is bracketed; the signs turn.
      {Monom1(1, u"qhyw", 4, 8, -5, 3, u'-', u'+'),
       {u"(4·#q# – 8·_h_)·(–5·~y~)", u"–20·#q#·~y~ + 40·_h_·~y~", u"–20qy+40hy"}},
      // −1 as a lone minus, also after a sign and in brackets.
      {Monom1(1, u"abcd", -1, -3, -2, 4, u'+', u'+'),
       {u"(–#a# – 3·_b_)·(–2·~c~)", u"2·#a#·~c~ + 6·_b_·~c~", u"2ac+6bc"}},
      {Monom1(3, u"abcd", 2, -1, 3, -1, u'-', u'+'),
       {u"(2·#a# + _b_ + 3·~c~)·(–$d$)", u"–2·#a#·$d$ – _b_·$d$ – 3·~c~·$d$", u"–2ad–bd–3cd"}},
      {Monom1(2, u"abcd", -1, 5, -4, 2, u'-', u'+'),
       {u"–#a#·(5·_b_ + 4·~c~)", u"–5·#a#·_b_ – 4·#a#·~c~", u"–5ab–4ac"}},
      {Monom1(4, u"gzdw", 5, 4, 2, 1, u'+', u'-'),
       {u"5·#g#·(4·_z_ + 2·~d~ – $w$)", u"20·#g#·_z_ + 10·#g#·~d~ – 5·#g#·$w$", u"20gz+10gd–5gw"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.expected.aufgabeMarkup));
    TPolynom item;
    WritePolynomMonom1(item, c.values);
    ExpectTexts(item, c.expected);
    EXPECT_EQ(item.Variante, c.values.Variante);
    EXPECT_EQ(item.Var1, c.values.x);
  }
}

TEST(PolynomMonom2Texts, EvaluatedVariants) {
  PolynomMonom2Values v;
  v.Variante = 3;
  v.x = u'p';
  v.y = u'm';
  v.minusA = true;
  v.minusC = true;
  v.s1 = u'-';
  v.s2 = u'+';
  v.s3 = u'+';
  TPolynom item;
  WritePolynomMonom2(item, v);
  ExpectTexts(item, {u"(#–p# – _m_)·#p# + (#–p# + _m_)·_m_", u"#–p^2# – 2·#p#·_m_ + _m^2_",
                     u"–p^2–2pm+m^2"});

  // The terms x·y cancel: no middle term.
  v.Variante = 4;
  v.minusA = false;
  v.minusC = false;
  v.s1 = u'+';
  v.s2 = u'+';
  v.s3 = u'-';
  WritePolynomMonom2(item, v);
  ExpectTexts(item, {u"(#p# + _m_)·(#–p#) + (#p# – _m_)·_m_", u"#–p^2# – _m^2_", u"–p^2–m^2"});

  v.Variante = 5;
  v.minusA = false;
  v.minusC = true;
  v.s1 = u'+';
  v.s2 = u'-';
  v.s3 = u'+';
  WritePolynomMonom2(item, v);
  ExpectTexts(item, {u"(#p# + _m_)·#p# – (#–p# + _m_)·(_–m_)", u"#p^2# + _m^2_", u"p^2+m^2"});
}

TEST(PolynomMonom2Texts, SignFactors) {
  PolynomMonom2Values v;
  v.x = u'a';
  v.y = u'b';
  v.Variante = 1;
  v.u = -1;
  v.v = -1;
  v.s1 = u'+';
  TPolynom item;
  WritePolynomMonom2(item, v);
  ExpectTexts(item, {u"(–#a# + _b_)·(–#a#)", u"#a^2# – _b_·#a#", u"a^2–ba"});
  v.Variante = 2;
  v.u = -1;
  v.v = 1;
  v.s1 = u'-';
  WritePolynomMonom2(item, v);
  ExpectTexts(item, {u"–#a#·(_b_ – #a#)", u"–#a#·_b_ + #a^2#", u"–ab+a^2"});
}

TEST(PolynomMonom3Texts, PowersAndTwoDigitExponents) {
  PolynomMonom3Values v;
  v.x = u'm';
  v.y = u'k';
  v.Variante = 6;
  v.e1 = 6;
  v.e2 = 4;
  v.e3 = 1;
  v.c1 = 6;
  v.c2 = 3;
  v.c3 = 2;
  v.c4 = 4;
  v.s1 = u'+';
  v.s2 = u'-';
  TPolynom item;
  WritePolynomMonom3(item, v);
  ExpectTexts(item, {u"6·#m^6#·(3·#m^4# + 2·#m# – 4)", u"18·#m^1^0# + 12·#m^7# – 24·#m^6#",
                     u"18m^10+12m^7–24m^6"});
  EXPECT_EQ(item.Loesung, u"18·m^1^0 + 12·m^7 – 24·m^6");

  v.Variante = 2;
  v.e1 = 3;
  v.s1 = u'+';
  WritePolynomMonom3(item, v);
  ExpectTexts(item, {u"#–m^3#·(#m# + _k_)", u"#–m^4# – #m^3#·_k_", u"–m^4–m^3k"});
  v.Variante = 3;
  WritePolynomMonom3(item, v);
  ExpectTexts(item, {u"#k^3#·(_m_ + #k#)", u"#k^3#·_m_ + #k^4#", u"k^3m+k^4"});
  v.Variante = 4;
  v.s1 = u'-';
  WritePolynomMonom3(item, v);
  ExpectTexts(item, {u"(#m# – _k_)·(#–m^3#)", u"#–m^4# + _k_·#m^3#", u"–m^4+km^3"});
  v.Variante = 5;
  v.e1 = 6;
  v.e2 = 5;
  WritePolynomMonom3(item, v);
  ExpectTexts(item, {u"6·#m^6#·(3·#m^5# – 2)", u"18·#m^1^1# – 12·#m^6#", u"18m^11–12m^6"});
}

TEST(PolynomPolynom1Texts, OrderedByFallingPowers) {
  const struct {
    PolynomPolynom1Values values;
    Expected expected;
  } cases[] = {
      {{3, u'd', -4, -9, -5, -2},
       {u"(–9 – 4·#d#)·(–2 – 5·#d#)", u"20·#d^2# + 53·#d# + 18", u"20d^2+53d+18"}},
      // Opposite constants: no linear term.
      {{1, u'k', 0, 6, 0, -6}, {u"(#k# + 6)·(#k# – 6)", u"#k^2# – 36", u"k^2–36"}},
      // A linear coefficient ±1 loses its 1.
      {{1, u'j', 0, -1, 0, 2}, {u"(#j# – 1)·(#j# + 2)", u"#j^2# + #j# – 2", u"j^2+j–2"}},
      {{1, u'j', 0, 1, 0, -2}, {u"(#j# + 1)·(#j# – 2)", u"#j^2# – #j# – 2", u"j^2–j–2"}},
      {{2, u'x', -3, 5, 2, -7},
       {u"(–3·#x# + 5)·(2·#x# – 7)", u"–6·#x^2# + 31·#x# – 35", u"–6x^2+31x–35"}},
      // −2x·… + …: the linear coefficients cancel.
      {{2, u'x', 2, 3, 2, -3}, {u"(2·#x# + 3)·(2·#x# – 3)", u"4·#x^2# – 9", u"4x^2–9"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.expected.aufgabeMarkup));
    TPolynom item;
    WritePolynomPolynom1(item, c.values);
    ExpectTexts(item, c.expected);
  }
}

PolynomPolynom2Values Polynom2(int variante, char16_t x, char16_t y, int c1, int c2, int c3, int c4,
                               int e1, int e2) {
  PolynomPolynom2Values v;
  v.Variante = variante;
  v.x = x;
  v.y = y;
  v.c1 = c1;
  v.c2 = c2;
  v.c3 = c3;
  v.c4 = c4;
  v.e1 = e1;
  v.e2 = e2;
  return v;
}

TEST(PolynomPolynom2Texts, MergedVanishingAndOrderedTerms) {
  const struct {
    PolynomPolynom2Values values;
    Expected expected;
  } cases[] = {
      // The merged coefficient −61 keeps its digits.
      {Polynom2(2, u'a', u'j', 5, 6, -6, -5, 2, 2),
       {u"(5·#a^2# + 6·_j^2_)·(–6·#a^2# – 5·_j^2_)", u"–30·#a^4# – 61·#a^2#·_j^2_ – 30·_j^4_",
        u"–30a^4–61a^2j^2–30j^4"}},
      // c1c4 + c2c3 = 0: the middle term vanishes.
      {Polynom2(2, u'd', u'q', -3, -2, 3, -2, 2, 2),
       {u"(–3·#d^2# – 2·_q^2_)·(3·#d^2# – 2·_q^2_)", u"–9·#d^4# + 4·_q^4_", u"–9d^4+4q^4"}},
      // e1 > e2: the four products by falling powers of the first letter.
      {Polynom2(4, u'n', u't', 1, -6, -3, 4, 4, 2),
       {u"(#n^4# – 6·_t^4_)·(–3·#n^2# + 4·_t^2_)",
        u"–3·#n^6# + 4·#n^4#·_t^2_ + 18·#n^2#·_t^4_ – 24·_t^6_", u"–3n^6+4n^4t^2+18n^2t^4–24t^6"}},
      // e1 < e2: the product c2c3 comes before c1c4.
      {Polynom2(4, u'n', u't', 1, -6, -3, 4, 2, 4),
       {u"(#n^2# – 6·_t^2_)·(–3·#n^4# + 4·_t^4_)",
        u"–3·#n^6# + 18·#n^4#·_t^2_ + 4·#n^2#·_t^4_ – 24·_t^6_", u"–3n^6+18n^4t^2+4n^2t^4–24t^6"}},
      // e1 = e2 = 5: merged middle term, two-digit exponents.
      {Polynom2(4, u'b', u'c', 1, 1, 1, -1, 5, 5),
       {u"(#b^5# + _c^5_)·(#b^5# – _c^5_)", u"#b^1^0# – _c^1^0_", u"b^10–c^10"}},
      {Polynom2(1, u'b', u'c', -1, 5, 2, -1, 3, 2),
       {u"(–#b^3# + 5·_c_)·(2·#b# – _c^3_)", u"–2·#b^4# + #b^3#·_c^3_ + 10·#b#·_c_ – 5·_c^4_",
        u"–2b^4+b^3c^3+10bc–5c^4"}},
      {Polynom2(3, u'b', u'c', 2, 3, 1, 1, 3, 2),
       {u"(2·#b^3# + 3·_c^3_)·(#b^2# + _c^2_)",
        u"2·#b^5# + 2·#b^3#·_c^2_ + 3·#b^2#·_c^3_ + 3·_c^5_", u"2b^5+2b^3c^2+3b^2c^3+3c^5"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.expected.aufgabeMarkup));
    TPolynom item;
    WritePolynomPolynom2(item, c.values);
    ExpectTexts(item, c.expected);
  }
}

TEST(PolynomPolynom3Texts, MergingAndOrderOfTheMiddleTerms) {
  const struct {
    PolynomPolynom3Values values;
    Expected expected;
  } cases[] = {
      // e2 + e4 > e1: the x^6 product before the x^5 product.
      {{u'p', u'z', 5, 4, 2, -4, 3, -6, -2, -1},
       {u"(–4·#p^5# + 3·#p^4# – 6)·(–2·#p^2# – 1)",
        u"8·#p^7# – 6·#p^6# + 4·#p^5# – 3·#p^4# + 12·#p^2# + 6", u"8p^7–6p^6+4p^5–3p^4+12p^2+6"}},
      // e2 + e4 = e1: one merged term.
      {{u'x', u'z', 5, 3, 2, 1, 2, 3, 4, 5},
       {u"(#x^5# + 2·#x^3# + 3)·(4·#x^2# + 5)", u"4·#x^7# + 13·#x^5# + 10·#x^3# + 12·#x^2# + 15",
        u"4x^7+13x^5+10x^3+12x^2+15"}},
      // … which is left out when its coefficient is 0.
      {{u'x', u'z', 5, 3, 2, 2, 1, 3, 2, -1},
       {u"(2·#x^5# + #x^3# + 3)·(2·#x^2# – 1)", u"4·#x^7# – #x^3# + 6·#x^2# – 3",
        u"4x^7–x^3+6x^2–3"}},
      // e1 = 4, e2 = 3, e4 = 2: the term of x^5 comes before the term of x^4.
      {{u'x', u'z', 4, 3, 2, 1, 1, 1, 1, 1},
       {u"(#x^4# + #x^3# + 1)·(#x^2# + 1)", u"#x^6# + #x^5# + #x^4# + #x^3# + #x^2# + 1",
        u"x^6+x^5+x^4+x^3+x^2+1"}},
      // e2 + e4 < e1; two-digit exponent.
      {{u'x', u'z', 6, 3, 2, -1, 1, -1, 5, 1},
       {u"(–#x^6# + #x^3# – 1)·(5·#x^2# + 1)", u"–5·#x^8# – #x^6# + 5·#x^5# + #x^3# – 5·#x^2# – 1",
        u"–5x^8–x^6+5x^5+x^3–5x^2–1"}},
      {{u'x', u'z', 6, 5, 4, 2, 3, 4, 5, 6},
       {u"(2·#x^6# + 3·#x^5# + 4)·(5·#x^4# + 6)",
        u"10·#x^1^0# + 15·#x^9# + 12·#x^6# + 18·#x^5# + 20·#x^4# + 24",
        u"10x^10+15x^9+12x^6+18x^5+20x^4+24"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.expected.aufgabeMarkup));
    TPolynom item;
    WritePolynomPolynom3(item, c.values);
    ExpectTexts(item, c.expected);
    EXPECT_EQ(item.Variante, 1);
  }
}

TEST(BinomeTexts, Stufe1And2) {
  TPolynom item;
  WriteBinome1(item, {u't', 1});
  ExpectTexts(item, {u"(#t# + 1)^2 =", u"#t^2# + 2·#t# + 1", u"t^2+2t+1"});
  EXPECT_EQ(item.Aufgabe, u"(t + 1)^2 =");
  WriteBinome1(item, {u'x', 9});
  ExpectTexts(item, {u"(#x# + 9)^2 =", u"#x^2# + 18·#x# + 81", u"x^2+18x+81"});

  Binome2Values v;
  v.x = u'e';
  v.y = u'a';
  v.a = 6;
  v.b = 8;
  v.e = 5;
  v.Variante = 4;
  WriteBinome2(item, v);
  ExpectTexts(item, {u"(6·#e^5# + 8·_a^5_)^2 = ", u"36·#e^1^0# + 96·#e^5#·_a^5_ + 64·_a^1^0_",
                     u"36e^10+96e^5a^5+64a^10"});
  v.Variante = 2;
  WriteBinome2(item, v);
  ExpectTexts(item,
              {u"(6·#e# – 8·_a_)^2 = ", u"36·#e^2# – 96·#e#·_a_ + 64·_a^2_", u"36e^2–96ea+64a^2"});
  v.Variante = 6;
  v.e = 3;
  WriteBinome2(item, v);
  ExpectTexts(item, {u"(6·#e^3# + 8·_a^3_)·(6·#e^3# – 8·_a^3_) = ", u"36·#e^6# – 64·_a^6_",
                     u"36e^6–64a^6"});
}

TEST(BinomeTexts, Stufe3ProductForms) {
  const struct {
    Binome3Values values;
    Expected expected;
  } cases[] = {
      {{1, u'x', 3, 5}, {u"#x^2# + 6·#x# + 9 =", u"(#x# + 3)^2", u"(x+3)^2"}},
      {{2, u'x', 3, 5}, {u"#x^2# – 6·#x# + 9 =", u"(#x# – 3)^2", u"(x–3)^2"}},
      {{3, u'y', 1, 5}, {u"1 + 2·#y# + #y^2# =", u"(1 + #y#)^2", u"(1+y)^2"}},
      {{4, u'y', 7, 5}, {u"49 – 14·#y# + #y^2# =", u"(7 – #y#)^2", u"(7–y)^2"}},
      {{5, u'q', 4, 1}, {u"16·#q^2# + 8·#q# + 1 =", u"(4·#q# + 1)^2", u"(4q+1)^2"}},
      {{6, u'q', 1, 4}, {u"#q^2# – 8·#q# + 16 =", u"(#q# – 4)^2", u"(q–4)^2"}},
      // The full middle coefficient 2·a·b; a square 81 keeps its digits.
      {{7, u's', 6, 9}, {u"36 + 108·#s# + 81·#s^2# =", u"(6 + 9·#s#)^2", u"(6+9s)^2"}},
      {{8, u's', 6, 9}, {u"36 – 108·#s# + 81·#s^2# =", u"(6 – 9·#s#)^2", u"(6–9s)^2"}},
      {{9, u'r', 5, 2}, {u"25 – #r^2# = ", u"(5 + #r#)·(5 – #r#)", u"(5+r)(5–r)"}},
      {{10, u'r', 5, 2}, {u"#r^2# – 25 = ", u"(#r# + 5)·(#r# – 5)", u"(r+5)(r–5)"}},
      {{11, u'r', 5, 1}, {u"25 – #r^2# = ", u"(5 + #r#)·(5 – #r#)", u"(5+r)(5–r)"}},
      {{12, u'z', 8, 3}, {u"64·#z^2# – 9 = ", u"(8·#z# + 3)·(8·#z# – 3)", u"(8z+3)(8z–3)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.expected.aufgabeMarkup));
    TPolynom item;
    WriteBinome3(item, c.values);
    ExpectTexts(item, c.expected);
  }
}

Herausheben1Values Heraus1(int variante, Text letters, char16_t s1, char16_t s2, int factor, int k1,
                           int k2, int k3, int e1 = 4, int e2 = 3, int e3 = 2) {
  Herausheben1Values v;
  v.Variante = variante;
  v.x = letters[0];
  v.y = letters[1];
  v.z = letters[2];
  v.s1 = s1;
  v.s2 = s2;
  v.F = v.G = factor;
  v.k1 = k1;
  v.k2 = k2;
  v.k3 = k3;
  v.e1 = e1;
  v.e2 = e2;
  v.e3 = e3;
  return v;
}

TEST(Herausheben1Texts, NumbersPowersAndMinus) {
  const struct {
    Herausheben1Values values;
    Expected expected;
  } cases[] = {
      {Heraus1(1, u"ewz", u'-', u'+', 8, 24, 16, 0),
       {u"24·e – 16·w = ", u"#8#·(3·e – 2·w)", u"8(3e–2w)"}},
      {Heraus1(2, u"tyz", u'-', u'+', 7, 7, 14, 0, 6, 3),
       {u"7·t^6 – 14·t^3 = ", u"#7·t^3#·(t^3 – 2)", u"7t^3(t^3–2)"}},
      // e1 = e2 + 1: the power in the bracket has no exponent.
      {Heraus1(2, u"ryz", u'-', u'+', 2, 10, 46, 0, 4, 3),
       {u"10·r^4 – 46·r^3 = ", u"#2·r^3#·(5·r – 23)", u"2r^3(5r–23)"}},
      {Heraus1(3, u"mab", u'+', u'+', 2, 0, 0, 0), {u"–m + a = ", u"#–1#·(m – a)", u"–(m–a)"}},
      {Heraus1(4, u"abc", u'-', u'+', 6, 12, 18, 0),
       {u"–12·a – 18·b = ", u"#–6#·(2·a + 3·b)", u"–6(2a+3b)"}},
      // A quotient 1 disappears, also next to a quotient 11.
      {Heraus1(5, u"ecv", u'+', u'+', 4, 44, 8, 4),
       {u"44·e + 8·c + 4·v = ", u"#4#·(11·e + 2·c + v)", u"4(11e+2c+v)"}},
      {Heraus1(6, u"dyz", u'+', u'+', 9, 27, 18, 9, 6, 4, 2),
       {u"27·d^6 + 18·d^4 + 9·d^2 = ", u"#9·d^2#·(3·d^4 + 2·d^2 + 1)", u"9d^2(3d^4+2d^2+1)"}},
      {Heraus1(6, u"dyz", u'-', u'-', 3, 3, 6, 9, 5, 3, 2),
       {u"3·d^5 – 6·d^3 – 9·d^2 = ", u"#3·d^2#·(d^3 – 2·d – 3)", u"3d^2(d^3–2d–3)"}},
      {Heraus1(7, u"bkq", u'-', u'+', 2, 0, 0, 0),
       {u"–b – k + q = ", u"#–#(b + k – q)", u"–(b+k–q)"}},
      {Heraus1(8, u"abc", u'+', u'-', 5, 5, 10, 45),
       {u"–5·a + 10·b – 45·c = ", u"#–5#·(a – 2·b + 9·c)", u"–5(a–2b+9c)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.expected.aufgabeMarkup));
    TPolynom item;
    WriteHerausheben1(item, c.values);
    ExpectTexts(item, c.expected);
  }
  TPolynom item;
  WriteHerausheben1(item, cases[3].values);
  EXPECT_EQ(item.Loesung, u"–(m – a)");
  EXPECT_EQ(item.Aufgabe, u"–m + a = ");
}

TEST(Herausheben2Texts, BracketTakenOut) {
  Herausheben2Values v;
  v.x = u'h';
  v.y = u'm';
  v.z = u'r';
  v.w = u'd';
  v.s = u'+';
  v.t = u'-';
  v.P = 7;
  v.Q = 3;
  v.F = 5;
  v.k1 = 45;
  v.k2 = 35;
  TPolynom item;
  v.Variante = 3;
  WriteHerausheben2(item, v);
  ExpectTexts(item, {u"45·h·(7·m – r) + 35·d·(7·m – r) = ", u"#5·(7·m – r)#·(9·h + 7·d)",
                     u"5(7m–r)(9h+7d)"});
  v.Variante = 1;
  WriteHerausheben2(item, v);
  ExpectTexts(item, {u"h·(m – r) + d·(m – r) = ", u"#(m – r)#·(h + d)", u"(m–r)(h+d)"});
  v.Variante = 2;
  v.s = u'-';
  v.k1 = 5;
  v.F = 5;
  WriteHerausheben2(item, v);
  ExpectTexts(item, {u"5·h·(m – r) – 35·d·(m – r) = ", u"#5·(m – r)#·(h – 7·d)", u"5(m–r)(h–7d)"});
  v.Variante = 4;
  WriteHerausheben2(item, v);
  ExpectTexts(item, {u"5·h·(7·m – 3·r) – 35·d·(7·m – 3·r) = ", u"#5·(7·m – 3·r)#·(h – 7·d)",
                     u"5(7m–3r)(h–7d)"});
}

Herausheben3Values Heraus3(int variante, Text letters, char16_t s, char16_t u, char16_t v,
                           std::array<int, 6> c) {
  Herausheben3Values values;
  values.Variante = variante;
  values.x = letters[0];
  values.y = letters[1];
  values.z = letters[2];
  values.w = letters[3];
  values.s = s;
  values.u = u;
  values.v = v;
  values.c1 = c[0];
  values.c2 = c[1];
  values.c3 = c[2];
  values.c4 = c[3];
  values.c5 = c[4];
  values.c6 = c[5];
  return values;
}

TEST(Herausheben3Texts, BracketAndNumberTakenOut) {
  const struct {
    Herausheben3Values values;
    Expected expected;
  } cases[] = {
      {Heraus3(1, u"mueh", u'+', u'-', u'-', {4, 7, 3, 2, 4, 9}),
       {u"(4·m + 7·u)·(3·e – 2·h) – (4·m + 7·u)·(4·e – 9·h) =", u"(#4·m + 7·u#)·(–e + 7·h)",
        u"(4m+7u)(–e+7h)"}},
      // A negative A takes out −G and turns both signs of the bracket.
      {Heraus3(2, u"jofs", u'-', u'-', u'-', {9, 7, 5, 9, 9, 5}),
       {u"(9·j – 7·o)·(5·f – 9·s) – (9·j – 7·o)·(9·f – 5·s) =", u"–4·(#9·j – 7·o#)·(f + s)",
        u"–4(9j–7o)(f+s)"}},
      {Heraus3(2, u"qzhs", u'+', u'-', u'-', {4, 3, 7, 3, 9, 7}),
       {u"(4·q + 3·z)·(7·h – 3·s) – (4·q + 3·z)·(9·h – 7·s) =", u"–2·(#4·q + 3·z#)·(h – 2·s)",
        u"–2(4q+3z)(h–2s)"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.expected.aufgabeMarkup));
    EXPECT_TRUE(Herausheben3Admissible(c.values));
    TPolynom item;
    WriteHerausheben3(item, c.values);
    ExpectTexts(item, c.expected);
  }
}

TEST(Herausheben3Texts, DrawsWithAZeroCoefficientAreRejected) {
  // A = c3 – c5 = 0 with Gcd(A, B) = 1 (B = 1) and B = c4 – c6 = 0 (Gcd(A, 0) = 1): both would
  // show a term 0 in the solution.
  EXPECT_FALSE(Herausheben3Admissible(Heraus3(1, u"abcd", u'+', u'+', u'-', {2, 3, 5, 3, 5, 2})));
  EXPECT_FALSE(Herausheben3Admissible(Heraus3(1, u"abcd", u'+', u'+', u'-', {2, 3, 2, 3, 5, 3})));
  // The same numbers with different c5 and c6 are admissible.
  EXPECT_TRUE(Herausheben3Admissible(Heraus3(1, u"abcd", u'+', u'+', u'-', {2, 3, 5, 3, 4, 5})));
  // Variante 2 needs Gcd(A, B) > 1 and coprime c3, c5 and c4, c6.
  EXPECT_FALSE(Herausheben3Admissible(Heraus3(2, u"abcd", u'+', u'+', u'-', {2, 3, 5, 3, 4, 5})));
  EXPECT_FALSE(Herausheben3Admissible(Heraus3(2, u"abcd", u'+', u'+', u'+', {2, 3, 4, 3, 2, 5})));
  // Gcd(c1, c2) must be 1.
  EXPECT_FALSE(Herausheben3Admissible(Heraus3(1, u"abcd", u'+', u'+', u'-', {2, 4, 5, 3, 4, 5})));
}

}  // namespace
}  // namespace kalkora
