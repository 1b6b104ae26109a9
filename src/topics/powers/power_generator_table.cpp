#include <algorithm>
#include <array>

#include "topics/powers/power_generators.h"

namespace kalkora::powers {

PowerGenerator GeneratorFor(PowerKind kind, int level) {
  using Levels = std::array<PowerGenerator, 3>;
  static constexpr std::array<Levels, 6> kGenerators{{
      {GenMultiply1, GenMultiply2, GenMultiply3},
      {GenAddSub1, GenAddSub2, GenAddSub3},
      {GenDivideM1, GenDivideM2, GenDivideM3},
      {GenDivideU1, GenDivideU2, GenDivideU3},
      {GenRaiseM1, GenRaiseM2, GenRaiseM3},
      {GenRaiseU1, GenRaiseU2, GenRaiseU3},
  }};
  const auto levelIndex = static_cast<std::size_t>(std::clamp(level, 1, 3) - 1);
  return kGenerators[static_cast<std::size_t>(kind)][levelIndex];
}

}  // namespace kalkora::powers
