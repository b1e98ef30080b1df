#pragma once
// envprep's search path is the core's own, so that the window looks for x264
// where a batch will find it.

#include "text/search_path.h"
