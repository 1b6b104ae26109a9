#include "topics/powers/power_generator_support.h"

#include <algorithm>

#include "terms/term_letters.h"
#include "topics/powers/power_text.h"

namespace kalkora::powers {

TPotenz& FreshItem(int item) {
  TPotenz& record = Potenzen[static_cast<std::size_t>(item)];
  const ItemFlags flags = record;
  record = TPotenz{};
  static_cast<ItemFlags&>(record) = flags;
  record.Buchst.fill(u' ');
  return record;
}

void SetLetters(TPotenz& record, const std::vector<char16_t>& letters) {
  for (std::size_t i = 0; i < letters.size() && i < record.Buchst.size(); ++i) {
    record.Buchst[i + 1] = letters[i];
  }
}

std::vector<char16_t> DistinctLetters(int count) {
  std::vector<char16_t> letters(static_cast<std::size_t>(std::max(count, 0)));
  for (;;) {
    for (char16_t& letter : letters) letter = RandomLetter();
    std::vector<char16_t> sorted = letters;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end()) return letters;
  }
}

void WriteDisplayAndAnswer(TPotenz& record, TextView taskMarkup, TextView solutionMarkup) {
  record.Text[4] = DisplayForm(taskMarkup);
  record.Loesung() = DisplayForm(solutionMarkup);
  record.Antwort() = AnswerForm(record.Loesung());
}

}  // namespace kalkora::powers
