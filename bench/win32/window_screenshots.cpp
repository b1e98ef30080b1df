// Screenshots of the window's five pages as PNG files, for looking at the
// layout by eye (run by hand, see measure_window.sh):
//   window_screenshots quorvelan.exe FOLDER

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host_path.h"
#include "png_file.h"
#include "program_driver.h"

namespace {

// A PNG of the window as it is on the screen.
bool Screenshot(qvtest::ProgramDriver& program, const std::string& path) {
  HWND window = program.Window();
  program.Settle();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  program.Settle();
  Sleep(300);
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  GdiFlush();
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  const auto* pixels = static_cast<const std::uint8_t*>(bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
    rgb[i * 3] = pixels[i * 4 + 2];
    rgb[i * 3 + 1] = pixels[i * 4 + 1];
    rgb[i * 3 + 2] = pixels[i * 4];
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return qvtest::WritePng(path, width, height, rgb);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s quorvelan.exe FOLDER\n", argv[0]);
    return 2;
  }
  qvtest::ProgramDriver program(HostPath(argv[1]));
  if (!program.Start()) return 1;
  const std::string folder = HostPath(argv[2]);
  CreateDirectoryA(folder.c_str(), nullptr);
  const char* const pages[] = {"bitrate", "rate-control", "mbs-frames", "more", "job"};
  int failed = 0;
  for (int page = 0; page < 5; ++page) {
    program.ShowPage(page);
    const std::string path = folder + "\\" + std::to_string(page + 1) + "-" + pages[page] + ".png";
    if (!Screenshot(program, path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failed;
    }
  }
  program.CloseWindow();
  return failed == 0 ? 0 : 1;
}
