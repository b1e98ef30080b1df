#include "png_file.h"

#include <algorithm>
#include <cstdio>

namespace qvtest {
namespace {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  std::vector<std::uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  PutBigEndian(out, Crc32(body.data(), body.size()));
}

// Writes bits from the least significant one up, as deflate packs them.
class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void Put(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) PutBit((value >> i) & 1u);
  }
  // A Huffman code goes most significant bit first.
  void PutCode(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) PutBit((code >> i) & 1u);
  }
  void Flush() {
    if (used_ > 0) out_.push_back(byte_);
    byte_ = 0;
    used_ = 0;
  }

 private:
  void PutBit(std::uint32_t bit) {
    byte_ = static_cast<std::uint8_t>(byte_ | bit << used_);
    if (++used_ == 8) Flush();
  }
  std::vector<std::uint8_t>& out_;
  std::uint8_t byte_ = 0;
  int used_ = 0;
};

// Deflate's fixed Huffman code of a literal (0-255), the end (256) or a
// length code (257-287).
void PutSymbol(BitWriter& bits, int symbol) {
  if (symbol < 144) bits.PutCode(0x30 + symbol, 8);
  else if (symbol < 256) bits.PutCode(0x190 + symbol - 144, 9);
  else if (symbol < 280) bits.PutCode(symbol - 256, 7);
  else bits.PutCode(0xC0 + symbol - 280, 8);
}

constexpr int kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistanceBase[] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                                 193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};

void PutMatch(BitWriter& bits, int length, int distance) {
  int code = 28;
  while (kLengthBase[code] > length) --code;
  PutSymbol(bits, 257 + code);
  bits.Put(static_cast<std::uint32_t>(length - kLengthBase[code]), kLengthExtra[code]);
  code = 29;
  while (kDistanceBase[code] > distance) --code;
  bits.PutCode(static_cast<std::uint32_t>(code), 5);
  bits.Put(static_cast<std::uint32_t>(distance - kDistanceBase[code]), code < 4 ? 0 : code / 2 - 1);
}

// A zlib stream of one deflate block with the fixed codes: repeats found
// through a hash of three bytes, which is all that the flat colours of a
// window need.
std::vector<std::uint8_t> Zlib(const std::vector<std::uint8_t>& raw) {
  constexpr std::size_t kWindow = 32768, kHashSize = 1 << 15;
  constexpr int kLongest = 258, kTries = 64;
  std::vector<std::uint8_t> out{0x78, 0x01};
  BitWriter bits(out);
  bits.Put(1, 1);  // the last block
  bits.Put(1, 2);  // fixed codes
  std::vector<std::int64_t> head(kHashSize, -1), previous(kWindow, -1);
  const auto hashAt = [&](std::size_t at) {
    return ((raw[at] << 10) ^ (raw[at + 1] << 5) ^ raw[at + 2]) & (kHashSize - 1);
  };
  const auto insert = [&](std::size_t at) {
    if (at + 2 >= raw.size()) return;
    const std::size_t hash = hashAt(at);
    previous[at % kWindow] = head[hash];
    head[hash] = static_cast<std::int64_t>(at);
  };
  std::size_t at = 0;
  while (at < raw.size()) {
    int bestLength = 0, bestDistance = 0;
    if (at + 2 < raw.size()) {
      std::int64_t candidate = head[hashAt(at)];
      const int limit = static_cast<int>(std::min<std::size_t>(kLongest, raw.size() - at));
      for (int tries = 0; candidate >= 0 && at - candidate <= kWindow - 1 && tries < kTries; ++tries) {
        int length = 0;
        while (length < limit && raw[candidate + length] == raw[at + length]) ++length;
        if (length > bestLength) {
          bestLength = length;
          bestDistance = static_cast<int>(at - candidate);
          if (length == limit) break;
        }
        candidate = previous[candidate % kWindow];
      }
    }
    if (bestLength >= 3) {
      PutMatch(bits, bestLength, bestDistance);
      for (int i = 0; i < bestLength; ++i) insert(at + i);
      at += bestLength;
    } else {
      PutSymbol(bits, raw[at]);
      insert(at++);
    }
  }
  PutSymbol(bits, 256);
  bits.Flush();
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  PutBigEndian(out, b << 16 | a);
  return out;
}

}  // namespace

bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb) {
  // With at most 256 colours (a window without smoothed text) a byte a pixel
  // indexes a palette.
  std::vector<std::uint32_t> palette;
  std::vector<std::uint8_t> index(rgb.size() / 3);
  for (std::size_t i = 0; i < index.size() && palette.size() <= 256; ++i) {
    const std::uint32_t colour = static_cast<std::uint32_t>(rgb[i * 3] << 16 | rgb[i * 3 + 1] << 8 | rgb[i * 3 + 2]);
    auto found = std::find(palette.begin(), palette.end(), colour);
    if (found == palette.end()) found = palette.insert(palette.end(), colour);
    index[i] = static_cast<std::uint8_t>(found - palette.begin());
  }
  const bool indexed = palette.size() <= 256;
  const int rowBytes = indexed ? width : width * 3;
  const std::vector<std::uint8_t>& pixels = indexed ? index : rgb;
  std::vector<std::uint8_t> raw;
  raw.reserve(static_cast<std::size_t>(height) * (rowBytes + 1));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * rowBytes;
    raw.insert(raw.end(), row, row + rowBytes);
  }
  std::vector<std::uint8_t> header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, static_cast<std::uint8_t>(indexed ? 3 : 2), 0, 0, 0});  // 8 bits, palette or RGB
  std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  PutChunk(file, "IHDR", header);
  if (indexed) {
    std::vector<std::uint8_t> colours;
    for (std::uint32_t colour : palette) {
      colours.insert(colours.end(), {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                                     static_cast<std::uint8_t>(colour)});
    }
    PutChunk(file, "PLTE", colours);
  }
  PutChunk(file, "IDAT", Zlib(raw));
  PutChunk(file, "IEND", {});
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && written;
}

}  // namespace qvtest
