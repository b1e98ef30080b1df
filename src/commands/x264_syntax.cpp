#include "commands/x264_syntax.h"

namespace qv {
namespace {

using F = SyntaxFragment;

struct FragmentRow {
  SyntaxFragment fragment;
  const char* classic;
  const char* current;
};

// Today's texts are those of `x264 --fullhelp` (0.164). Where today's x264
// turns an option on by default, the current form writes the form's "off";
// the classic form leaves it out as before.
// clang-format off
constexpr FragmentRow kFragments[] = {
  // Progress is shown by default; --progress, --no-psnr and --no-ssim are gone.
  {F::Start,        "x264.exe --progress --no-psnr --no-ssim", "x264.exe"},
  // 8x8 transform, mixed references, trellis 1, weighted B-prediction and a
  // B-pyramid became defaults.
  {F::Dct8x8Off,    "",               " --no-8x8dct"},
  {F::MixedRefsOn,  " --mixed-refs",  ""},
  {F::MixedRefsOff, "",               " --no-mixed-refs"},
  {F::TrellisOff,   "",               " -t 0"},
  // Renamed; the short names are no longer documented.
  {F::DeblockOff,   " --nf",          " --no-deblock"},
  // Bidirectional motion refinement is always on since 2008; the option is gone.
  {F::BMotionOn,    " --bime",        ""},
  {F::BAdaptOff,    " --no-b-adapt",  " --b-adapt 0"},
  // --b-pyramid takes a mode; a bare one would swallow the next option.
  {F::BPyramidOn,   " --b-pyramid",   " --b-pyramid normal"},
  {F::BPyramidOff,  "",               " --b-pyramid none"},
  {F::WeightedBOn,  " -w",            ""},
  {F::WeightedBOff, "",               " --no-weightb"},
  // --b-rdo went into the subpel levels: RD on B-frames is level 7, and the
  // old level 7's RD refinement is level 8.
  {F::Subpel7,      " -m 7",          " -m 8"},
  {F::Subpel6BRdo,  " -m 6 --b-rdo",  " -m 7"},
  {F::Subpel7BRdo,  " -m 7 --b-rdo",  " -m 8"},
  // Today's x264 runs a first pass with fast settings unless told otherwise;
  // only the "(fast)" modes' first passes may run so.
  {F::FullFirstPass, " -p 1",         " -p 1 --slow-firstpass"},
  // MB-tree (since 2009) is off at --qcomp 1.0 and on in a first pass that
  // leaves --qcomp out; a second pass refuses statistics made with the other
  // setting, so every pass turns it off.
  {F::MbTreeOff,    "",               " --no-mbtree"},
};
// clang-format on

}  // namespace

std::string_view FragmentText(X264Syntax syntax, SyntaxFragment fragment) {
  for (const FragmentRow& row : kFragments) {
    if (row.fragment == fragment) return syntax == X264Syntax::Classic ? row.classic : row.current;
  }
  return {};
}

}  // namespace qv
