#include "commands/audio_command.h"

#include <gtest/gtest.h>

#include "commands/test_form.h"

namespace qv {
namespace {

using C = ControlId;
using Lines = std::vector<std::string>;

Form AudioForm(int muxer, const char* output = "D:\\v\\clip.mp4") {
  Form form = testing::DefaultSettingsForm();
  form.SetText(C::Input, "D:\\v\\clip.avs");
  form.SetText(C::Output, output);
  form.SetNumber(C::Muxer, muxer);
  form.ClearEvents();
  return form;
}

constexpr int kNoMux = 3;

TEST(AudioCommands, EachEncoderWritesItsOwnLine) {
  const std::string pipe = "bepipe.exe --script \"import(^D:\\v\\clip.avs^)\" | ";
  const std::string nero = " -if - -of \"D:\\v\\clip.audio.mp4\" -ignorelength ";
  const struct {
    int encoder;
    const char* rate;
    std::string expected;
  } cases[] = {
      {0, "48", pipe + "enc_aacplus.exe - \"D:\\v\\clip.audio.aac\" --cbr 48000"},
      {1, "64", pipe + "neroaacenc.exe" + nero + "-cbr 64000"},
      {2, "96.5", pipe + "neroaacenc_sse2.exe" + nero + "-cbr 96000"},
      {3, "0.4", pipe + "neroaacenc.exe" + nero + "-br 0"},
      {4, "-64", pipe + "neroaacenc_sse2.exe" + nero + "-br -64000"},
      {5, "0.4", pipe + "neroaacenc.exe" + nero + "-q 0.4"},
      {6, "", pipe + "neroaacenc_sse2.exe" + nero + "-q "},
      {1, "", pipe + "neroaacenc.exe" + nero + "-cbr 0"},
      {0, "64000", pipe + "enc_aacplus.exe - \"D:\\v\\clip.audio.aac\" --cbr 64000000"},
  };
  for (const auto& c : cases) {
    Form form = AudioForm(kNoMux);
    form.SetText(C::AudioBitrate, c.rate);
    EXPECT_EQ(AudioCommands(form, c.encoder), Lines{c.expected}) << c.encoder << " " << c.rate;
  }
}

TEST(AudioCommands, EncodersOutsideTheListWriteNothing) {
  const Form form = AudioForm(0);
  EXPECT_TRUE(AudioCommands(form, -1).empty());
  EXPECT_TRUE(AudioCommands(form, 7).empty());
}

TEST(AudioCommands, TheMuxLinesFollowTheAudioLine) {
  Form form = AudioForm(0);
  form.SetText(C::AudioBitrate, "64");
  EXPECT_EQ(AudioCommands(form, 1),
            (Lines{"bepipe.exe --script \"import(^D:\\v\\clip.avs^)\" | neroaacenc.exe -if - -of "
                   "\"D:\\v\\clip.audio.mp4\" -ignorelength -cbr 64000",
                   "mp4box.exe -add \"D:\\v\\clip.audio.mp4\" \"D:\\v\\clip.mp4\"",
                   "if not errorlevel 1 del \"D:\\v\\clip.audio.mp4\""}));
}

TEST(AudioCommands, AudioFileIsNamedAfterTheOutput) {
  const struct {
    const char* output;
    const char* audioFile;
  } cases[] = {
      {"D:\\v\\clip.mkv", "\"D:\\v\\clip.audio.mp4\""},
      {"D:\\v\\clip", "\"D:\\v\\clip.audio.mp4\""},
      {"D:\\v\\clip.", "\"D:\\v\\clip.audio.mp4\""},
      {"D:\\my.dir\\clip", "\"D:\\my.dir\\clip.audio.mp4\""},
      {"D:\\50% off\\clip.mp4", "\"D:\\50%% off\\clip.audio.mp4\""},
  };
  for (const auto& c : cases) {
    const Lines lines = AudioCommands(AudioForm(kNoMux, c.output), 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(std::string(" -of ") + c.audioFile + " "), std::string::npos) << lines[0];
  }
}

TEST(AudioCommands, InputPercentSignsAreDoubled) {
  Form form = AudioForm(kNoMux);
  form.SetText(C::Input, "D:\\50% off\\clip.avs");
  const Lines lines = AudioCommands(form, 0);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("bepipe.exe --script \"import(^D:\\50%% off\\clip.avs^)\" | ", 0), 0u);
}

TEST(MuxCommands, EachMuxerWritesItsLines) {
  const std::string mp4Audio = "\"D:\\v\\clip.audio.mp4\"";
  const std::string aacAudio = "\"D:\\v\\clip.audio.aac\"";
  const struct {
    int muxer;
    std::string audio;
    Lines expected;
  } cases[] = {
      {0, mp4Audio,
       {"mp4box.exe -add \"D:\\v\\clip.audio.mp4\" \"D:\\v\\clip.mp4\"",
        "if not errorlevel 1 del \"D:\\v\\clip.audio.mp4\""}},
      {1, mp4Audio,
       {"mp4creator.exe -create=\"D:\\v\\clip.audio.mp4\" \"D:\\v\\clip.mp4\"",
        "if not errorlevel 1 del \"D:\\v\\clip.audio.mp4\""}},
      {2, aacAudio,
       {"mkvmerge -o \"D:\\v\\clip.mkv\" \"D:\\v\\clip.mp4\" \"D:\\v\\clip.audio.aac\"",
        "if not errorlevel 1 del \"D:\\v\\clip.audio.aac\"", "if exist \"D:\\v\\clip.mkv\" del \"D:\\v\\clip.mp4\""}},
      {3, mp4Audio, {}},
      {4, mp4Audio, {}},
      {-1, mp4Audio, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(MuxCommands(AudioForm(c.muxer), c.audio), c.expected) << c.muxer;
}

TEST(MuxCommands, MatroskaNameNeverEqualsTheOutput) {
  const std::string audio = "\"a.mp4\"";
  const struct {
    const char* output;
    Lines expected;
  } cases[] = {
      {"D:\\v\\clip.mkv",
       {"mkvmerge -o \"D:\\v\\clip.muxed.mkv\" \"D:\\v\\clip.mkv\" \"a.mp4\"", "if not errorlevel 1 del \"a.mp4\"",
        "if exist \"D:\\v\\clip.muxed.mkv\" del \"D:\\v\\clip.mkv\""}},
      {"D:\\v\\clip.MkV",
       {"mkvmerge -o \"D:\\v\\clip.muxed.mkv\" \"D:\\v\\clip.MkV\" \"a.mp4\"", "if not errorlevel 1 del \"a.mp4\"",
        "if exist \"D:\\v\\clip.muxed.mkv\" del \"D:\\v\\clip.MkV\""}},
      {"D:\\v\\clip",
       {"mkvmerge -o \"D:\\v\\clip.mkv\" \"D:\\v\\clip\" \"a.mp4\"", "if not errorlevel 1 del \"a.mp4\"",
        "if exist \"D:\\v\\clip.mkv\" del \"D:\\v\\clip\""}},
      {"D:\\100%\\clip.mp4",
       {"mkvmerge -o \"D:\\100%%\\clip.mkv\" \"D:\\100%%\\clip.mp4\" \"a.mp4\"", "if not errorlevel 1 del \"a.mp4\"",
        "if exist \"D:\\100%%\\clip.mkv\" del \"D:\\100%%\\clip.mp4\""}},
  };
  for (const auto& c : cases) EXPECT_EQ(MuxCommands(AudioForm(2, c.output), audio), c.expected) << c.output;
}

}  // namespace
}  // namespace qv
