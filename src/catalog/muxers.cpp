#include "catalog/muxers.h"

#include "catalog/table_rows.h"

namespace qv {
namespace {

// The audio file goes only after a mux that succeeded; the x264 output only
// after a merge that ended with at most warnings (mkvmerge: 0 success,
// 1 warnings, 2 error) and once the Matroska file that replaces it exists:
// a merge that fails on a full disk leaves a partial Matroska file behind.
// The clean-up lines are the command interpreter's own commands, so they take
// the paths in its form.
// clang-format off
constexpr MuxerSpec kMuxers[kMuxerCount] = {
  {"MP4Box", false, {"mp4box.exe -add {audio} {output}", "if not errorlevel 1 del {audio:cmd}"},
   "MP4Box -add {audio} {output}", 0, nullptr, false, {"mp4box.exe", ArgumentReading::Unicode}},
  {"MP4Creator", false, {"mp4creator.exe -create={audio} {output}", "if not errorlevel 1 del {audio:cmd}"},
   nullptr, 0, nullptr, true, {"mp4creator.exe", ArgumentReading::Ansi}},
  {"MKVMerge", false,
   {"mkvmerge -o {mkv} {output} {audio}", "if not errorlevel 1 del {audio:cmd}",
    "if not errorlevel 2 if exist {mkv:cmd} del {output:cmd}"},
   "mkvmerge -o {mkv} {output} {audio}", 1, "mkv", false, {"mkvmerge", ArgumentReading::Unicode}},
  {"No mux", false, {}, nullptr, 0, nullptr, false, {}},
  {"Audio Only", true, {}, nullptr, 0, nullptr, false, {}},
};
// clang-format on

}  // namespace

constexpr std::array<const char*, kMuxerCount> kMuxerTexts = ListTexts(kMuxers);

const MuxerSpec* FindMuxer(int index) { return RowAt(kMuxers, index); }

}  // namespace qv
