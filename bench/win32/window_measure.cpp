// Measures the window against its performance targets (run by hand, see
// measure_window.sh; no test asserts on time):
//   - start-up until the window is shown, against a bare Win32 program that
//     shows an empty window, in the same Wine prefix;
//   - private memory after start-up;
//   - "Files input" with 10,000 inputs, until their job lines are in the list.

#include <windows.h>
#include <psapi.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "form/control_table.h"
#include "host_path.h"
#include "program_driver.h"

namespace {

using qvtest::ProgramDriver;

std::string quorvelanExe;  // the program measured, as Wine sees its path

struct Shown {
  double milliseconds;
  HWND window;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<std::pair<DWORD, HWND>*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->first || !IsWindowVisible(window)) return TRUE;
  search->second = window;
  return FALSE;
}

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Starts `program` in `folder` and polls until it shows a window; closes it again.
double TimeToWindow(const std::string& program, const std::string& folder, SIZE_T* privateBytes) {
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  const double start = Now();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &process)) {
    return -1;
  }
  std::pair<DWORD, HWND> search{process.dwProcessId, nullptr};
  while (!search.second && Now() - start < 60000) {
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
  }
  const double shown = Now() - start;
  if (privateBytes) {
    Sleep(1000);
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    *privateBytes = counters.PrivateUsage;
  }
  if (search.second) PostMessageA(search.second, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return shown;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void MeasureStartUp(const std::string& bare, const std::string& bareV6, int runs) {
  ProgramDriver folder(quorvelanExe);  // a program folder with quorvelan.exe in it
  std::vector<double> program, empty, emptyV6;
  SIZE_T privateBytes = 0;
  TimeToWindow(folder.Folder() + "quorvelan.exe", folder.Folder(), nullptr);  // first run creates the folders
  for (int i = 0; i < runs; ++i) {
    empty.push_back(TimeToWindow(bare, folder.Folder(), nullptr));
    emptyV6.push_back(TimeToWindow(bareV6, folder.Folder(), nullptr));
    program.push_back(TimeToWindow(folder.Folder() + "quorvelan.exe", folder.Folder(), &privateBytes));
  }
  const double p = Median(program), e = Median(empty), v6 = Median(emptyV6);
  std::printf("start-up to window shown, median of %d: quorvelan %.0f ms, bare window %.0f ms (ratio %.2f), "
              "bare window with common controls v6 %.0f ms (ratio %.2f)\n",
              runs, p, e, p / e, v6, p / v6);
  // Wine reports 0 here; measure_window.sh reads the figure from Linux as well.
  std::printf("private bytes after start-up, as the system reports them: %.1f MB\n",
              static_cast<double>(privateBytes) / (1024.0 * 1024.0));
}

void MeasureFilesInput(int inputs) {
  ProgramDriver program(quorvelanExe);
  const std::string media = program.Folder() + "media\\";
  CreateDirectoryA(media.c_str(), nullptr);
  std::string names;
  for (int i = 0; i < inputs; ++i) {
    char name[32];
    std::snprintf(name, sizeof(name), "c%05d.avs", i);
    std::ofstream(media + name);
    names += std::string("\"") + name + "\" ";
  }
  if (!program.Start()) return;
  program.Pick(qv::ControlId::Mode, 13);  // six lines a job
  program.ClickOpeningDialog(qv::ControlId::FilesInput);
  HWND folderDialog = program.WaitForDialog("");
  program.PressDialogButton(folderDialog, IDOK);  // the program folder
  HWND files = program.WaitForDialog("Select some files");
  if (!files) return;
  program.OpenFolderInFileDialog(files, media);
  HWND edit = program.NameField(files);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(edit, EM_SETLIMITTEXT, 0, 0, SMTO_NORMAL, 60000, &ignored);
  SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(names.c_str()), SMTO_NORMAL, 60000, &ignored);
  const double start = Now();
  PostMessageA(GetDlgItem(files, IDOK), BM_CLICK, 0, 0);
  while (IsWindow(files) && IsWindowVisible(files)) Sleep(1);
  const double dialogClosed = Now() - start;
  program.Settle();
  const double handled = Now() - start;
  program.ShowPage(4);  // the job list, with every line in it
  const double elapsed = Now() - start;
  DWORD_PTR lines = 0;
  SendMessageTimeoutA(program.Control(qv::ControlId::JobList), LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 60000, &lines);
  std::printf("Files input with %d inputs: %d job-list lines in %.0f ms (file dialog closed after %.0f ms, "
              "handler done after %.0f ms, job page shown after %.0f ms)\n",
              inputs, static_cast<int>(lines), elapsed, dialogClosed, handled, elapsed);
  program.CloseWindow();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s quorvelan.exe bare_window.exe bare_window_v6.exe [runs] [inputs]\n", argv[0]);
    return 2;
  }
  quorvelanExe = HostPath(argv[1]);
  const int runs = argc > 4 ? std::atoi(argv[4]) : 10;
  const int inputs = argc > 5 ? std::atoi(argv[5]) : 10000;
  MeasureStartUp(HostPath(argv[2]), HostPath(argv[3]), runs);
  if (inputs > 0) MeasureFilesInput(inputs);
  return 0;
}
