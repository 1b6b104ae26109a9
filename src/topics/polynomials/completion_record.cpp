#include "topics/polynomials/completion_record.h"

namespace kalkora {

void SetVolltext(TErgaenzen& item, TextView volltext) {
  item.Volltext = Text{volltext};
  item.Teile.fill(Text{});
  item.Luecken.fill(Text{});
  constexpr int kMostGaps = static_cast<int>(TErgTerm::kSize) - 1;
  int gaps = 0;
  bool inGap = false;
  for (char16_t c : volltext) {
    if (c == kGapMark) {
      if (!inGap && gaps == kMostGaps) continue;  // no room: the text stays in the last piece
      inGap = !inGap;
      if (inGap) ++gaps;
      continue;
    }
    if (inGap) {
      item.Luecken[static_cast<std::size_t>(gaps)] += c;
    } else {
      item.Teile[static_cast<std::size_t>(gaps + 1)] += c;
    }
  }
  item.AnzLuecken = gaps;
}

}  // namespace kalkora
