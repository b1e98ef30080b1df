#pragma once
// The program's state between events: the form, the system, the calculator
// library, the x264 found and whether "Cancel" asked to end.

#include <optional>

#include "form/form.h"
#include "jobs/x264_probe.h"
#include "platform/platform.h"

namespace qv {

struct App {
  Form& form;
  const platform::Platform& platform;
  platform::Libraries::Handle calculator = nullptr;  // "rateplan.dll", may be absent
  bool quit = false;                                 // set by "Cancel"
  std::optional<X264Build> x264 = std::nullopt;      // looked for once, when "auto" first needs it
};

}  // namespace qv
