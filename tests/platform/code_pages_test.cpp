// The system's code pages: each character gets its own form or the text is
// refused; nothing is ever replaced by a neighbour or a "?".

#include <gtest/gtest.h>

#include <optional>
#include <string>

#ifdef _WIN32
#include "platform/win32/code_page_text.h"
#else
#include "platform/posix/posix_platform.h"
#endif

namespace qv::platform {
namespace {

#ifdef _WIN32
TEST(Win32CodePages, CarryEachCharacterExactlyOrRefuseTheText) {
  const struct {
    unsigned codePage;
    const char* text;
    std::optional<std::string> bytes;
  } cases[] = {
      {437, "café", "caf\x82"},
      {437, "\xC4\x80", std::nullopt},  // "A" with macron, which best fit makes "A"
      {437, "€", std::nullopt},
      {866, "Файл № 2", "\x94\xA0\xA9\xAB \xFC 2"},
      {1252, "€ café", "\x80 caf\xE9"},
      {65001, "clip 😀", "clip 😀"},
      {65001, "\xED\xA0\x80", std::nullopt},  // a lone surrogate
      {1252, "caf\xE9", std::nullopt},        // no UTF-8
  };
  for (const auto& c : cases) EXPECT_EQ(ToCodePage(c.codePage, c.text), c.bytes) << c.codePage << " " << c.text;
  EXPECT_EQ(FromCodePage(1252, "\x80 caf\xE9"), "€ café");
  EXPECT_EQ(FromCodePage(866, "\x94\xA0\xA9\xAB"), "Файл");
}
#else
TEST(PosixCodePages, PassOnlyAsciiAndReadOlderFilesAsWindows1252) {
  PosixCodePages codePages;
  EXPECT_EQ(codePages.ToOem("clip 1.avs"), "clip 1.avs");
  EXPECT_EQ(codePages.ToOem("café"), std::nullopt);
  EXPECT_EQ(codePages.ToAnsi("café"), std::nullopt);
  EXPECT_EQ(codePages.FromAnsi("\x80 caf\xE9 \x81\x9F"), "€ café \xC2\x81Ÿ");
}
#endif

}  // namespace
}  // namespace qv::platform
