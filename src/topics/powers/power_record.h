#pragma once
// The item record of the power windows (multiplying, dividing, raising and adding/subtracting
// powers; exercises and worked examples) and the one array of five items they share.
//
// The text slots have a role per kind of item (see power_generators.h). Markup texts colour
// the letters or exponents with "#", "_", "~", "$", "§" and write an exponent of two digits
// with a caret before each digit (‹a^1^2›); display forms have no markers; answers are in
// input form (‹24g^10›, ‹–2f^5–g^4›).

#include <array>

#include "base/one_based_array.h"
#include "base/text.h"
#include "practice/item_flags.h"

namespace kalkora {

struct TPotenz : ItemFlags {
  static constexpr int kLoesungSlot = 5;
  static constexpr int kAntwortSlot = 6;

  std::array<kalkora::Text, 14> Text{};  // Text[0] … Text[13]
  OneBasedArray<char16_t, 5> Buchst{};   // the item's letters; a blank where none is needed
  int Zahl1 = 0;                         // multiplication: the two numbers of the item;
  int Zahl2 = 0;                         // division with coefficients: the reduced ones
  int Stufe = 0;                         // division worked examples: the presentation 1–5
  int Feldbreite = 0;                    // answer field width minus 20 pixels
  int Antwortart = 0;                    // division, raising: 1 one term, 2 a fraction
  int Variante = 0;                      // the variant drawn
  int Praefixbreite = 0;                 // pixel width of the task and " = " (windows)

  // The solution as shown (display form) and the expected answer (input form).
  kalkora::Text& Loesung() { return Text[kLoesungSlot]; }
  const kalkora::Text& Loesung() const { return Text[kLoesungSlot]; }
  kalkora::Text& Antwort() { return Text[kAntwortSlot]; }
  const kalkora::Text& Antwort() const { return Text[kAntwortSlot]; }
};

namespace powers {

// The items of the power windows, 1 … 5 (the worked examples use 1 … 3).
inline OneBasedArray<TPotenz, 5> Potenzen;

}  // namespace powers
}  // namespace kalkora
