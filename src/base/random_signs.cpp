#include "base/random_signs.h"

#include <algorithm>

#include "base/random.h"

namespace kalkora {

void DrawRandomSigns(int count, char16_t minus) {
  const int last = std::clamp(count, 0, static_cast<int>(Vz.size()));
  for (int i = 1; i <= last; ++i) Vz[i] = Random(2) == 0 ? u'+' : minus;
}

}  // namespace kalkora
