// A parsed file is written back line for line, in the write format, and a
// write replaces the value that reading finds (the first occurrence).

#include <gtest/gtest.h>

#include "settings/key_value_file.h"

namespace qv {
namespace {

TEST(KeyValueFile, WritesBackWhatItReadAndChangesTheFirstOccurrence) {
  const std::string_view bytes =
      "\xEF\xBB\xBF; comment\r\nMode = 1\n\n  ae\t=  2 \r\nmode = 3\r\ncolour = red\r\nCOLOUR = blue\r\n[group]\r\nm = 4\r\n";
  KeyValueFile file = KeyValueFile::Parse(bytes);
  EXPECT_EQ(file.ReadText("Colour", "none"), "red");
  EXPECT_EQ(file.ReadText("m", "none"), "none");
  EXPECT_EQ(file.ReadText("shade", "none"), "none");
  EXPECT_EQ(file.Serialize(), "Mode = 1\r\nae = 2 \r\nmode = 3\r\ncolour = red\r\nCOLOUR = blue\r\n");

  file.WriteNumber("MODE", 7);
  file.WriteText("muxer", "0");
  EXPECT_EQ(file.ReadNumber("mode", -1), 7);
  EXPECT_EQ(file.Serialize(), "Mode = 7\r\nae = 2 \r\nmode = 3\r\ncolour = red\r\nCOLOUR = blue\r\nmuxer = 0\r\n");
}

}  // namespace
}  // namespace qv
