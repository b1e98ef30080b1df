#pragma once
// "Calc": asks the calculator library for the video bitrate.

#include "ui/app.h"

namespace qv {

// Empties the clipboard, then calls the library's "rateplan" export with the
// audio bitrate (0 when "Audio" is off) and 0. The rate value field gets the
// result. A negative result means the user cancelled the calculator; a
// result below the mode's range, or a library or export that is missing, is
// said in a message: in all three the field keeps its text.
void CalculateBitrate(App& app);

}  // namespace qv
