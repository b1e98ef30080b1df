#pragma once
// The x264 syntax that new jobs are written in.

#include "commands/x264_syntax.h"
#include "ui/app.h"

namespace qv {

// The drop-down's choice; for "auto", the syntax of the x264 that a batch
// will run. That x264 is looked for once per session, at the first job
// (not at start-up, which it would slow down), and the window shows it.
X264Syntax JobSyntax(App& app);

}  // namespace qv
