// kalkora-sample --generator NAME --count N --seed S [--item I]
// kalkora-sample --list
// Prints one JSON object per line with every field of the generated record.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/random.h"
#include "samplers.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: kalkora-sample --generator NAME [--count N] [--seed S] [--item I]\n"
               "       kalkora-sample --list\n");
  return 2;
}

bool readNumber(const char* text, long& value) {
  char* end = nullptr;
  value = std::strtol(text, &end, 10);
  return end != text && *end == '\0';
}

}  // namespace

int main(int argc, char* argv[]) {
  using kalkora::sampler::AllSamplers;
  std::string generator;
  long count = 1;
  long seed = 1;
  long item = 1;
  bool list = false;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const bool hasValue = i + 1 < argc;
    if (option == "--list") {
      list = true;
    } else if (option == "--generator" && hasValue) {
      generator = argv[++i];
    } else if (option == "--count" && hasValue) {
      if (!readNumber(argv[++i], count) || count < 0) return usage();
    } else if (option == "--seed" && hasValue) {
      if (!readNumber(argv[++i], seed)) return usage();
    } else if (option == "--item" && hasValue) {
      if (!readNumber(argv[++i], item) || item < 1 || item > 5) return usage();
    } else {
      return usage();
    }
  }
  const auto samplers = AllSamplers();
  if (list) {
    for (const auto& sampler : samplers) std::printf("%s\n", sampler.name.c_str());
    return 0;
  }
  if (generator.empty()) return usage();
  for (const auto& sampler : samplers) {
    if (sampler.name != generator) continue;
    kalkora::SetRandomSeed(static_cast<std::uint32_t>(seed));
    for (long n = 0; n < count; ++n) {
      std::printf("%s\n", sampler.sample(static_cast<int>(item)).c_str());
    }
    return 0;
  }
  std::fprintf(stderr, "no generator %s (see --list)\n", generator.c_str());
  return 1;
}
