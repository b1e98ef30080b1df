#pragma once
// The two forms of x264 option text: the one that builds of 2006 to 2008
// read, and the one that builds since 2010 read. They differ only in the
// fragments listed here; every other fragment is written alike in both.

#include <cstdint>
#include <string_view>

#include "catalog/x264_lists.h"

namespace qv {

enum class SyntaxFragment : std::uint8_t {
  Start,           // the program and the options that every line starts with
  Dct8x8Off,       // "8x8 Transform" off
  MixedRefsOn,     // "Mixed Refs" on, with more than one reference
  MixedRefsOff,    // "Mixed Refs" off, with more than one reference
  TrellisOff,      // no trellis, also without CABAC
  DeblockOff,
  BMotionOn,       // "Bidirectional ME"
  BAdaptOff,
  BPyramidOn,      // B-frames "Use as references"
  BPyramidOff,     // not, with two or more B-frames
  WeightedBOn,
  WeightedBOff,    // with B-frames
  Subpel7,         // "7(Best)"
  Subpel6BRdo,     // "6b(RDO on B-frames)"
  Subpel7BRdo,     // "7b(RDO on B-frames)"
  FullFirstPass,   // the pass flag of a first pass that is not one of the "(fast)" modes
  MbTreeOff,       // with "Quantizer Comp" at 100%
};

std::string_view FragmentText(X264Syntax syntax, SyntaxFragment fragment);

}  // namespace qv
