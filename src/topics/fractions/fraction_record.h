#pragma once
// The item record of the fractional-terms topic and its one shared item array.
//
// Every fraction window works on Bruch[1 … 5]: the exercise window uses items 1 … 3, the
// unlike-denominator window and the long division item 1, the worked examples items 1 … 3.
// A generator overwrites only the fields it sets; every other field keeps its earlier
// contents (the array is never cleared).

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "base/one_based_array.h"
#include "base/text.h"
#include "practice/item_flags.h"

namespace kalkora {

// The task and step texts of an item, Text[0 … 16]. Slots 0 … 12 carry the task (numerators
// in 1 … 3, a single denominator in 4, the denominators of fractions 1 … 3 in 5 … 7, or the
// whole task in 1) and worked-example texts (9 … 12); 13 … 16 further worked-example texts.
// An index outside 0 … 16 stops the program, like OneBasedArray.
class TextSlots {
 public:
  static constexpr std::size_t kLast = 16;

  kalkora::Text& operator[](std::size_t index) { return slots_[checked(index)]; }
  const kalkora::Text& operator[](std::size_t index) const { return slots_[checked(index)]; }

 private:
  static std::size_t checked(std::size_t index) {
    if (index > kLast) {
      std::fprintf(stderr, "TextSlots: index %zu outside 0 … %zu\n", index, kLast);
      std::abort();
    }
    return index;
  }

  std::array<kalkora::Text, kLast + 1> slots_{};
};

// Step texts of the worked examples.
using TDaten = OneBasedArray<Text, 20>;

// One addition or subtraction of fractions with unlike denominators. Arrays are indexed by
// fraction (1 … 3); with two fractions index 3 stays empty (the generators start every item
// from a fresh record).
struct TUngleich {
  OneBasedArray<Text, 3> Nenner;     // the task denominators ("6·x", ‹x^2 + x›)
  OneBasedArray<Text, 3> Zerlegung;  // each denominator factorised (‹2·3·x›, ‹x·(x + 1)›)
  OneBasedArray<Text, 3> Zaehler;    // the task numerators
  OneBasedArray<Text, 3> NeuZaehler;  // numerator times extension factor, multiplied out
  OneBasedArray<Text, 3> ErwZaehler;  // numerator "·" factor in colour: ‹5·~3~› (markup)
  OneBasedArray<Text, 3> NennerText;  // the denominators once more, for the extension table
  OneBasedArray<Text, 3> Faktor;      // the extension factors ("3", "x – 1")
  OneBasedArray<int, 6> Zahl;         // the drawn numbers
  char16_t Zeichen1 = u'+';           // displayed sign between fractions 1 and 2
  char16_t Zeichen2 = u'+';           // between fractions 2 and 3
  Text HNZeile;                       // ‹2^2·3·x = 12·x›
  Text HN;                            // the main denominator
  Text Ergebnis;                      // the result numerator
  Text GekZaehler;                    // result numerator after cancelling (Kenn[1] set)
  Text GekNenner;                     // result denominator after cancelling (Kenn[1] set)
  OneBasedArray<Text, 10> Weitere;    // further texts of the worked examples
};

// One written polynomial division (long division window and its worked example). The window
// adds the page positions it measures for drawing.
struct TTermDiv {
  // The quotient's coefficients (3 or 4) followed by the divisor's (2 or 3), highest power
  // first; at Stufe 3 entry 33 the changed constant and entry 34 the changed linear
  // coefficient of the dividend.
  OneBasedArray<int, 36> Koeff;
  OneBasedArray<Text, 6> Dividend;  // the dividend's terms, highest power first
  OneBasedArray<Text, 3> Divisor;   // the divisor's terms
  OneBasedArray<Text, 4> Quotient;  // the quotient's terms
  // The lines of the written division: P1, R1, P2, R2, …, each as up to three terms.
  OneBasedArray<OneBasedArray<Text, 3>, 8> Zeilen;
  int AnzQuotient = 0;  // 3 or 4
  int AnzDivisor = 0;   // 2 or 3
  int RestArt = 0;      // Stufe 3: 0 constant, 1 linear term, 2 both
  Text Rest;            // Stufe 3: the remainder; empty at Stufe 2
};

// One fraction item. Aktiv, Richtig and Gezeigt come from ItemFlags.
struct TBruchM : ItemFlags {
  TextSlots Text;
  kalkora::Text Antwort;  // expected answer in input form: Loesung without blanks and "·"
  kalkora::Text Loesung;  // the solution in display form; a fraction as numerator "/" denominator
  bool Schalter = false;  // worked-example switch
  // Kenn[1]: the result can still be cancelled; Kenn[3]: an unlike-denominator item starts
  // with factorising; Kenn[2] and Kenn[4] belong to the worked examples.
  OneBasedArray<bool, 4> Kenn;
  OneBasedArray<bool, 5> SchrittRichtig;  // stages of an unlike-denominator item answered right
  OneBasedArray<bool, 5> SchrittGezeigt;  // stages answered wrong twice
  int Variante = 0;                       // the variant the entry point drew (1 … N)
  int Anzahl = 0;                         // number of task fractions where it varies (2 or 3)
  OneBasedArray<int, 20> Werte;           // numbers the worked examples keep for drawing
  int Feldbreite = 0;                     // answer field width less 20 pixels (window)
  float Links = 0;                        // left page x of the task (window)
  float Rechts = 0;                       // page x where the answer part starts (window)
  float Zehntel = 0;                      // task width in page units (window)
  float Bruchbreite = 0;                  // page width of the task fraction(s) (window)
  char16_t Var1 = u'x';                   // the letters of the item
  char16_t Var2 = u'y';
  char16_t Var3 = u'z';
  char16_t Var4 = u'w';
  char16_t Op1 = u'+';  // operator between task fractions 1 and 2: "·", ":", "+", "–"
  char16_t Op2 = u'+';  // between fractions 2 and 3
  TDaten Daten;
  TUngleich Ungleich;
  TTermDiv TermDiv;
};

namespace fractions {

// The items of every fraction window and of the long division.
inline OneBasedArray<TBruchM, 5> Bruch;

}  // namespace fractions
}  // namespace kalkora
