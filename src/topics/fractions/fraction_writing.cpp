#include "topics/fractions/fraction_writing.h"

#include <set>

#include "base/random.h"
#include "terms/term_letters.h"
#include "topics/fractions/fraction_record.h"

namespace kalkora::fractions {

Text Power(char16_t letter, int exponent) {
  if (exponent == 0) return Text{};
  if (exponent == 1) return Text(1, letter);
  return Write(letter, u'^', exponent);
}

Text Product(std::initializer_list<TextView> factors) {
  Text text;
  for (TextView factor : factors) {
    if (factor.empty()) continue;
    if (!text.empty()) text += u'·';
    text += factor;
  }
  return text;
}

int DrawNumber(int low, int high) { return low + Random(high - low + 1); }

bool PairwiseDifferent(std::initializer_list<int> numbers) {
  return std::set<int>(numbers).size() == numbers.size();
}

char16_t Opposite(char16_t sign, char16_t minus) { return sign == u'+' ? minus : u'+'; }

void DrawLetters(TBruchM& item, int count, bool ascending) {
  char16_t* letters[4] = {&item.Var1, &item.Var2, &item.Var3, &item.Var4};
  for (;;) {
    std::set<char16_t> drawn;
    for (int i = 0; i < count; ++i) {
      *letters[i] = RandomLetter();
      drawn.insert(*letters[i]);
    }
    const bool different = static_cast<int>(drawn.size()) == count;
    if (different && (!ascending || count < 2 || item.Var1 < item.Var2)) return;
  }
}

}  // namespace kalkora::fractions
