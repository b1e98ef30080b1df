// Measures the queue view under Wine (run by hand, see measure_window.sh; no
// test asserts on time):
//   - opening it on a queue of 10,000 jobs ("Start" pressed until the view
//     has painted), and scrolling its list view a page at a time, beside
//     bare_list_view.exe: the same list view with the same rows' texts made
//     beforehand;
//   - the program's processor time while a queue runs through teelog.exe and
//     the x264 stand-in, which prints its progress at a set pace, beside the
//     same program for the same time with no queue (from Linux's /proc, as
//     Wine sees it through its Z: drive).
//   queue_measure quorvelan.exe bare_list_view.exe TOOL_FOLDER STANDIN [JOBS] [SECONDS]

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "host_path.h"
#include "program_driver.h"
#include "ui/win32/queue_window.h"

namespace {

using qvtest::ProgramDriver;

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Paints what is invalid in `window` and its children now, in the thread
// that owns it; returns once it has.
void PaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// The times of `steps` page-down scroll steps of `list`, each painted.
std::vector<double> ScrollSteps(HWND list, int steps) {
  std::vector<double> times;
  DWORD_PTR ignored = 0;
  for (int i = 0; i < steps; ++i) {
    const double start = Now();
    SendMessageTimeoutW(list, WM_VSCROLL, SB_PAGEDOWN, 0, SMTO_NORMAL, 60000, &ignored);
    PaintNow(list);
    times.push_back(Now() - start);
  }
  return times;
}

std::string Job(int i) {
  char name[32];
  std::snprintf(name, sizeof name, "clip%05d", i);
  const std::string n = name;
  const std::string to = " \"" + n + ".avs\" 2>&1|teelog.exe \"" + n + ".txt\"\r\n";
  const std::string stats = " --stats \"" + n + ".stat\" -B 1800 -o ";
  return "@echo Input:" + n + ".avs\r\n@echo Output:" + n + ".mp4\r\n@echo Encode Mode:Automated Double Passes\r\n" +
         "x264.exe -p 1" + stats + "nul" + to + "x264.exe -p 2" + stats + "\"" + n + ".mp4\"" + to;
}

void MeasureView(const std::string& exe, const std::string& bare, const std::string& tools, int jobs, int steps) {
  // The batch waits in its first line: the view shows every job waiting.
  ProgramDriver program(exe, {tools + "\\snooze.exe"});
  std::string list = "@snooze.exe 600000\r\n";
  for (int i = 0; i < jobs; ++i) list += Job(i);
  std::ofstream(program.Folder() + "quorvelan-jobs.txt", std::ios::binary) << list;
  if (!program.Start()) return;
  program.ShowPage(4);
  double start = Now();
  program.Click(qv::ControlId::JobStart);
  const HWND queue = FindWindowA(qv::win32::kQueueWindowClass, nullptr);
  PaintNow(queue);
  const double opened = Now() - start;
  const HWND queueList = GetDlgItem(queue, qv::win32::kQueueListId);
  const std::vector<double> viewSteps = ScrollSteps(queueList, steps);
  DWORD_PTR rows = 0;
  SendMessageTimeoutW(queueList, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 60000, &rows);

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + bare + "\" " + std::to_string(jobs);
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return;
  }
  WaitForInputIdle(process.hProcess, 60000);
  HWND main = nullptr;
  for (int i = 0; i < 600 && !(main = FindWindowW(L"bare_main", nullptr)); ++i) Sleep(100);
  DWORD_PTR ignored = 0;
  start = Now();
  SendMessageTimeoutW(main, WM_APP, 0, 0, SMTO_NORMAL, 60000, &ignored);
  const HWND bareWindow = FindWindowW(L"bare_list", nullptr);
  PaintNow(bareWindow);
  const double bareOpened = Now() - start;
  const std::vector<double> bareSteps = ScrollSteps(FindWindowExW(bareWindow, nullptr, WC_LISTVIEWW, nullptr), steps);
  TerminateProcess(process.hProcess, 0);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);

  std::printf("queue view of %d jobs (%d rows): opened in %.0f ms (\"Start\" pressed until painted: the batch of "
              "%d lines written and started, the view built); a page's scroll step, median of %d: %.2f ms (max %.2f)\n",
              jobs, static_cast<int>(rows), opened, jobs * 5 + 1, steps, Median(viewSteps),
              *std::max_element(viewSteps.begin(), viewSteps.end()));
  std::printf("bare list view of the same rows' texts made beforehand: opened in %.0f ms; a page's scroll step "
              "%.2f ms (max %.2f); ratio of the steps %.2f\n",
              bareOpened, Median(bareSteps), *std::max_element(bareSteps.begin(), bareSteps.end()),
              Median(viewSteps) / Median(bareSteps));
  program.ClickQueueButton(qv::win32::kQueueStopNowId);
  program.CloseWindow();
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The processor time (user and system) that quorvelan.exe has used so far,
// in milliseconds, as Linux counts it: Wine's GetProcessTimes gives nothing
// for another process. The process is the one of that name in this Wine
// prefix (as its environment names it), of which there is one at a time.
double CpuMs() {
  char prefix[1024] = {};
  GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
  const std::string ours = std::string("WINEPREFIX=") + prefix;
  WIN32_FIND_DATAA entry{};
  const HANDLE search = FindFirstFileA("Z:\\proc\\*", &entry);
  double ms = -1;
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &entry)) {
    const std::string folder = std::string("Z:\\proc\\") + entry.cFileName + "\\";
    if (!std::isdigit(static_cast<unsigned char>(entry.cFileName[0])) ||
        ReadAll(folder + "cmdline").find("quorvelan.exe") == std::string::npos) {
      continue;
    }
    std::string environment = ReadAll(folder + "environ");
    std::replace(environment.begin(), environment.end(), '\0', '\n');
    if (("\n" + environment + "\n").find("\n" + ours + "\n") == std::string::npos) continue;
    const std::string stat = ReadAll(folder + "stat");
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 0; i < 13 && fields >> field; ++i) {
      if (i >= 11) ticks += std::atof(field.c_str());  // utime and stime, fields 14 and 15
    }
    ms = ticks * 10;  // 100 ticks a second
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return ms;
}

// The program's processor time over `seconds`, with a queue running (every
// job a stand-in x264 printing a progress line each 100 ms for 10 s) or
// idle.
double CpuOver(const std::string& exe, const std::string& tools, const std::string& standin, int seconds, bool queue,
               int jobs) {
  ProgramDriver program(exe, {tools + "\\teelog.exe"});
  CopyFileA(standin.c_str(), (program.Folder() + "x264.exe").c_str(), FALSE);
  std::ofstream(program.Folder() + "paced.avs", std::ios::binary) << "Version()\r\n#standin frames=100\r\n#standin pace=100\r\n";
  std::string list;
  for (int i = 0; i < jobs; ++i) {
    list += "@echo Input:paced.avs\r\n@echo Output:paced" + std::to_string(i) + ".mp4\r\n@echo Encode Mode:Single Pass - CRF\r\n"
            "x264.exe --crf 20 -o \"paced" + std::to_string(i) + ".mp4\" \"paced.avs\" 2>&1|teelog.exe \"paced" +
            std::to_string(i) + ".txt\"\r\n";
  }
  std::ofstream(program.Folder() + "quorvelan-jobs.txt", std::ios::binary) << list;
  if (!program.Start()) return -1;
  program.ShowPage(4);
  if (queue) program.Click(qv::ControlId::JobStart);
  Sleep(2000);
  const double before = CpuMs();
  Sleep(static_cast<DWORD>(seconds) * 1000);
  const double used = CpuMs() - before;
  if (queue) {
    std::printf("  rows at the end: ");
    for (const std::string& row : program.QueueRows()) {
      if (row.find("| waiting |") == std::string::npos) std::printf("[%s] ", row.substr(0, 60).c_str());
    }
    std::printf("\n");
    program.ClickQueueButton(qv::win32::kQueueStopNowId);
  }
  program.CloseWindow();
  return used;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s quorvelan.exe bare_list_view.exe TOOL_FOLDER STANDIN [JOBS] [SECONDS]\n", argv[0]);
    return 2;
  }
  const std::string exe = HostPath(argv[1]), tools = HostPath(argv[3]), standin = HostPath(argv[4]);
  const int jobs = argc > 5 ? std::atoi(argv[5]) : 10000;
  const int seconds = argc > 6 ? std::atoi(argv[6]) : 60;
  MeasureView(exe, HostPath(argv[2]), tools, jobs, 50);
  const double running = CpuOver(exe, tools, standin, seconds, true, jobs);
  const double idle = CpuOver(exe, tools, standin, seconds, false, jobs);
  std::printf("processor time of quorvelan.exe over %d s of a running queue of %d jobs: %.0f ms (%.3f%% of one core, "
              "%.0f ms a minute); the same program over %d s with no queue: %.0f ms (%.3f%%)\n",
              seconds, jobs, running, running / (10.0 * seconds), running * 60 / seconds, seconds, idle,
              idle / (10.0 * seconds));
  return 0;
}
