#include "ui/calculator.h"

#include <optional>
#include <string>

#include "catalog/encode_modes.h"
#include "text/leading_integer.h"
#include "ui/failure_report.h"

namespace qv {
namespace {

constexpr const char* kCalculatorExport = "rateplan";

}  // namespace

void CalculateBitrate(App& app) {
  app.platform.clipboard.SetText("");
  const std::int32_t audioBitrate =
      app.form.Number(ControlId::Audio) != 0 ? LeadingInteger(app.form.Text(ControlId::AudioBitrate)) : 0;
  std::optional<std::int32_t> videoBitrate;
  if (app.calculator) {
    videoBitrate = app.platform.libraries.CallIntInt(app.calculator, kCalculatorExport, audioBitrate, 0);
  }
  const std::string keeps =
      "\"" + app.form.Text(ControlId::RateCaption) + "\" keeps " + app.form.Text(ControlId::Value) + ".";
  if (!videoBitrate) {
    ReportProblem(app.platform.dialogs, "The bitrate calculator rateplan.dll is missing beside the program, or has "
                                        "no function \"rateplan\": " + keeps);
    return;
  }
  if (*videoBitrate < 0) return;
  const int mode = app.form.Number(ControlId::Mode);
  if (*videoBitrate < RateRangeOf(mode).lo) {
    ReportProblem(app.platform.dialogs, "The calculator gave " + std::to_string(*videoBitrate) +
                                            " kbit/s, below the range " + RateRangeText(mode) +
                                            " of \"" + app.form.Text(ControlId::Mode) +
                                            "\": the size is too small for the duration. " + keeps);
    return;
  }
  app.form.SetText(ControlId::Value, std::to_string(*videoBitrate));
}

}  // namespace qv
