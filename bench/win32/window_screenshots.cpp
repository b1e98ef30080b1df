// Screenshots of the window's five pages as PNG files, for looking at the
// layout by eye (run by hand, see measure_window.sh), and, given the folder
// of the helper tools and the x264 stand-in of the tests, of the queue view
// with a job in each state (the user guide's picture, queue_screenshot.sh):
//   window_screenshots quorvelan.exe FOLDER [TOOL_FOLDER STANDIN]

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host_path.h"
#include "png_file.h"
#include "program_driver.h"
#include "ui/win32/queue_window.h"

namespace {

// A PNG of `window` as it is on the screen, or of its client area alone.
bool Screenshot(qvtest::ProgramDriver& program, HWND window, const std::string& path, bool client = false) {
  program.Settle();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  program.Settle();
  Sleep(300);
  RECT frame{};
  GetWindowRect(window, &frame);
  if (client) {
    GetClientRect(window, &frame);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&frame), 2);
  }
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

void Write(const std::string& path, const std::string& bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return;
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fclose(out);
}

// The queue view while its queue runs: a job done, one failed with its
// lines, one running its first pass with progress, two waiting. Under
// Wine's command interpreter teelog.exe only hears of a step once its x264
// ended, so the running job waits in snooze.exe before its x264 lines, and
// this program writes the records of its first pass to the run channel
// (until "Stop now").
bool QueueScreenshot(const std::string& exe, const std::string& tools, const std::string& standin,
                     const std::string& path) {
  qvtest::ProgramDriver program(exe, {tools + "\\teelog.exe", tools + "\\snooze.exe"});
  CopyFileA(standin.c_str(), (program.Folder() + "x264.exe").c_str(), FALSE);
  const auto header = [](const std::string& name, const char* mode) {
    return "@echo Input:" + name + ".avs\r\n@echo Output:" + name + ".mp4\r\n@echo Encode Mode:" + mode + "\r\n";
  };
  // Each job's x264 lines, as "Make BAT" writes them for a single pass at
  // CRF 20 or two passes at 1,800 kbit/s.
  const auto passes = [](const std::string& name, bool twoPasses) {
    const std::string to = " \"" + name + ".avs\" 2>&1|teelog.exe \"" + name + ".txt\"\r\n";
    const std::string stats = " --stats \"" + name + ".stat\" -B 1800 -o ";
    return twoPasses ? "x264.exe -p 1" + stats + "nul" + to + "x264.exe -p 2" + stats + "\"" + name + ".mp4\"" + to
                     : "x264.exe --crf 20 -o \"" + name + ".mp4\"" + to;
  };
  const std::pair<const char*, const char*> scripts[] = {
      {"holiday-2019", "frames=1500\r\n#standin mb=41"}, {"interview", "x264=error"}, {"concert", ""},
      {"garden", ""}, {"lecture-03", ""}};
  for (const auto& [name, script] : scripts) {
    Write(program.Folder() + name + ".avs", std::string("Version()\r\n#standin ") + script + "\r\n");
  }
  std::string list = header("holiday-2019", "Single Pass - CRF") + passes("holiday-2019", false) +
                     header("interview", "Single Pass - CRF") + passes("interview", false) +
                     header("concert", "Automated Double Passes") + "@snooze.exe 600000\r\n" +
                     passes("concert", true) + header("garden", "Single Pass - CRF") + passes("garden", false) +
                     header("lecture-03", "Automated Double Passes") + passes("lecture-03", true);
  Write(program.Folder() + "quorvelan-jobs.txt", list);
  if (!program.Start()) return false;
  program.ShowPage(4);
  program.Click(qv::ControlId::JobStart);
  const auto failed = [](const std::vector<std::string>& rows) {
    return rows.size() == 5 && rows[1].find("| failed |") != std::string::npos;
  };
  for (int i = 0; i < 600 && !failed(program.QueueRows()); ++i) Sleep(100);
  const HANDLE channel = CreateFileA((program.Folder() + "temp.run").c_str(), FILE_APPEND_DATA,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
  const std::string records =
      "step concert.txt\nprogress [41.2%] 2472/6000 frames, 23.87 fps, 1843.20 kb/s, eta 0:02:28\n";
  DWORD written = 0;
  WriteFile(channel, records.data(), static_cast<DWORD>(records.size()), &written, nullptr);
  CloseHandle(channel);
  HWND queue = nullptr;
  for (int i = 0; i < 600; ++i, Sleep(100)) {
    queue = FindWindowA(qv::win32::kQueueWindowClass, nullptr);
    const std::vector<std::string> rows = program.QueueRows();
    if (rows.size() == 5 && rows[2].find("41.2") != std::string::npos) break;
  }
  // Above the batch's console window, wide enough for the notes.
  SetWindowPos(queue, HWND_TOPMOST, 0, 0, 1270, 210, SWP_SHOWWINDOW);
  Sleep(3000);  // the running job's elapsed time
  for (const std::string& row : program.QueueRows()) std::printf("%s\n", row.c_str());
  const bool shot = queue && Screenshot(program, queue, path, true);
  program.ClickQueueButton(qv::win32::kQueueStopNowId);
  for (int i = 0; i < 600 && program.Title() != "quorvelan"; ++i) Sleep(100);
  program.CloseWindow();
  return shot;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: %s quorvelan.exe FOLDER [TOOL_FOLDER STANDIN]\n", argv[0]);
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
    if (!Screenshot(program, program.Window(), path)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      ++failed;
    }
  }
  program.CloseWindow();
  if (argc == 5 && !QueueScreenshot(HostPath(argv[1]), HostPath(argv[3]), HostPath(argv[4]), folder + "\\queue-view.png")) {
    std::fprintf(stderr, "no screenshot of the queue view\n");
    ++failed;
  }
  return failed == 0 ? 0 : 1;
}
