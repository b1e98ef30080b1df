#include "ui/calculator.h"

#include <string>

#include "text/leading_integer.h"

namespace qv {
namespace {

constexpr const char* kCalculatorExport = "rateplan";

}  // namespace

void CalculateBitrate(App& app) {
  app.platform.clipboard.SetText("");
  const std::int32_t audioBitrate =
      app.form.Number(ControlId::Audio) != 0 ? LeadingInteger(app.form.Text(ControlId::AudioBitrate)) : 0;
  std::int32_t videoBitrate = 0;
  if (app.calculator) {
    videoBitrate = app.platform.libraries.CallIntInt(app.calculator, kCalculatorExport, audioBitrate, 0).value_or(0);
  }
  if (videoBitrate < 0) return;
  app.form.SetText(ControlId::Value, std::to_string(videoBitrate));
}

}  // namespace qv
