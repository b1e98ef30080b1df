#pragma once
// The file pickers of the statistics file, the log file and the custom
// quantisation matrix. A cancelled statistics or log picker leaves its field
// as it was.

#include "ui/app.h"

namespace qv {

// An open requester in mode 4 (the fast first pass reads an existing
// statistics file), a save requester otherwise.
void PickStatsFile(App& app);

void PickLogFile(App& app);

// Runs whenever the "Quant:" box holds exactly "custom...": a chosen matrix
// file goes into the box in double quotes; a cancelled requester puts "flat",
// since "custom..." is no usable value.
void PickMatrix(App& app);

}  // namespace qv
