#pragma once
// The buttons that would lose what the user has: each asks first, naming
// what goes, and does nothing on No.

#include "ui/app.h"

namespace qv {

void ClearJobListAsking(App& app);      // "Clear"; nothing to ask for an empty list
void LoadBuiltInDefaultsAsking(App& app);  // "Load Default"

}  // namespace qv
