#include <gtest/gtest.h>

#include "platform/win32/dialog_text.h"

namespace qv::platform {
namespace {

using namespace std::string_literals;

TEST(Win32DialogTextTest, FilterBecomesNulSeparatedPairsEndedByAnEmptyItem) {
  struct Case {
    std::string filter;
    std::string expected;
  };
  const Case cases[] = {
      {"Statsfile (*.stat)|*.stat", "Statsfile (*.stat)\0*.stat\0\0"s},
      {"*.*|*.*", "*.*\0*.*\0\0"s},
      {"AviSynth|*.avs|All|*.*", "AviSynth\0*.avs\0All\0*.*\0\0"s},
  };
  for (const Case& c : cases) EXPECT_EQ(DialogFilter(c.filter), c.expected) << c.filter;
}

TEST(Win32DialogTextTest, SelectionBufferGivesFullPaths) {
  struct Case {
    std::string buffer;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"\0\0"s, {}},
      {""s, {}},
      {"C:\\v\\a.avi\0\0"s, {"C:\\v\\a.avi"}},
      {"C:\\v\0a.avi\0b c.mkv\0\0"s, {"C:\\v\\a.avi", "C:\\v\\b c.mkv"}},
      {"C:\\\0a.avi\0b.avi\0\0"s, {"C:\\a.avi", "C:\\b.avi"}},
      // A buffer cut off without its final NUL still gives what it holds.
      {"C:\\v\0a.avi\0b.avi"s, {"C:\\v\\a.avi", "C:\\v\\b.avi"}},
      // Whatever follows the empty item is not part of the list.
      {"C:\\v\0a.avi\0\0stale\0"s, {"C:\\v\\a.avi"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SelectedPaths(c.buffer), c.expected) << c.buffer;
}

}  // namespace
}  // namespace qv::platform
