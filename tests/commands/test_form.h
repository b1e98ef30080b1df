#pragma once
// A form as a first start leaves it: every setting at its built-in value, or
// at the value a load gives when the built-in text lacks the key.

#include "form/form.h"

namespace qv::testing {

Form DefaultSettingsForm();

}  // namespace qv::testing
