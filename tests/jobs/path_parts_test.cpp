#include "jobs/path_parts.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct PartsCase {
  const char* path;
  const char* folder;
  const char* file;
  const char* extension;
};

TEST(PathParts, SplitsAtTheLastSeparatorOfEitherKind) {
  const PartsCase cases[] = {
      {"D:\\v\\clip.avs", "D:\\v\\", "clip.avs", "avs"},
      {"D:/v/my.movie.mkv", "D:/v/", "my.movie.mkv", "mkv"},
      {"D:\\v/mixed\\clip.Mp4", "D:\\v/mixed\\", "clip.Mp4", "Mp4"},
      {"D:\\my.dir\\clip", "D:\\my.dir\\", "clip", ""},
      {"D:/my.dir\\clip", "D:/my.dir\\", "clip", ""},
      {"clip.avs", "", "clip.avs", "avs"},
      {"clip.", "", "clip.", ""},
      {"D:\\v\\", "D:\\v\\", "", ""},
      {"", "", "", ""},
  };
  for (const PartsCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FolderPart(c.path), c.folder);
    EXPECT_EQ(FilePart(c.path), c.file);
    EXPECT_EQ(ExtensionPart(c.path), c.extension);
  }
}

TEST(PathParts, ReplaceExtensionKeepsOrInsertsExactlyOneDot) {
  const struct {
    const char* path;
    const char* ending;
    const char* expected;
  } cases[] = {
      {"D:\\v\\clip.avs", "mp4", "D:\\v\\clip.mp4"},
      {"D:\\v\\my.movie.mkv", "mp4", "D:\\v\\my.movie.mp4"},
      {"D:\\v\\clip", "mp4", "D:\\v\\clip.mp4"},
      {"D:\\v\\clip.", "mp4", "D:\\v\\clip.mp4"},
      {"D:\\my.dir\\clip", "audio.aac", "D:\\my.dir\\clip.audio.aac"},
      {"D:/v/clip.mp4", "muxed.mkv", "D:/v/clip.muxed.mkv"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceExtension(c.path, c.ending), c.expected) << c.path << " + " << c.ending;
  }
}

}  // namespace
}  // namespace qv
