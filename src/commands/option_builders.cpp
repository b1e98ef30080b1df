#include "commands/option_builders.h"

#include <cctype>
#include <cstdio>

#include "text/batch_text.h"
#include "text/leading_integer.h"

namespace qv {
namespace {

using C = ControlId;

bool On(const Form& form, ControlId id) { return form.Number(id) != 0; }

std::string TrimBlanks(std::string text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// The subpixel level is the first character of the "Partition decision"
// item, so "6(RDO)" and "6b(RDO on B-frames)" share level 6.
std::string SubpelLevel(const Form& form) {
  return form.Text(C::Subpel).substr(0, 1);
}

bool SubpelWithBRdo(const Form& form) {
  const int index = form.Number(C::Subpel);
  return index == 6 || index == 8;
}

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

std::string MatrixOption(const Form& form) {
  const std::string matrix = form.Text(C::Matrix);
  // Anything but the two preset names is a matrix file; a custom path may
  // carry "%", which a batch would expand.
  if (matrix == "flat" || matrix == "jvt") return " --cqm " + matrix;
  return " --cqmfile " + BatchPath(matrix);
}

std::string RatioOptions(const Form& form) {
  return " --ipratio " + PercentText(form.Text(C::Kfb), true) + " --pbratio " +
         PercentText(form.Text(C::Bfr), true);
}

std::string PartitionOptions(const Form& form) {
  return std::string(On(form, C::A1) ? " --8x8dct" : "") + " -A " + PartitionList(form, kPartitions);
}

std::string FastPartitionOptions(const Form& form) {
  return " -A " + PartitionList(form, kFastPartitions);
}

std::string BitrateOption(std::string_view rateValue) { return " -B " + std::string(rateValue); }

std::string QuantizerLimitOptions(const Form& form, bool withStepAndQcomp) {
  std::string fragment = " --qpmin " + form.Text(C::MinQp) + " --qpmax " + form.Text(C::MaxQp);
  if (withStepAndQcomp) {
    fragment += " --qpstep " + form.Text(C::QpStep) + " --qcomp " + PercentText(form.Text(C::Vbr), false);
  }
  return fragment;
}

std::string ChromaMeOption(const Form& form) {
  if (On(form, C::ChromaMe) || LeadingInteger(SubpelLevel(form)) <= 4) return {};
  return " --no-chroma-me";
}

std::string MotionSearchOption(const Form& form) {
  switch (form.Number(C::Method)) {
    case 0:
      return " --me dia";
    case 1:
      return " --me hex";
    case 2:
      return " --me umh --merange " + form.Text(C::Range);
    default:
      return " --me esa --merange " + form.Text(C::Range);
  }
}

std::string SarOption(const Form& form) {
  return " --sar " + TrimBlanks(form.Text(C::SarX)) + ":" + TrimBlanks(form.Text(C::SarY));
}

std::string SubpelOption(const Form& form) {
  std::string fragment = " -m " + SubpelLevel(form);
  if (SubpelWithBRdo(form)) fragment += " --b-rdo";
  return fragment;
}

std::string FastSubpelOption(const Form& form) {
  if (form.Number(C::Subpel) >= 3) return " -m 3";
  return " -m " + SubpelLevel(form);
}

std::string MiscOptions(const Form& form) {
  std::string fragment;
  if (!On(form, C::FastPSkip)) fragment += " --no-fast-pskip";
  if (!On(form, C::DctDecimate)) fragment += " --no-dct-decimate";
  if (On(form, C::ThreadInput)) fragment += " --thread-input";
  if (On(form, C::MixedRefs) && LeadingInteger(form.Text(C::Ref)) > 1) fragment += " --mixed-refs";
  return fragment;
}

std::string KeyframeOptions(const Form& form) {
  return " --scenecut " + form.Text(C::Sct) + " -I " + form.Text(C::MaxGop) + " -i " + form.Text(C::MinGop);
}

std::string EntropyOptions(const Form& form) {
  if (!On(form, C::Cabac)) return " --no-cabac";
  if (form.Number(C::Trellis) == 0) return {};
  return " -t " + form.Text(C::Trellis);
}

std::string ThreadRefOptions(const Form& form) {
  const std::string threads = form.Text(C::Threads);
  return " --threads " + (LeadingInteger(threads) == 0 ? std::string("auto") : threads) + " -r " +
         form.Text(C::Ref);
}

std::string NoiseReductionOption(const Form& form) { return " --nr " + form.Text(C::Nr); }

std::string DeblockOption(const Form& form) {
  if (!On(form, C::Deblock)) return " --nf";
  return " -f " + TrimBlanks(form.Text(C::StrengthValue)) + ":" + TrimBlanks(form.Text(C::ThresholdValue));
}

std::string BFrameOptions(const Form& form) {
  const std::string count = form.Text(C::MaxB);
  std::string fragment = " -b " + count;
  if (LeadingInteger(count) <= 0) return fragment;

  std::string direct = form.Text(C::DirectMode);
  for (char& c : direct) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  fragment += " --direct \"" + direct + "\"";
  if (On(form, C::BMe)) fragment += " --bime";
  if (!On(form, C::BAdapt)) fragment += " --no-b-adapt";
  fragment += " --b-bias " + form.Text(C::Bias);
  if (On(form, C::BRef)) fragment += " --b-pyramid";
  if (On(form, C::BWeighted)) fragment += " -w";
  return fragment;
}

std::string VbvOptions(const Form& form, bool omitRatetol) {
  std::string fragment;
  if (!omitRatetol) fragment = " --ratetol " + PercentText(form.Text(C::Bv), false);
  fragment += " --vbv-init " + form.Text(C::Vib) + " --vbv-bufsize " + form.Text(C::Vbs) +
              " --vbv-maxrate " + form.Text(C::Vmb);
  return fragment;
}

}  // namespace qv
