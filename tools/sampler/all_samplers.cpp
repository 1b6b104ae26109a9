#include "samplers.h"

namespace kalkora::sampler {

SamplerList AllSamplers() {
  SamplerList samplers;
  // Each topic appends its generators here.
  AddTermsSamplers(samplers);
  AddPolynomialsSamplers(samplers);
  AddPowersSamplers(samplers);
  AddFractionsSamplers(samplers);
  return samplers;
}

}  // namespace kalkora::sampler
