#pragma once
// The texts of a list whose entries are the rows of a table.

#include <array>
#include <cstddef>

namespace qv {

template <typename Row, std::size_t N>
constexpr std::array<const char*, N> ListTexts(const Row (&rows)[N]) {
  std::array<const char*, N> texts{};
  for (std::size_t i = 0; i < N; ++i) texts[i] = rows[i].listText;
  return texts;
}

}  // namespace qv
