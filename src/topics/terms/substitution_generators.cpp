#include "topics/terms/substitution_generators.h"

#include <cstdlib>

#include "base/random.h"
#include "base/shared_functions.h"
#include "terms/random_term_parts.h"
#include "terms/term_forms.h"
#include "terms/term_letters.h"
#include "topics/terms/term_record.h"

namespace kalkora::terms_topic {
namespace {

using term_builders::Vorzeichen;

constexpr int kValueLimit = 100;        // |value| of Stufe 1 and 2, |check| of Stufe 3
constexpr int kBracketCheckLimit = 80;  // |check| of Stufe 3, shapes 3 and 4

// The pieces a term is written from: numbers in decimal with "-" before negative ones, single
// characters (letters, signs) and fixed texts.
void AppendPiece(Text& text, int number) { text += IntText(number); }
void AppendPiece(Text& text, char16_t character) { text += character; }
void AppendPiece(Text& text, TextView piece) { text += piece; }
void AppendPiece(Text& text, const char16_t* piece) { text += piece; }

template <typename... Pieces>
Text Write(const Pieces&... pieces) {
  Text text;
  (AppendPiece(text, pieces), ...);
  return text;
}

// A multiplier written after "*": in parentheses when negative, ‹(-4)›.
Text Multiplier(int c) { return c < 0 ? Write(u'(', c, u')') : IntText(c); }

// The value v with the drawn sign in front: −v for "-", v otherwise.
int WithSign(char16_t sign, int v) { return sign == u'-' ? -v : v; }

int Coefficient() { return RandomCoefficient(2, 10, true); }

// The result of Stufe 1 and 2: value, its text and the term in its shown forms.
void WriteValueAndForms(TTerm& item, int value) {
  item.ErgebnisWert = value;
  item.Ergebnis = ToDisplayForm(IntText(value));
  item.TermNorm = MergeSignPairs(item.Term);
  item.TermAnzeige = ToDisplayForm(item.TermNorm);
  item.Loesung = item.Ergebnis;
  item.Antwort = item.Ergebnis;
  item.Feldbreite = 50;
}

// ---- Stufe 1 ----

int Stufe1Value(int shape, int a, int b, int c, char16_t s, int x) {
  switch (shape) {
    case 1: return a * x + WithSign(s, b);
    case 2: return a + WithSign(s, b * x);
    case 3: return (a + WithSign(s, b)) * x;
    case 4: return a * (b + WithSign(s, c * x));
    case 5: return a * (b * x + WithSign(s, c));
    case 6: return a * (b + WithSign(s, c)) * x;
    case 7: return (a + WithSign(s, b * x)) * c;
    case 8: return (a * x + WithSign(s, b)) * c;
    default: return (a + WithSign(s, b)) * x * c;
  }
}

Text Stufe1Term(int shape, int a, int b, int c, char16_t s, char16_t L) {
  switch (shape) {
    case 1: return Write(a, u'*', L, u' ', s, u' ', b);
    case 2: return Write(a, u' ', s, u' ', b, u'*', L);
    case 3: return Write(a, u'*', L, u' ', s, u' ', b, u'*', L);
    case 4: return Write(a, u"*(", b, u' ', s, u' ', c, u'*', L, u')');
    case 5: return Write(a, u"*(", b, u'*', L, u' ', s, u' ', c, u')');
    case 6: return Write(a, u"*(", b, u'*', L, u' ', s, u' ', c, u'*', L, u')');
    case 7: return Write(u'(', a, u' ', s, u' ', b, u'*', L, u")*", Multiplier(c));
    case 8: return Write(u'(', a, u'*', L, u' ', s, u' ', b, u")*", Multiplier(c));
    default: return Write(u'(', a, u'*', L, u' ', s, u' ', b, u'*', L, u")*", Multiplier(c));
  }
}

// ---- Stufe 2 ----

int Stufe2Value(int shape, int a, int b, int c, char16_t s, char16_t t, int x, int y) {
  switch (shape) {
    case 1: return a * x + WithSign(s, b * y);
    case 2: return a * x + WithSign(s, b * y) + WithSign(t, c);
    case 3: return a * x + WithSign(s, c) + WithSign(t, b * y);
    default: return a + WithSign(s, b * x) + WithSign(t, c * y);
  }
}

Text Stufe2Term(int shape, int a, int b, int c, char16_t s, char16_t t, char16_t L, char16_t M) {
  switch (shape) {
    case 1: return Write(a, u'*', L, u' ', s, u' ', b, u'*', M);
    case 2: return Write(a, u'*', L, u' ', s, u' ', b, u'*', M, u' ', t, u' ', c);
    case 3: return Write(a, u'*', L, u' ', s, u' ', c, u' ', t, u' ', b, u'*', M);
    default: return Write(a, u' ', s, u' ', b, u'*', L, u' ', t, u' ', c, u'*', M);
  }
}

// ---- Stufe 3 ----
// The check value keeps the numbers of the result small. In shapes 3, 4 and 6 it takes the
// drawn sign s although the term itself always shows "+".

int Stufe3Check(int shape, int a, int b, int c, char16_t s, int k) {
  switch (shape) {
    case 1: return a * k + WithSign(s, b);
    case 2: return a + WithSign(s, b * k);
    case 3: return (c * k + WithSign(s, b)) * a;
    case 4: return (b * k + WithSign(s, c)) * a;
    case 5: return (b * k + a) * c;
    default: return (a * k + WithSign(s, b)) * c;
  }
}

int Stufe3Limit(int shape) { return shape == 3 || shape == 4 ? kBracketCheckLimit : kValueLimit; }

// The task term in x, internal form.
Text Stufe3Term(int shape, int a, int b, int c, char16_t s) {
  switch (shape) {
    case 1: return Write(a, u"*x ", s, u' ', b);
    case 2: return Write(a, u' ', s, u' ', b, u"*x");
    case 3: return Write(a, u"*(", b, u" + ", c, u"*x)");
    case 4: return Write(a, u"*(", b, u"*x + ", c, u')');
    case 5: return Write(u'(', a, u" + ", b, u"*x)*", Multiplier(c));
    default: return Write(u'(', a, u"*x + ", b, u")*", Multiplier(c));
  }
}

// The term after putting k·L in for x, multiplied out, internal form before the clean-up
// (a negative second summand is written "+ -n"; MergeSignPairs turns it into "- n").
Text Stufe3Result(int shape, int a, int b, int c, char16_t s, int k, char16_t L) {
  switch (shape) {
    case 1: return Write(a * k, u'*', L, u' ', s, u' ', b);
    case 2: return Write(a, u' ', s, u' ', b * k, u'*', L);
    case 3: return Write(a * b, u" + ", a * c * k, u'*', L);
    case 4: return Write(a * b * k, u'*', L, u" + ", a * c);
    case 5: return Write(a * c, u" + ", b * c * k, u'*', L);
    default: return Write(a * c * k, u'*', L, u" + ", b * c);
  }
}

}  // namespace

void EinsetzenStufe1(int index) {
  TTerm& item = EinsetzenTerme[static_cast<std::size_t>(index)];
  term_builders::RandomSigns();
  const char16_t s = Vorzeichen[1];
  const int shape = Random(9) + 1;
  item.Var1 = RandomLetter();
  item.Wert1 = RandomSubstValue();
  item.Wert1Text = ToDisplayForm(IntText(item.Wert1));

  const bool drawsC = shape >= 4;
  int a = 0;
  int b = 0;
  int c = item.K3;
  int value = 0;
  do {
    a = Coefficient();
    b = Coefficient();
    if (drawsC) c = Coefficient();
    value = Stufe1Value(shape, a, b, c, s, item.Wert1);
  } while (std::abs(value) > kValueLimit);
  item.K1 = a;
  item.K2 = b;
  if (drawsC) item.K3 = c;

  item.Term = Stufe1Term(shape, a, b, c, s, item.Var1);
  WriteValueAndForms(item, value);
  item.Einsetzung = ToDisplayForm(SubstituteMarked(item.TermAnzeige, item.Var1, item.Wert1));
}

void EinsetzenStufe2(int index) {
  TTerm& item = EinsetzenTerme[static_cast<std::size_t>(index)];
  term_builders::RandomSigns();
  const char16_t s = Vorzeichen[1];
  const char16_t t = Vorzeichen[2];
  const int shape = Random(4) + 1;
  do {
    item.Var1 = RandomLetter();
    item.Var2 = RandomLetter();
  } while (item.Var1 == item.Var2);
  item.Wert1 = RandomSubstValue();
  item.Wert1Text = ToDisplayForm(IntText(item.Wert1));
  item.Wert2 = RandomSubstValue();
  item.Wert2Text = ToDisplayForm(IntText(item.Wert2));

  int a = 0;
  int b = 0;
  int c = item.K3;
  int value = 0;
  do {
    if (shape == 1) {
      a = Coefficient();
      b = Coefficient();
    } else {
      a = RandomCoefficient(2, 10, /*isSigned=*/shape == 4);
      b = RandomCoefficient(2, 10, false);
      c = RandomCoefficient(2, 10, false);
    }
    value = Stufe2Value(shape, a, b, c, s, t, item.Wert1, item.Wert2);
  } while (std::abs(value) > kValueLimit);
  item.K1 = a;
  item.K2 = b;
  item.K3 = c;

  item.Term = Stufe2Term(shape, a, b, c, s, t, item.Var1, item.Var2);
  WriteValueAndForms(item, value);
  item.Einsetzung = ToDisplayForm(
      SubstituteMarked2(item.TermAnzeige, item.Var1, item.Var2, item.Wert1, item.Wert2));
}

void EinsetzenStufe3(int index) {
  TTerm& item = EinsetzenTerme[static_cast<std::size_t>(index)];
  term_builders::RandomSigns();
  const char16_t s = Vorzeichen[1];
  const int shape = Random(6) + 1;
  do {
    item.Var1 = RandomLetter();
  } while (item.Var1 == u'x');
  const int k = Random(8) + 2;
  item.Wert1 = k;
  item.Wert1Text = Write(k, u'·', item.Var1);

  const bool drawsC = shape >= 3;
  int a = 0;
  int b = 0;
  int c = item.K3;
  int check = 0;
  do {
    a = Coefficient();
    b = Coefficient();
    if (drawsC) c = Coefficient();
    check = Stufe3Check(shape, a, b, c, s, k);
  } while (std::abs(check) > Stufe3Limit(shape));
  item.K1 = a;
  item.K2 = b;
  if (drawsC) item.K3 = c;
  item.ErgebnisWert = check;

  item.Term = ToDisplayForm(MergeSignPairs(Stufe3Term(shape, a, b, c, s)));
  item.TermAnzeige = SubstituteTermMarked(item.Term, item.Wert1Text);
  item.Ergebnis = ToDisplayForm(MergeSignPairs(Stufe3Result(shape, a, b, c, s, k, item.Var1)));
  item.Loesung = item.Ergebnis;
  item.Antwort = RemoveChar(RemoveChar(item.Ergebnis, u' '), u'·');
  item.Feldbreite = 140;
}

void EinsetzenStufe(int level, int index) {
  switch (level) {
    case 2: EinsetzenStufe2(index); break;
    case 3: EinsetzenStufe3(index); break;
    default: EinsetzenStufe1(index); break;
  }
}

}  // namespace kalkora::terms_topic
