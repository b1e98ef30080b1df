#pragma once
// What every table of list entries offers: the texts of the list, and the
// row of a list index.

#include <array>
#include <cstddef>

namespace qv {

template <typename Row, std::size_t N>
constexpr std::array<const char*, N> ListTexts(const Row (&rows)[N]) {
  std::array<const char*, N> texts{};
  for (std::size_t i = 0; i < N; ++i) texts[i] = rows[i].listText;
  return texts;
}

// nullptr for an index outside the list (-1: nothing selected).
template <typename Row, std::size_t N>
const Row* RowAt(const Row (&rows)[N], int index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? &rows[index] : nullptr;
}

}  // namespace qv
