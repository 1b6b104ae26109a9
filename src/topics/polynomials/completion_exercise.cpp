#include "topics/polynomials/completion_exercise.h"

#include <algorithm>

#include "base/shared_functions.h"
#include "terms/term_exponents.h"
#include "topics/polynomials/completion_record.h"
#include "topics/polynomials/polynomial_exercise_texts.h"

namespace kalkora::completion_exercise {

namespace {

// The gaps of the row that have an answer field.
std::size_t AnsweredGaps(const TErgaenzen& item) {
  return static_cast<std::size_t>(
      std::clamp(item.AnzLuecken, 0, static_cast<int>(GapTexts::kSize)));
}

Text Compact(TextView text) { return RemoveChar(RemoveChar(text, u' '), u'·'); }

}  // namespace

Text Caption(int level) {
  Text caption = u"Übungsbeispiele: Polynome ergänzen";
  if (level >= 1 && level <= 3) caption += u" (Stufe " + IntText(level) + u")";
  return caption;
}

Text InstructionAtStart() {
  return u"Gib den jeweiligen Term ohne Multiplikationszeichen ein und Drücke die Prüfen–Taste";
}

// The same words as in the other polynomial exercises.
Text InstructionWhileTyping() { return polynomial_exercise::Instruction(); }

EmptyGaps FindEmptyGaps(const TErgaenzen& item, const GapTexts& typed) {
  const std::size_t gaps = AnsweredGaps(item);
  EmptyGaps empty;
  std::size_t count = 0;
  for (std::size_t k = 1; k <= gaps; ++k) {
    if (!typed[k].empty()) continue;
    if (count == 0) empty.first = static_cast<int>(k);
    ++count;
  }
  if (count == 0) return empty;
  if (count == 1) {
    empty.message = u"Es fehlt noch ein Eintrag!";
  } else if (count == gaps) {
    empty.message = u"Es fehlen die Einträge!";
  } else {
    empty.message = u"Es fehlen noch zwei Einträge!";  // two of three
  }
  return empty;
}

bool GapRight(const TErgaenzen& item, int gap, TextView typed) {
  if (gap < 1 || gap > item.AnzLuecken) return false;
  return Compact(typed) == Compact(item.Luecken[static_cast<std::size_t>(gap)]);
}

Text TypedGap(const TErgaenzen& item, int gap) {
  if (gap < 1 || gap > static_cast<int>(AnsweredGaps(item))) return {};
  return Compact(item.Luecken[static_cast<std::size_t>(gap)]);
}

bool RowRight(const TErgaenzen& item, const GapTexts& typed) {
  const std::size_t gaps = AnsweredGaps(item);
  if (gaps == 0) return false;
  for (std::size_t k = 1; k <= gaps; ++k) {
    if (!GapRight(item, static_cast<int>(k), typed[k])) return false;
  }
  return true;
}

Text SolutionText(const TErgaenzen& item) {
  return JoinExponentDigits(RemoveChar(item.Volltext, kGapMark));
}

ShownRow ShownRowOf(const TErgaenzen& item, const GapTexts& typed) {
  const std::size_t gaps = AnsweredGaps(item);
  ShownRow row;
  row.everyGapWrong = gaps > 0;
  row.markup = item.Teile[1];
  for (std::size_t k = 1; k <= gaps; ++k) {
    const bool right = GapRight(item, static_cast<int>(k), typed[k]);
    const char16_t mark = right ? u'~' : u'#';
    row.markup += mark;
    row.markup += right ? item.Luecken[k] : SplitExponentDigits(typed[k]);
    row.markup += mark;
    row.markup += item.Teile[k + 1];
    if (right) row.everyGapWrong = false;
  }
  return row;
}

Text AcceptedKeys(const TErgaenzen& item) {
  Text keys;
  if (item.Var1 != 0) keys += item.Var1;
  if (item.Var2 != 0) keys += item.Var2;
  keys += u"0123456789^";
  for (std::size_t k = 1; k <= AnsweredGaps(item); ++k) {
    if (item.Luecken[k].find(u'–') != Text::npos) {
      keys += u'–';
      break;
    }
  }
  return keys;
}

}  // namespace kalkora::completion_exercise
