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
  EXPECT_TRUE(AudioCommands(AudioForm(0), -1).empty());
  EXPECT_TRUE(AudioCommands(AudioForm(0), 7).empty());
}

// The audio file is named after the output (other endings are path-part
// cases); "%" doubled in both the input and the audio file.
TEST(AudioCommands, PercentSignsAreDoubledInBothPaths) {
  Form form = AudioForm(kNoMux, "D:\\50% off\\clip.mkv");
  form.SetText(C::Input, "D:\\50% off\\clip.avs");
  EXPECT_EQ(AudioCommands(form, 0), Lines{"bepipe.exe --script \"import(^D:\\50%% off\\clip.avs^)\" | enc_aacplus.exe - "
                                          "\"D:\\50%% off\\clip.audio.aac\" --cbr 64000"});
}

// Each muxer's lines; the Matroska name never equals the output.
TEST(MuxCommands, EachMuxerWritesItsLines) {
  const std::string mp4 = "\"D:\\v\\clip.audio.mp4\"", aac = "\"D:\\v\\clip.audio.aac\"", a = "\"a.mp4\"";
  const std::string clip = "D:\\v\\clip.mp4";
  const struct {
    int muxer;
    std::string output, audio;
    Lines expected;
  } cases[] = {
      {0, clip, mp4, {"mp4box.exe -add " + mp4 + " \"D:\\v\\clip.mp4\"", "if not errorlevel 1 del " + mp4}},
      {1, clip, mp4, {"mp4creator.exe -create=" + mp4 + " \"D:\\v\\clip.mp4\"", "if not errorlevel 1 del " + mp4}},
      {2, clip, aac,
       {"mkvmerge -o \"D:\\v\\clip.mkv\" \"D:\\v\\clip.mp4\" " + aac, "if not errorlevel 1 del " + aac,
        "if exist \"D:\\v\\clip.mkv\" del \"D:\\v\\clip.mp4\""}},
      {3, clip, mp4, {}},
      {4, clip, mp4, {}},
      {-1, clip, mp4, {}},
      {2, "D:\\v\\clip.mkv", a,
       {"mkvmerge -o \"D:\\v\\clip.muxed.mkv\" \"D:\\v\\clip.mkv\" \"a.mp4\"", "if not errorlevel 1 del \"a.mp4\"",
        "if exist \"D:\\v\\clip.muxed.mkv\" del \"D:\\v\\clip.mkv\""}},
      {2, "D:\\v\\clip.MkV", a,
       {"mkvmerge -o \"D:\\v\\clip.muxed.mkv\" \"D:\\v\\clip.MkV\" \"a.mp4\"", "if not errorlevel 1 del \"a.mp4\"",
        "if exist \"D:\\v\\clip.muxed.mkv\" del \"D:\\v\\clip.MkV\""}},
      {2, "D:\\100%\\clip.mp4", a,
       {"mkvmerge -o \"D:\\100%%\\clip.mkv\" \"D:\\100%%\\clip.mp4\" \"a.mp4\"", "if not errorlevel 1 del \"a.mp4\"",
        "if exist \"D:\\100%%\\clip.mkv\" del \"D:\\100%%\\clip.mp4\""}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MuxCommands(AudioForm(c.muxer, c.output.c_str()), c.audio), c.expected) << c.muxer << c.output;
  }
}

}  // namespace
}  // namespace qv
