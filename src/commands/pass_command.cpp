#include "commands/pass_command.h"

#include <vector>

#include "commands/batch_text.h"
#include "commands/option_builders.h"

namespace qv {
namespace {

using C = ControlId;

// One element of a mode part.
enum class Piece {
  FirstPassFlag,   // " -p 1"
  NthPassFlag,     // " -p 3" or " -p 2" by "Update Statsfile"
  Stats,           // the quoted stats file
  BitrateValue,    // " -B " + rate value
  QuantizerValue,  // " -q " + rate value
  CrfValue,        // " --crf " + rate value
  Ratios,
  Partitions,
  FastPartitions,
  Bitrate,         // the bitrate builder, a second " -B " in pass mode 0
  ShortQuantizerLimits,
  FullQuantizerLimits,
  ChromaMe,
  Subpel,
  FastSubpel,
  Vbv,
  VbvWithoutRatetol,
};

using P = Piece;

struct ModePart {
  std::vector<EncodeMode> passModes;
  std::vector<Piece> pieces;
};

// The mode part of each pass mode, in emission order. The rows differ in
// order and content on purpose: the encoder's output format depends on it.
// The automated modes 6, 7, 10 and 11 have no row: they never run as a pass.
const std::vector<ModePart>& ModeParts() {
  using M = EncodeMode;
  static const std::vector<ModePart> parts = {
      {{M::SinglePassBitrate},
       {P::BitrateValue, P::Ratios, P::Partitions, P::Bitrate, P::FullQuantizerLimits, P::Subpel, P::Vbv}},
      {{M::SinglePassQuantizer},
       {P::QuantizerValue, P::ShortQuantizerLimits, P::Partitions, P::ChromaMe, P::Subpel}},
      {{M::SinglePassCrf},
       {P::CrfValue, P::Partitions, P::Subpel, P::ChromaMe, P::FullQuantizerLimits, P::Ratios,
        P::VbvWithoutRatetol}},
      {{M::FirstPass},
       {P::FirstPassFlag, P::Stats, P::BitrateValue, P::ShortQuantizerLimits, P::Partitions, P::ChromaMe,
        P::Ratios, P::Subpel, P::Vbv}},
      {{M::FirstPassFast},
       {P::FirstPassFlag, P::Stats, P::BitrateValue, P::ShortQuantizerLimits, P::Ratios, P::FastPartitions,
        P::FastSubpel, P::Vbv}},
      {{M::NthPass, M::ConditionalDoublePassCrf},
       {P::NthPassFlag, P::Stats, P::BitrateValue, P::FullQuantizerLimits, P::Ratios, P::ChromaMe,
        P::Partitions, P::Subpel, P::Vbv}},
      {{M::FirstPassCrf, M::FirstPassCrfWithOutput},
       {P::Stats, P::FirstPassFlag, P::CrfValue, P::Partitions, P::ChromaMe, P::Ratios, P::Subpel,
        P::FullQuantizerLimits, P::Vbv}},
      {{M::FirstPassCrfFast},
       {P::Stats, P::FirstPassFlag, P::CrfValue, P::FastPartitions, P::FastSubpel, P::FullQuantizerLimits,
        P::Ratios, P::Vbv}},
  };
  return parts;
}

const std::vector<Piece>* FindModePart(EncodeMode passMode) {
  for (const ModePart& part : ModeParts()) {
    for (const EncodeMode mode : part.passModes) {
      if (mode == passMode) return &part.pieces;
    }
  }
  return nullptr;
}

std::string Quoted(const std::string& path) { return "\"" + BatchPath(path) + "\""; }

std::string PieceText(const Form& form, Piece piece, std::string_view rateValue) {
  const std::string rate(rateValue);
  switch (piece) {
    case P::FirstPassFlag: return " -p 1";
    case P::NthPassFlag: return form.Number(C::UpdateStats) != 0 ? " -p 3" : " -p 2";
    case P::Stats: return " --stats " + Quoted(form.Text(C::Stats));
    case P::BitrateValue: return " -B " + rate;
    case P::QuantizerValue: return " -q " + rate;
    case P::CrfValue: return " --crf " + rate;
    case P::Ratios: return RatioOptions(form);
    case P::Partitions: return PartitionOptions(form);
    case P::FastPartitions: return FastPartitionOptions(form);
    case P::Bitrate: return BitrateOption(rateValue);
    case P::ShortQuantizerLimits: return QuantizerLimitOptions(form, false);
    case P::FullQuantizerLimits: return QuantizerLimitOptions(form, true);
    case P::ChromaMe: return ChromaMeOption(form);
    case P::Subpel: return SubpelOption(form);
    case P::FastSubpel: return FastSubpelOption(form);
    case P::Vbv: return VbvOptions(form, false);
    case P::VbvWithoutRatetol: return VbvOptions(form, true);
  }
  return {};
}

using Builder = std::string (*)(const Form&);

// Every pass carries these, in this order, right after the fixed start.
constexpr Builder kCommonBuilders[] = {
    MatrixOption,     MiscOptions,      KeyframeOptions,      EntropyOptions, MotionSearchOption,
    SarOption,        ThreadRefOptions, NoiseReductionOption, DeblockOption,  BFrameOptions,
};

}  // namespace

std::string BuildPassCommand(const Form& form, EncodeMode passMode, std::string_view rateValue) {
  // An automated mode stands for two passes; it has no line of its own.
  const std::vector<Piece>* modePart = FindModePart(passMode);
  if (modePart == nullptr) return {};

  std::string line = "x264.exe --progress --no-psnr --no-ssim";
  for (const Builder builder : kCommonBuilders) line += builder(form);
  for (const Piece piece : *modePart) line += PieceText(form, piece, rateValue);

  line += WritesOutput(passMode) ? " -o " + Quoted(form.Text(C::Output)) + " " : std::string(" -o nul ");
  line += Quoted(form.Text(C::Input));
  if (form.Number(C::CreateLog) != 0) line += " 2>&1|teelog.exe " + Quoted(form.Text(C::Log));

  // Runs only when the size check on the line before failed.
  if (passMode == EncodeMode::ConditionalDoublePassCrf) line.insert(0, "if errorlevel 1 ");
  return line;
}

std::string SizeCheckCommand(const Form& form) {
  return "mensura.exe " + form.Text(C::MinSize) + " " + form.Text(C::MaxSize) + " " +
         Quoted(form.Text(C::Output));
}

}  // namespace qv
