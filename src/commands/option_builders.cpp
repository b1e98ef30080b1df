#include "commands/option_builders.h"

#include <cctype>
#include <cstdio>

#include "commands/x264_syntax.h"
#include "settings/batch_values.h"
#include "text/batch_text.h"
#include "text/leading_integer.h"

namespace qv {
namespace {

using C = ControlId;

bool On(const Form& form, ControlId id) { return form.Number(id) != 0; }

std::string Text(X264Syntax syntax, SyntaxFragment fragment) { return std::string(FragmentText(syntax, fragment)); }

// Nothing selected writes no level, as it always has.
std::string SubpelLevelText(const SubpelSpec* row) { return row != nullptr ? std::to_string(row->level) : std::string(); }


struct Partition {
  ControlId control;
  ControlId alsoNeeds;  // the partition is written only when this is on too
  const char* name;
};

// In the order the encoder's partition list is written.
const Partition kPartitions[] = {
    {C::A2, C::A2, "p8x8"}, {C::A4, C::A2, "p4x4"}, {C::A3, C::A3, "b8x8"},
    {C::A5, C::A1, "i8x8"}, {C::A6, C::A6, "i4x4"},
};
const Partition kFastPartitions[] = {
    {C::A2, C::A2, "p8x8"},
    {C::A6, C::A6, "i4x4"},
};

template <std::size_t N>
std::string PartitionList(const Form& form, const Partition (&partitions)[N]) {
  std::string list;
  for (const Partition& partition : partitions) {
    if (!On(form, partition.control) || !On(form, partition.alsoNeeds)) continue;
    if (!list.empty()) list += ',';
    list += partition.name;
  }
  return list.empty() ? "none" : list;
}

}  // namespace

std::string PercentText(std::string_view text, bool plusOne) {
  const double ratio = LeadingInteger(text) / 100.0 + (plusOne ? 1.0 : 0.0);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%f", static_cast<double>(static_cast<float>(ratio)));
  return buffer;
}

std::string MatrixOption(const Form& form, std::string (*quote)(std::string_view path)) {
  const MatrixChoice matrix = BatchMatrix(form);
  return matrix.file ? " --cqmfile " + quote(matrix.text) : " --cqm " + matrix.text;
}

std::string RatioOptions(const Form& form) {
  return " --ipratio " + PercentText(BatchNumber(form, C::Kfb), true) + " --pbratio " +
         PercentText(BatchNumber(form, C::Bfr), true);
}

std::string PartitionOptions(const Form& form, X264Syntax syntax) {
  const std::string dct = On(form, C::A1) ? " --8x8dct" : Text(syntax, SyntaxFragment::Dct8x8Off);
  return dct + " -A " + PartitionList(form, kPartitions);
}

std::string FastPartitionOptions(const Form& form) {
  return " -A " + PartitionList(form, kFastPartitions);
}

std::string BitrateOption(std::string_view rateValue) { return " -B " + std::string(rateValue); }

std::string QuantizerLimitOptions(const Form& form, bool withStepAndQcomp) {
  std::string fragment = " --qpmin " + BatchNumber(form, C::MinQp) + " --qpmax " + BatchNumber(form, C::MaxQp);
  if (withStepAndQcomp) {
    fragment += " --qpstep " + BatchNumber(form, C::QpStep) + " --qcomp " + PercentText(BatchNumber(form, C::Vbr), false);
  }
  return fragment;
}

std::string ChromaMeOption(const Form& form) {
  const SubpelSpec* subpel = FindSubpel(form.Number(C::Subpel));
  if (On(form, C::ChromaMe) || subpel == nullptr || subpel->level < kChromaMeChoiceLevel) return {};
  return " --no-chroma-me";
}

std::string MotionSearchOption(const Form& form) {
  // Nothing selected has always meant the last, exhaustive search.
  const MotionSearchSpec* row = FindMotionSearch(form.Number(C::Method));
  if (row == nullptr) row = FindMotionSearch(kMotionSearchCount - 1);
  std::string option = " --me " + std::string(row->method);
  if (row->takesRange) option += " --merange " + BatchNumber(form, C::Range);
  return option;
}

std::string SarOption(const Form& form) {
  return " --sar " + BatchNumber(form, C::SarX) + ":" + BatchNumber(form, C::SarY);
}

std::string SubpelOption(const Form& form, X264Syntax syntax) {
  // The levels that the two syntaxes number differently.
  const SubpelSpec* row = FindSubpel(form.Number(C::Subpel));
  if (row != nullptr && row->bFrameRdo) {
    return Text(syntax, row->level == 6 ? SyntaxFragment::Subpel6BRdo : SyntaxFragment::Subpel7BRdo);
  }
  if (row != nullptr && row->level == 7) return Text(syntax, SyntaxFragment::Subpel7);
  return " -m " + SubpelLevelText(row);
}

std::string FastSubpelOption(const Form& form) {
  const SubpelSpec* row = FindSubpel(form.Number(C::Subpel));
  if (row != nullptr && row->level > kFastFirstPassSubpelLevel) return " -m " + std::to_string(kFastFirstPassSubpelLevel);
  return " -m " + SubpelLevelText(row);
}

std::string MiscOptions(const Form& form, X264Syntax syntax) {
  std::string fragment;
  if (!On(form, C::FastPSkip)) fragment += " --no-fast-pskip";
  if (!On(form, C::DctDecimate)) fragment += " --no-dct-decimate";
  if (On(form, C::ThreadInput)) fragment += " --thread-input";
  if (LeadingInteger(BatchNumber(form, C::Vbr)) >= 100) fragment += Text(syntax, SyntaxFragment::MbTreeOff);
  if (LeadingInteger(BatchNumber(form, C::Ref)) > 1) {
    fragment += Text(syntax, On(form, C::MixedRefs) ? SyntaxFragment::MixedRefsOn : SyntaxFragment::MixedRefsOff);
  }
  return fragment;
}

std::string KeyframeOptions(const Form& form) {
  return " --scenecut " + BatchNumber(form, C::Sct) + " -I " + BatchNumber(form, C::MaxGop) + " -i " + BatchNumber(form, C::MinGop);
}

std::string EntropyOptions(const Form& form, X264Syntax syntax) {
  if (!On(form, C::Cabac)) return " --no-cabac" + Text(syntax, SyntaxFragment::TrellisOff);
  if (form.Number(C::Trellis) == 0) return Text(syntax, SyntaxFragment::TrellisOff);
  return " -t " + form.Text(C::Trellis);
}

std::string ThreadRefOptions(const Form& form) {
  const std::string threads = BatchNumber(form, C::Threads);
  return " --threads " + (LeadingInteger(threads) == 0 ? std::string("auto") : threads) + " -r " +
         BatchNumber(form, C::Ref);
}

std::string NoiseReductionOption(const Form& form) { return " --nr " + BatchNumber(form, C::Nr); }

std::string DeblockOption(const Form& form, X264Syntax syntax) {
  if (!On(form, C::Deblock)) return Text(syntax, SyntaxFragment::DeblockOff);
  return " -f " + BatchNumber(form, C::StrengthValue) + ":" + BatchNumber(form, C::ThresholdValue);
}

std::string BFrameOptions(const Form& form, X264Syntax syntax) {
  using F = SyntaxFragment;
  const std::string count = BatchNumber(form, C::MaxB);
  std::string fragment = " -b " + count;
  if (LeadingInteger(count) <= 0) return fragment;

  std::string direct = form.Text(C::DirectMode);
  for (char& c : direct) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  fragment += " --direct \"" + direct + "\"";
  if (On(form, C::BMe)) fragment += Text(syntax, F::BMotionOn);
  if (!On(form, C::BAdapt)) fragment += Text(syntax, F::BAdaptOff);
  fragment += " --b-bias " + BatchNumber(form, C::Bias);
  if (On(form, C::BRef)) {
    fragment += Text(syntax, F::BPyramidOn);
  } else if (LeadingInteger(count) >= 2) {
    fragment += Text(syntax, F::BPyramidOff);
  }
  fragment += Text(syntax, On(form, C::BWeighted) ? F::WeightedBOn : F::WeightedBOff);
  return fragment;
}

std::string VbvOptions(const Form& form, bool omitRatetol) {
  std::string fragment;
  if (!omitRatetol) fragment = " --ratetol " + PercentText(BatchNumber(form, C::Bv), false);
  const std::string maxRate = BatchNumber(form, C::Vmb);
  std::string bufferSize = BatchNumber(form, C::Vbs);
  // x264 ignores a maximum rate without a buffer, so "0=Auto" gives it a
  // buffer of one second at that rate.
  if (LeadingInteger(bufferSize) == 0 && LeadingInteger(maxRate) > 0) bufferSize = maxRate;
  fragment += " --vbv-init " + BatchNumber(form, C::Vib) + " --vbv-bufsize " + bufferSize + " --vbv-maxrate " + maxRate;
  return fragment;
}

}  // namespace qv
