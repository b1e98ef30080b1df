#include "commands/batch_text.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(BatchText, PathsDoubleEveryPercentAndNothingElse) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"D:\\v\\clip.avs", "D:\\v\\clip.avs"},
      {"D:\\v\\50% off.mkv", "D:\\v\\50%% off.mkv"},
      {"%PATH%%", "%%PATH%%%%"},
      {"Tom & Jerry ^|<>.avs", "Tom & Jerry ^|<>.avs"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(BatchPath(c.text), c.expected) << c.text;
}

TEST(BatchText, EchoTextEscapesOperatorsOnceEach) {
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"D:\\v\\clip.avs", "D:\\v\\clip.avs"},
      {"Tom & Jerry.avs", "Tom ^& Jerry.avs"},
      {"a|b<c>d", "a^|b^<c^>d"},
      {"^&", "^^^&"},
      {"50% off", "50%% off"},
      {"^%", "^^%%"},
  };
  for (const auto& c : cases) EXPECT_EQ(BatchEcho(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace qv
