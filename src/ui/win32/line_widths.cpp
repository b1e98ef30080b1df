#include "ui/win32/line_widths.h"

#include <algorithm>
#include <array>

#include "text/wide_text.h"

namespace qv::win32 {
namespace {

constexpr wchar_t kFirstPlain = 0x20;
constexpr wchar_t kLastPlain = 0x7E;

// A line of printable ASCII characters alone is as wide as their advance
// widths together: a table look-up per character instead of a call to the
// system per line, for tens of thousands of lines. Other lines are measured.
class LineMeasure {
 public:
  explicit LineMeasure(HDC dc) : dc_(dc) {
    if (!GetCharWidth32W(dc, kFirstPlain, kLastPlain, plain_.data())) plain_.fill(-1);
  }
  int Width(const std::string& line) const {
    int width = 0;
    for (const char c : line) {
      const auto code = static_cast<unsigned char>(c);
      if (code < kFirstPlain || code > kLastPlain || plain_[code - kFirstPlain] < 0) return Measured(line);
      width += plain_[code - kFirstPlain];
    }
    return width;
  }

 private:
  int Measured(const std::string& line) const {
    const std::wstring text = Widen(line);
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  HDC dc_;
  std::array<int, kLastPlain - kFirstPlain + 1> plain_{};
};

}  // namespace

void LineWidths::MeasureAll(HWND list, const std::vector<std::string>& lines) {
  Cleared();
  measured_ = true;
  Inserted(list, lines, 0, static_cast<int>(lines.size()));
}

void LineWidths::Inserted(HWND list, const std::vector<std::string>& lines, int index, int count) {
  std::vector<int> widths(static_cast<std::size_t>(count));
  HDC dc = GetDC(list);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
  const LineMeasure measure(dc);
  for (int k = 0; k < count; ++k) {
    const int width = measure.Width(lines[static_cast<std::size_t>(index + k)]);
    widths[static_cast<std::size_t>(k)] = width;
    widest_ = std::max<int>(widest_, width);
  }
  if (previous) SelectObject(dc, previous);
  ReleaseDC(list, dc);
  widths_.insert(widths_.begin() + index, widths.begin(), widths.end());
}

void LineWidths::Removed(int index) {
  const int width = widths_[static_cast<std::size_t>(index)];
  widths_.erase(widths_.begin() + index);
  if (width == widest_) widest_ = widths_.empty() ? 0 : *std::max_element(widths_.begin(), widths_.end());
}

void LineWidths::Cleared() {
  widths_.clear();
  widest_ = 0;
}

}  // namespace qv::win32
