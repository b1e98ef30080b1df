#include "ui/win32/banner.h"

#include <algorithm>
#include <cstdint>

namespace qv::win32 {
namespace {

struct Rgb {
  int r, g, b;
};

std::uint32_t Mix(Rgb a, Rgb b, int num, int den) {
  const auto channel = [&](int x, int y) { return static_cast<std::uint32_t>(x + (y - x) * num / den); };
  return channel(a.r, b.r) << 16 | channel(a.g, b.g) << 8 | channel(a.b, b.b);
}

// A diagonal gradient from night blue to teal, crossed by faint bands that
// suggest motion, with a strip of film perforations along the top and bottom.
void PaintBackground(std::uint32_t* pixels, int width, int height) {
  const Rgb from{18, 36, 92};
  const Rgb to{10, 150, 140};
  const int span = width + height;
  const int hole = std::max(2, height / 12);
  const int pitch = hole * 3;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint32_t colour = Mix(from, to, x + y, span);
      if (((x + 2 * y) / std::max(1, height / 3)) % 5 == 0) colour += 0x0a0a0a;
      const bool border = y < hole * 2 || y >= height - hole * 2;
      const bool perforation = (y >= hole / 2 && y < hole * 3 / 2) || (y >= height - hole * 3 / 2 && y < height - hole / 2);
      if (border) colour = 0x101418;
      if (border && perforation && x % pitch >= hole / 2 && x % pitch < hole * 3 / 2) colour = 0xd8e0e8;
      pixels[y * width + x] = colour;
    }
  }
}

void PaintText(HDC dc, int width, const wchar_t* text, int top, int bottom, int size, int weight,
               COLORREF colour) {
  HFONT font = CreateFontW(-size, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
  HGDIOBJ previous = SelectObject(dc, font);
  SetTextColor(dc, colour);
  RECT box{0, top, width, bottom};
  DrawTextW(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  DeleteObject(font);
}

}  // namespace

HBITMAP DrawBanner(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) return nullptr;
  PaintBackground(static_cast<std::uint32_t*>(bits), width, height);

  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  SetBkMode(dc, TRANSPARENT);
  const int band = height / 6;
  PaintText(dc, width, L"quorvelan", band, height * 2 / 3, height * 2 / 5, FW_BOLD, RGB(255, 255, 255));
  PaintText(dc, width, L"encoder batch files", height * 3 / 5, height - band, height / 6, FW_NORMAL,
            RGB(200, 235, 230));
  SelectObject(dc, previous);
  DeleteDC(dc);
  GdiFlush();
  return bitmap;
}

}  // namespace qv::win32
