#include "commands/batch_text.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Paths only double "%"; echo text also escapes the operators, each once.
TEST(BatchText, PathsDoublePercentsAndEchoTextAlsoEscapesOperators) {
  const struct {
    std::string (*escape)(std::string_view);
    const char* text;
    const char* expected;
  } cases[] = {
      {BatchPath, "D:\\v\\clip.avs", "D:\\v\\clip.avs"},
      {BatchPath, "D:\\v\\50% off.mkv", "D:\\v\\50%% off.mkv"},
      {BatchPath, "%PATH%%", "%%PATH%%%%"},
      {BatchPath, "Tom & Jerry ^|<>.avs", "Tom & Jerry ^|<>.avs"},
      {BatchPath, "", ""},
      {BatchEcho, "D:\\v\\clip.avs", "D:\\v\\clip.avs"},
      {BatchEcho, "Tom & Jerry.avs", "Tom ^& Jerry.avs"},
      {BatchEcho, "a|b<c>d", "a^|b^<c^>d"},
      {BatchEcho, "^&", "^^^&"},
      {BatchEcho, "50% off", "50%% off"},
      {BatchEcho, "^%", "^^%%"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.escape(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace qv
