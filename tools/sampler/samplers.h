#pragma once
// The generators the item sampler knows. Each topic adds its generators in its own file
// (<topic>_samplers.cpp) and one call in all_samplers.cpp.

#include <functional>
#include <string>
#include <vector>

namespace kalkora::sampler {

struct Sampler {
  std::string name;  // the generator's name: "EinsetzenStufe1"
  // Runs the generator for item `item` and returns the generated record as one JSON object.
  std::function<std::string(int item)> sample;
};

using SamplerList = std::vector<Sampler>;

SamplerList AllSamplers();

// The generators of each topic.
void AddTermsSamplers(SamplerList& samplers);
void AddPolynomialsSamplers(SamplerList& samplers);
void AddPowersSamplers(SamplerList& samplers);
void AddFractionsSamplers(SamplerList& samplers);

}  // namespace kalkora::sampler
