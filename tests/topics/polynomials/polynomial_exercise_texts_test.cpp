#include "topics/polynomials/polynomial_exercise_texts.h"

#include <gtest/gtest.h>

#include "topics/polynomials/polynomial_record.h"

namespace kalkora::polynomial_exercise {
namespace {

TEST(PolynomialExerciseTexts, HintsByKindAndLevel) {
  const Text monom =
      u"Ermittle das Ergebnis und gib dieses in der angezeigten Variablen–Reihenfolge an.";
  const Text falling = u"Ermittle das Ergebnis und ordne dieses nach fallenden Potenzen.";
  const Text factoring = u"Hebe heraus was möglich ist (Klammer und eventuell Zahlen).\n";
  for (int level = 1; level <= 3; ++level) EXPECT_EQ(Hint(1, level), monom);
  EXPECT_EQ(Hint(2, 1), falling);
  EXPECT_EQ(Hint(2, 2),
            u"Ermittle das Ergebnis und ordne dieses nach fallenden Potenzen der 1.Variable.");
  EXPECT_EQ(Hint(2, 3), falling);
  EXPECT_EQ(Hint(3, 1), u"Ordne das Ergebnis nach fallenden Potenzen.");
  EXPECT_EQ(Hint(3, 2), u"Ordne das Ergebnis nach fallenden Potenzen der 1.Variablen.");
  EXPECT_EQ(Hint(3, 3), u"Verwende die entsprechende Formel für Binome.");
  EXPECT_EQ(Hint(5, 1),
            u"Hebe heraus was möglich ist. Steht am Anfang ein Minuszeichen, so hebe dieses "
            u"heraus.");
  EXPECT_EQ(Hint(5, 2),
            factoring + u"Schreibe die restlichen Variablen in der angegebenen Reihenfolge an.");
  EXPECT_EQ(Hint(5, 3), factoring + u"Vereinfache den restlichen Term.");
  EXPECT_EQ(Hint(4, 1), u"");
}

TEST(PolynomialExerciseTexts, PrefixPlacesByKindAndLevel) {
  const struct {
    int kind;
    double x1, x2, x3;
  } rows[] = {{1, -30, -30, -30}, {2, -30, -30, -35}, {3, -10, -20, -10}, {5, -20, -30, -38}};
  for (const auto& row : rows) {
    EXPECT_EQ(PrefixX(row.kind, 1), row.x1) << row.kind;
    EXPECT_EQ(PrefixX(row.kind, 2), row.x2) << row.kind;
    EXPECT_EQ(PrefixX(row.kind, 3), row.x3) << row.kind;
  }
}

TEST(PolynomialExerciseTexts, PrefixAndAnsweredLines) {
  TPolynom product;
  product.Aufgabe = u"(–9 – 4·d)·(–2 – 5·d)";
  product.Loesung = u"20·d^2 + 53·d + 18";
  TPolynom binomial;
  binomial.Aufgabe = u"(6·e^5 + 8·a^5)^2 = ";
  binomial.Loesung = u"36·e^1^0 + 96·e^5·a^5 + 64·a^1^0";
  TPolynom factoring;
  factoring.Aufgabe = u"–m + a = ";
  factoring.Loesung = u"–(m – a)";

  EXPECT_EQ(AnswerPrefix(2, product), u"(–9 – 4·d)·(–2 – 5·d) = ");
  EXPECT_EQ(AnswerPrefix(3, binomial), u"(6·e^5 + 8·a^5)^2 = ");
  EXPECT_EQ(AnswerPrefix(5, factoring), u"–m + a = ");

  product.Richtig = true;
  binomial.Richtig = true;
  factoring.Richtig = true;
  EXPECT_EQ(AnsweredLine(2, product, u"x"), u"(–9 – 4·d)·(–2 – 5·d) = #20·d^2 + 53·d + 18#");
  EXPECT_EQ(AnsweredLine(3, binomial, u"x"),
            u"(6·e^5 + 8·a^5)^2 =  #36·e^1^0 + 96·e^5·a^5 + 64·a^1^0#");
  EXPECT_EQ(AnsweredLine(5, factoring, u"x"), u"–m + a = #–(m – a)#");
  TPolynom twoProducts;
  twoProducts.Aufgabe = u"(4·m + 7·u)·(3·e – 2·h) – (4·m + 7·u)·(4·e – 9·h) =";
  twoProducts.Loesung = u"(4·m + 7·u)·(–e + 7·h)";
  twoProducts.Richtig = true;
  EXPECT_EQ(AnsweredLine(5, twoProducts, u"x"),
            u"(4·m + 7·u)·(3·e – 2·h) – (4·m + 7·u)·(4·e – 9·h) = #(4·m + 7·u)·(–e + 7·h)#");

  // The learner's text, with a typed exponent 10 drawn as two raised digits.
  binomial.Richtig = false;
  binomial.Gezeigt = true;
  EXPECT_EQ(AnsweredLine(3, binomial, u"36e^10+96e^5a^5+64a^1"),
            u"(6·e^5 + 8·a^5)^2 =  #36e^1^0+96e^5a^5+64a^1#");
}

}  // namespace
}  // namespace kalkora::polynomial_exercise
