#include "jobs/read_back.h"

#include "text/batch_text.h"
#include "text/placeholders.h"
#include "text/wide_text.h"

namespace qv {
namespace {

struct EchoRow {
  const char* caption;
  ControlId field;
};
// In the order of JobEcho.
constexpr EchoRow kEchoes[] = {
    {"Input:", ControlId::Input}, {"Output:", ControlId::Output}, {"Encode Mode:", ControlId::Mode}};

constexpr std::string_view kWrapperStart = "fs=\"";

}  // namespace

std::vector<std::string> JobEchoLines(const Form& form, ScriptDialect dialect) {
  const DialectSyntax& syntax = Dialect(dialect);
  std::vector<std::string> lines;
  for (const EchoRow& echo : kEchoes) {
    lines.push_back(
        FillPlaceholders(syntax.echo, {{"{text}", syntax.echoQuote(echo.caption + form.Text(echo.field))}}));
  }
  return lines;
}

std::optional<std::string> JobEchoed(std::string_view line, JobEcho echo) {
  // The batch's echo line up to its text: "@echo " and the caption, which
  // BatchEcho leaves as it is.
  const std::string_view pattern = Dialect(ScriptDialect::Cmd).echo;
  const std::string_view command = pattern.substr(0, pattern.find('{'));
  const std::string_view caption = kEchoes[static_cast<int>(echo)].caption;
  if (line.substr(0, command.size()) != command || line.substr(command.size(), caption.size()) != caption) {
    return std::nullopt;
  }
  return BatchUnechoed(line.substr(command.size() + caption.size()));
}

bool StartsJob(std::string_view line) { return JobEchoed(line, JobEcho::Input).has_value(); }

// The import is relative to the avs folder, so the program folder may move.
// The script is UTF-8 without a byte-order mark, which AviSynth+ refuses; it
// takes the text of a script as it is, but reads a file name in the ANSI
// code page unless told "utf8=true".
std::string WrapperText(const std::string& source, const std::string& includeScript) {
  std::string text;
  text.reserve(source.size() + includeScript.size() + 60);
  text += kWrapperStart;
  text += source;
  text += "\"\r\nimport(\"..\\avsinc\\";
  text += includeScript;
  text += IsAscii(includeScript) ? ".avs\")\r\n" : ".avs\", utf8=true)\r\n";
  return text;
}

std::optional<std::string> WrapperTextSource(std::string_view text) {
  if (text.substr(0, kWrapperStart.size()) != kWrapperStart) return std::nullopt;
  const std::size_t close = text.find('"', kWrapperStart.size());
  if (close == std::string_view::npos) return std::nullopt;
  return std::string(text.substr(kWrapperStart.size(), close - kWrapperStart.size()));
}

bool IsAviSynthExtension(std::string_view extension) {
  constexpr std::string_view kAvs = "avs";
  if (extension.size() != kAvs.size()) return false;
  for (std::size_t i = 0; i < kAvs.size(); ++i) {
    if ((extension[i] | 0x20) != kAvs[i]) return false;
  }
  return true;
}

}  // namespace qv
