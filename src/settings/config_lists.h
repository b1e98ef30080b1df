#pragma once
// The config-name list and the include-script list, filled from folders
// beside the program.

#include <string>

#include "form/form.h"
#include "platform/platform.h"

namespace qv {

// Refills both lists (config names from "configs\*.ini", include scripts
// from "avsinc\*.avs", the folder start-up creates; base names of files
// only). No config name is selected; the include script chosen before stays
// chosen while it is listed, else the first one listed is.
void RefreshConfigLists(Form& form, const platform::Platform& platform);

// Refills the config-name list alone (after "S").
void RefreshConfigNames(Form& form, const platform::Platform& platform);

// Selects every entry of `list` equal to `name` byte for byte (the last one
// stays selected); an empty or unknown name keeps the selection.
void SelectEntryNamed(Form& form, ControlId list, const std::string& name);

// The file name without folder, minus its last extension and that dot.
std::string BaseName(const std::string& fileName);

}  // namespace qv
