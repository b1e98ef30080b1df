#pragma once
// The banner picture of the "Bitrate" page, drawn at start-up at the size the
// page shows it, so that it stays sharp at every DPI.

#include <windows.h>

namespace qv::win32 {

// A device-independent bitmap of width x height pixels; nullptr on failure.
HBITMAP DrawBanner(int width, int height);

}  // namespace qv::win32
