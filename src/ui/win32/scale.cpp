#include "ui/win32/scale.h"

#include <windows.h>

namespace qv::win32 {

int Scale::operator()(int pixelsAt96) const { return MulDiv(pixelsAt96, dpi, 96); }

Scale SystemScale() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return Scale{dpi > 0 ? dpi : 96};
}

}  // namespace qv::win32
