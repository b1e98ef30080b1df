#pragma once
// The layout is drawn at 96 DPI; the window scales it to the system DPI.

namespace qv::win32 {

struct Scale {
  int dpi = 96;
  int operator()(int pixelsAt96) const;
};

// The system DPI of the screen (the program declares itself system-DPI aware).
Scale SystemScale();

}  // namespace qv::win32
