#pragma once
// The nineteen x264 option builders. Each reads its settings from the form
// at the moment of the call and returns a fragment that is empty or starts
// with one blank; those that take a syntax write the fragments of
// x264_syntax.h in that syntax. `rateValue` stands for the rate value of the
// pass being built (the form's own `value` is never changed).

#include <string>
#include <string_view>

#include "commands/x264_syntax.h"
#include "form/form.h"

namespace qv {

// `quote` writes a matrix file's path.
std::string MatrixOption(const Form& form, std::string (*quote)(std::string_view path));
std::string RatioOptions(const Form& form);
std::string PartitionOptions(const Form& form, X264Syntax syntax);
std::string FastPartitionOptions(const Form& form);
std::string BitrateOption(std::string_view rateValue);
std::string QuantizerLimitOptions(const Form& form, bool withStepAndQcomp);
std::string ChromaMeOption(const Form& form);
std::string MotionSearchOption(const Form& form);
std::string SarOption(const Form& form);
std::string SubpelOption(const Form& form, X264Syntax syntax);
std::string FastSubpelOption(const Form& form);
std::string MiscOptions(const Form& form, X264Syntax syntax);
std::string KeyframeOptions(const Form& form);
std::string EntropyOptions(const Form& form, X264Syntax syntax);
std::string ThreadRefOptions(const Form& form);
std::string NoiseReductionOption(const Form& form);
std::string DeblockOption(const Form& form, X264Syntax syntax);
std::string BFrameOptions(const Form& form, X264Syntax syntax);
std::string VbvOptions(const Form& form, bool omitRatetol);

// A percentage text as the encoder's ratio: leading integer / 100 (+ 1 for
// ratios), through a 32-bit float, written with six decimals.
std::string PercentText(std::string_view text, bool plusOne);

}  // namespace qv
