#pragma once
// Writes screenshots as PNG files, small enough to keep in the repository,
// with no library needed.

#include <cstdint>
#include <string>
#include <vector>

namespace qvtest {

// `rgb` holds width * height * 3 bytes, rows top to bottom. False when the
// file could not be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace qvtest
