#pragma once
// Runs an item generator for a worksheet task: on item 1 of its topic's array, started from a
// fresh record (a generator overwrites only the fields it sets, so what an earlier item left
// there must not reach the task), and gives back the record it filled. The array keeps what it
// held before, so an exercise window finds its items as it left them.

#include <cstddef>
#include <utility>

#include "base/one_based_array.h"

namespace kalkora::worksheet {

template <typename Record, std::size_t N, typename Generator>
Record GeneratedItem(OneBasedArray<Record, N>& items, Generator generator) {
  Record kept = std::move(items[1]);
  items[1] = Record{};
  generator(1);
  Record made = std::move(items[1]);
  items[1] = std::move(kept);
  return made;
}

}  // namespace kalkora::worksheet
