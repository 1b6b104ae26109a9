#include "topics/polynomials/polynomial_items.h"

#include <algorithm>
#include <array>

#include "base/selection.h"
#include "topics/polynomials/completion_example_generators.h"
#include "topics/polynomials/polynomial_generators.h"
#include "topics/polynomials/polynomial_record.h"

namespace kalkora {

PolynomGenerator PolynomGeneratorFor(int kind, int level) {
  using Row = std::array<PolynomGenerator, 3>;
  static const std::array<Row, 5> kGenerators{{
      {PolynomMonom1, PolynomMonom2, PolynomMonom3},
      {PolynomPolynom1, PolynomPolynom2, PolynomPolynom3},
      {Binome1, Binome2, Binome3},
      {ErgaenzenM1, ErgaenzenM2, ErgaenzenM3},
      {Herausheben1, Herausheben2, Herausheben3},
  }};
  if (kind < 1 || kind > 5 || level < 1 || level > 3) return nullptr;
  return kGenerators[static_cast<std::size_t>(kind - 1)][static_cast<std::size_t>(level - 1)];
}

Text PolynomAnswerLetters(int kind, int level, const TPolynom& item) {
  const int v = item.Variante;
  bool second = false, third = false, fourth = false, brackets = false;
  switch (kind) {
    case 1:
      second = level != 3 || (v != 5 && v != 6);
      third = level == 1;
      fourth = level == 1 && (v == 3 || v == 4);
      break;
    case 2: second = level == 2; break;
    case 3:
      second = level >= 2;
      brackets = level == 3;
      break;
    case 5:
      brackets = true;
      second = level >= 2 || v == 1 || v == 3 || v == 4 || v == 5 || v == 7 || v == 8;
      third = level >= 2 || v == 5 || v == 7 || v == 8;
      fourth = level >= 2;
      break;
    default: return Text{};
  }
  Text letters;
  const auto add = [&letters](char16_t letter) {
    if (letter != 0) letters += letter;
  };
  add(item.Var1);
  if (second) add(item.Var2);
  if (third) add(item.Var3);
  if (fourth) add(item.Var4);
  if (brackets) letters += u"()";
  return letters;
}

void PreparePolynomItems(int count, int kind) {
  const PolynomGenerator generator = PolynomGeneratorFor(kind, selection::selLevel);
  const int last = std::clamp(count, 0, static_cast<int>(polynomials::Polynom.size()));
  for (int i = 1; i <= last; ++i) {
    TPolynom& item = polynomials::Polynom[static_cast<std::size_t>(i)];
    if (generator != nullptr) generator(i);
    item.Aktiv = generator != nullptr;
    item.Richtig = false;
    item.Gezeigt = false;
  }
}

}  // namespace kalkora
