#pragma once
// A fixed-size array indexed from 1 to N, as the item arrays, counters and sign arrays of the
// program are numbered. An index outside 1 … N is a programming error and stops the program
// at once instead of touching other memory.

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace kalkora {

template <typename T, std::size_t N>
class OneBasedArray {
 public:
  static constexpr std::size_t kSize = N;

  T& operator[](std::size_t index) { return values_[checked(index)]; }
  const T& operator[](std::size_t index) const { return values_[checked(index)]; }

  static constexpr std::size_t size() { return N; }
  auto begin() { return values_.begin(); }
  auto end() { return values_.end(); }
  auto begin() const { return values_.begin(); }
  auto end() const { return values_.end(); }
  void fill(const T& value) { values_.fill(value); }

 private:
  static std::size_t checked(std::size_t index) {
    if (index < 1 || index > N) {
      std::fprintf(stderr, "OneBasedArray: index %zu outside 1 … %zu\n", index, N);
      std::abort();
    }
    return index - 1;
  }

  std::array<T, N> values_{};
};

}  // namespace kalkora
