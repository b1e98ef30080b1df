#pragma once
// The program's state between events: the form, the system, the calculator
// library and whether "Cancel" asked to end.

#include "form/form.h"
#include "platform/platform.h"

namespace qv {

struct App {
  Form& form;
  const platform::Platform& platform;
  platform::Libraries::Handle calculator = nullptr;  // "rateplan.dll", may be absent
  bool quit = false;                                 // set by "Cancel"
};

}  // namespace qv
