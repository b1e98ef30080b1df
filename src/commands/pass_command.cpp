#include "commands/pass_command.h"

#include "text/batch_text.h"
#include "commands/option_builders.h"
#include "settings/batch_values.h"
#include "catalog/encode_modes.h"

namespace qv {
namespace {

using C = ControlId;

using P = ModePiece;

std::string PieceText(const Form& form, X264Syntax syntax, const DialectSyntax& dialect, ModePiece piece,
                      std::string_view rateValue) {
  const std::string rate(rateValue);
  switch (piece) {
    case P::FirstPassFlag: return std::string(FragmentText(syntax, SyntaxFragment::FullFirstPass));
    case P::FastFirstPassFlag: return " -p 1";
    case P::NthPassFlag: return form.Number(C::UpdateStats) != 0 ? " -p 3" : " -p 2";
    case P::Stats: return " --stats " + dialect.quote(form.Text(C::Stats));
    case P::BitrateValue: return " -B " + rate;
    case P::QuantizerValue: return " -q " + rate;
    case P::CrfValue: return " --crf " + rate;
    case P::Ratios: return RatioOptions(form);
    case P::Partitions: return PartitionOptions(form, syntax);
    case P::FastPartitions: return FastPartitionOptions(form);
    case P::Bitrate: return BitrateOption(rateValue);
    case P::ShortQuantizerLimits: return QuantizerLimitOptions(form, false);
    case P::FullQuantizerLimits: return QuantizerLimitOptions(form, true);
    case P::ChromaMe: return ChromaMeOption(form);
    case P::Subpel: return SubpelOption(form, syntax);
    case P::FastSubpel: return FastSubpelOption(form);
    case P::Vbv: return VbvOptions(form, false);
    case P::VbvWithoutRatetol: return VbvOptions(form, true);
    case P::None: break;
  }
  return {};
}

using Builder = std::string (*)(const Form&, X264Syntax);

// A builder whose fragment both syntaxes write alike.
template <std::string (*Build)(const Form&)>
std::string Alike(const Form& form, X264Syntax) {
  return Build(form);
}

// Every pass carries these, in this order, after the fixed start and the
// matrix.
constexpr Builder kCommonBuilders[] = {
    MiscOptions,   Alike<KeyframeOptions>,      EntropyOptions,
    Alike<MotionSearchOption>, Alike<SarOption>, Alike<ThreadRefOptions>, Alike<NoiseReductionOption>,
    DeblockOption,       BFrameOptions,
};

}  // namespace

std::string BuildPassCommand(const Form& form, X264Syntax syntax, EncodeMode passMode, std::string_view rateValue,
                             ScriptDialect dialectName, std::string_view output) {
  const EncodeModeSpec& mode = EncodeModeRow(passMode);
  // An automated mode stands for two passes; it has no line of its own.
  if (mode.pieces[0] == P::None) return {};
  const DialectSyntax& dialect = Dialect(dialectName);

  // The start fragments name the command interpreter's program.
  constexpr std::string_view kProgram = "x264.exe";
  std::string line(dialect.x264);
  line += FragmentText(syntax, SyntaxFragment::Start).substr(kProgram.size());
  line += MatrixOption(form, dialect.quote);
  for (const Builder builder : kCommonBuilders) line += builder(form, syntax);
  for (const ModePiece piece : mode.pieces) line += PieceText(form, syntax, dialect, piece, rateValue);

  line += " -o ";
  if ((mode.traits & kDiscardsOutput) != 0) {
    line += dialect.nullOutput;
  } else {
    line += dialect.quote(output.empty() ? std::string_view(form.Text(C::Output)) : output);
  }
  line += " " + dialect.quote(form.Text(C::Input));
  if (form.Number(C::CreateLog) != 0) line += dialect.logTo + dialect.quote(form.Text(C::Log));

  // Runs only when the size check on the line before failed.
  if ((mode.traits & kRunsIfSizeOff) != 0 && dialectName == ScriptDialect::Cmd) line.insert(0, "if errorlevel 1 ");
  return line;
}

std::string SizeCheckCommand(const Form& form) {
  return "mensura.exe " + BatchNumber(form, C::MinSize) + " " + BatchNumber(form, C::MaxSize) + " " +
         BatchQuoted(form.Text(C::Output));
}

}  // namespace qv
