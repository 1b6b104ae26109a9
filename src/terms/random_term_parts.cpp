#include "terms/random_term_parts.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "base/random.h"

namespace kalkora::term_builders {

void RandomSigns() {
  for (char16_t& sign : Vorzeichen) sign = Random(2) == 0 ? u'+' : u'-';
}

}  // namespace kalkora::term_builders

namespace kalkora {

int RandomCoefficient(int low, int high, bool isSigned) {
  const std::int64_t span = static_cast<std::int64_t>(high) - low + 1;
  const int draw = span > std::numeric_limits<int>::max() ? Random(std::numeric_limits<int>::max())
                                                          : Random(static_cast<int>(span));
  std::int64_t value = draw + static_cast<std::int64_t>(low);
  if (isSigned && Random(2) == 0) value = -value;
  return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

int RandomSubstValue() {
  const int value = Random(11);
  return value >= 5 ? -value : value;
}

Text RandomLetterSequence(char16_t letter1, char16_t letter2, int count1, int length) {
  const int slots = std::max(length, 0);
  const int wanted = std::clamp(count1, 0, slots);
  std::vector<bool> taken(static_cast<std::size_t>(slots) + 1, false);  // slots 1 … length
  for (int placed = 0; placed < wanted;) {
    const int slot = Random(slots) + 1;
    if (!taken[static_cast<std::size_t>(slot)]) {
      taken[static_cast<std::size_t>(slot)] = true;
      ++placed;
    }
  }
  Text result;
  result.reserve(static_cast<std::size_t>(slots));
  for (int slot = 1; slot <= slots; ++slot) {
    result.push_back(taken[static_cast<std::size_t>(slot)] ? letter1 : letter2);
  }
  return result;
}

}  // namespace kalkora
