#include "samplers.h"

namespace kalkora::sampler {

SamplerList AllSamplers() {
  SamplerList samplers;
  // Each topic appends its generators here.
  return samplers;
}

}  // namespace kalkora::sampler
