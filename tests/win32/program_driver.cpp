#include "program_driver.h"

#include <commctrl.h>
#include <shlobj.h>

#include "ui/win32/control_ids.h"
#include "ui/win32/queue_window.h"

namespace qvtest {
namespace {

constexpr DWORD kPatience = 60000;  // the machines that run this are slow and shared

// The window's texts as the model has them: UTF-8.
std::string Narrow(const std::wstring& wide) {
  std::string narrow(wide.size() * 4 + 1, '\0');
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), narrow.data(),
                                       static_cast<int>(narrow.size()), nullptr, nullptr);
  narrow.resize(static_cast<std::size_t>(size > 0 ? size : 0));
  return narrow;
}

std::wstring Widen(const std::string& utf8) {
  std::wstring wide(utf8.size() + 1, L'\0');
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), static_cast<int>(utf8.size()), wide.data(),
                                       static_cast<int>(wide.size()));
  wide.resize(static_cast<std::size_t>(size > 0 ? size : 0));
  return wide;
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kPatience, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, kPatience,
                      &copied);
  text.resize(copied);
  return Narrow(text);
}

// A visible top-level window of the process with this class (and title,
// unless it is null).
HWND FindProgramWindow(DWORD processId, const char* windowClass, const char* title) {
  for (HWND window = FindWindowExA(nullptr, nullptr, windowClass, title); window;
       window = FindWindowExA(nullptr, window, windowClass, title)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// Polls `done` until it holds or the patience runs out.
template <typename Condition>
bool AwaitThat(Condition done) {
  const ULONGLONG end = GetTickCount64() + kPatience;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    Sleep(20);
  }
  return true;
}

}  // namespace

ProgramDriver::ProgramDriver(const std::string& program, const std::vector<std::string>& tools)
    : scratch_(std::in_place, "window"), folder_(scratch_->path()) {
  CopyFileA(program.c_str(), (Folder() + "quorvelan.exe").c_str(), FALSE);
  for (const std::string& tool : tools) {
    CopyFileA(tool.c_str(), (Folder() + tool.substr(tool.find_last_of("\\/") + 1)).c_str(), FALSE);
  }
}

ProgramDriver::ProgramDriver(InFolder folder) : folder_(std::move(folder.path)) {}

ProgramDriver::~ProgramDriver() {
  if (!process_.hProcess) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, kPatience);
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
}

bool ProgramDriver::Start() {
  if (process_.hProcess) {
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  std::string commandLine = "\"" + Folder() + "quorvelan.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, Folder().c_str(), &startup,
                      &process_)) {
    process_ = PROCESS_INFORMATION{};
    return false;
  }
  WaitForInputIdle(process_.hProcess, kPatience);
  AwaitThat([&] {
    return (window_ = FindProgramWindow(process_.dwProcessId, qv::win32::kWindowClass, nullptr)) != nullptr;
  });
  if (window_) Settle();
  return window_ != nullptr;
}

void ProgramDriver::Crash() {
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, kPatience);
}

LRESULT ProgramDriver::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL, kPatience, &result);
  return static_cast<LRESULT>(result);
}

HWND ProgramDriver::Control(qv::ControlId id) const {
  return GetDlgItem(window_, qv::win32::WindowsControlId(id));
}

std::string ProgramDriver::Text(qv::ControlId id) const { return TextOf(Control(id)); }

bool ProgramDriver::Checked(qv::ControlId id) const { return Send(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

int ProgramDriver::Selection(qv::ControlId id) const {
  if (qv::ControlRow(id).kind == qv::ControlKind::List) {
    return static_cast<int>(Send(Control(id), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
  return static_cast<int>(Send(Control(id), CB_GETCURSEL, 0, 0));
}

int ProgramDriver::Position(qv::ControlId id) const { return static_cast<int>(Send(Control(id), TBM_GETPOS, 0, 0)); }

bool ProgramDriver::Enabled(qv::ControlId id) const { return IsWindowEnabled(Control(id)) != FALSE; }

bool ProgramDriver::Visible(qv::ControlId id) const {
  return (GetWindowLongA(Control(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

HWND ProgramDriver::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

std::string ProgramDriver::TipAt(qv::ControlId id, POINT at) {
  ClientToScreen(Control(id), &at);
  // Moved twice: a pointer already there sends no move, and a pointer that
  // keeps moving shows no tip.
  SetCursorPos(at.x + 1, at.y);
  Sleep(100);
  SetCursorPos(at.x, at.y);
  std::string text;
  AwaitThat([&] {
    HWND tip = FindProgramWindow(process_.dwProcessId, TOOLTIPS_CLASSA, nullptr);
    return tip && !(text = TextOf(tip)).empty();
  });
  return text;
}

std::string ProgramDriver::ShownTip() const {
  HWND tip = FindProgramWindow(process_.dwProcessId, TOOLTIPS_CLASSA, nullptr);
  return tip ? TextOf(tip) : std::string();
}

LRESULT ProgramDriver::Ask(qv::ControlId id, UINT message, WPARAM wParam) const {
  return Send(Control(id), message, wParam, 0);
}

std::vector<std::string> ProgramDriver::Lines(qv::ControlId id) const {
  const bool isList = qv::ControlRow(id).kind == qv::ControlKind::List;
  return isList ? ListLines(Control(id)) : BoxLines(Control(id));
}

std::vector<std::string> ProgramDriver::BoxLines(HWND box) const {
  const int count = static_cast<int>(Send(box, CB_GETCOUNT, 0, 0));
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    // Read as UTF-16: Wine hands the 8-bit form of this message to another
    // process unconverted.
    DWORD_PTR length = 0;
    SendMessageTimeoutW(box, CB_GETLBTEXTLEN, i, 0, SMTO_NORMAL, kPatience, &length);
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide.data()), SMTO_NORMAL, kPatience,
                        &copied);
    wide.resize(length);
    lines.push_back(Narrow(wide));
  }
  return lines;
}

// A list view's lines are read as a screen reader reads them: the request
// and its text buffer are placed in the program's memory.
std::vector<std::string> ProgramDriver::ListLines(HWND list, int column) const {
  constexpr int kLongest = 8192;
  struct Request {
    LVITEMW item;
    wchar_t text[kLongest];
  };
  std::vector<std::string> lines;
  auto* remote = static_cast<Request*>(
      VirtualAllocEx(process_.hProcess, nullptr, sizeof(Request), MEM_COMMIT, PAGE_READWRITE));
  if (!remote) return lines;
  const int count = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.iSubItem = column;
    item.pszText = remote->text;
    item.cchTextMax = kLongest;
    SIZE_T moved = 0;
    if (!WriteProcessMemory(process_.hProcess, &remote->item, &item, sizeof(item), &moved)) break;
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&remote->item), SMTO_NORMAL, kPatience,
                        &length);
    std::wstring wide(length, L'\0');
    if (length > 0 &&
        !ReadProcessMemory(process_.hProcess, remote->text, wide.data(), length * sizeof(wchar_t), &moved)) {
      break;
    }
    lines.push_back(Narrow(wide));
  }
  VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
  return lines;
}

void ProgramDriver::Settle() { Send(window_, WM_NULL, 0, 0); }

std::string ProgramDriver::Title() const { return TextOf(window_); }

HWND ProgramDriver::QueueWindow() const {
  return FindProgramWindow(process_.dwProcessId, qv::win32::kQueueWindowClass, nullptr);
}

std::vector<std::string> ProgramDriver::QueueRows() const {
  const HWND list = GetDlgItem(QueueWindow(), qv::win32::kQueueListId);
  std::vector<std::string> rows = ListLines(list);
  for (int column = 1; column < static_cast<int>(qv::QueueColumns().size()); ++column) {
    const std::vector<std::string> cells = ListLines(list, column);
    for (std::size_t row = 0; row < rows.size() && row < cells.size(); ++row) rows[row] += " | " + cells[row];
  }
  return rows;
}

std::string ProgramDriver::QueueStatus() const {
  return TextOf(FindWindowExW(QueueWindow(), nullptr, STATUSCLASSNAMEW, nullptr));
}

// Sent, not posted: it returns once the button's handler has run.
void ProgramDriver::ClickQueueButton(int id) { Send(GetDlgItem(QueueWindow(), id), BM_CLICK, 0, 0); }

void ProgramDriver::ShowPage(int index) {
  Send(Control(qv::ControlId::Tabs), TCM_SETCURFOCUS, index, 0);
  Settle();
}

void ProgramDriver::Type(qv::ControlId id, const std::string& text) {
  const bool combo = qv::ControlRow(id).kind == qv::ControlKind::EditableCombo;
  TypeIntoDialog(combo ? FindWindowExA(Control(id), nullptr, "Edit", nullptr) : Control(id), text);
  Settle();
}

void ProgramDriver::Click(qv::ControlId id) {
  Send(Control(id), BM_CLICK, 0, 0);
  Settle();
}

void ProgramDriver::ClickOpeningDialog(qv::ControlId id) { PostMessageA(Control(id), BM_CLICK, 0, 0); }

void ProgramDriver::Pick(qv::ControlId id, int index) {
  HWND control = Control(id);
  if (qv::ControlRow(id).kind == qv::ControlKind::List) {
    // As with the keyboard: the first line, then down to the wanted one.
    PressKey(control, VK_HOME);
    for (int i = 0; i < index; ++i) PressKey(control, VK_DOWN);
    return;
  }
  Send(control, CB_SETCURSEL, index, 0);
  Send(window_, WM_COMMAND, MAKEWPARAM(qv::win32::WindowsControlId(id), CBN_SELCHANGE),
       reinterpret_cast<LPARAM>(control));
  Settle();
}

// The drop handle is a DROPFILES block with the wide names, placed in the
// program's memory: Wine takes a pointer to fixed memory as a global memory
// handle. The block lives as long as the program.
void ProgramDriver::DropFiles(const std::vector<std::string>& paths) {
  std::wstring names;
  for (const std::string& path : paths) names += std::wstring(path.begin(), path.end()) + L'\0';  // ASCII paths
  names += L'\0';
  DROPFILES header{};
  header.pFiles = sizeof(header);
  header.fWide = TRUE;
  const SIZE_T size = sizeof(header) + names.size() * sizeof(wchar_t);
  auto* remote = static_cast<char*>(VirtualAllocEx(process_.hProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
  SIZE_T moved = 0;
  if (remote && WriteProcessMemory(process_.hProcess, remote, &header, sizeof(header), &moved) &&
      WriteProcessMemory(process_.hProcess, remote + sizeof(header), names.data(), size - sizeof(header), &moved)) {
    PostMessageA(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
  }
}

void ProgramDriver::PressKey(HWND control, WPARAM key) {
  const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC)) << 16;
  Send(control, WM_KEYDOWN, key, down);
  Send(control, WM_KEYUP, key, down | static_cast<LPARAM>(0xC0000000u));
  Settle();
}

HWND ProgramDriver::WaitForDialog(const std::string& title) {
  HWND dialog = nullptr;
  AwaitThat([&] {
    return (dialog = FindProgramWindow(process_.dwProcessId, "#32770", title.empty() ? nullptr : title.c_str()));
  });
  return dialog;
}

std::string ProgramDriver::DialogText(HWND dialog) const {
  std::string text;
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM param) -> BOOL {
        if (ClassName(child) == "Static") *reinterpret_cast<std::string*>(param) += TextOf(child) + "\n";
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

void ProgramDriver::TypeIntoDialog(HWND edit, const std::string& text) {
  Send(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  Send(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  Send(edit, EM_SETSEL, 0, -1);
  if (text.empty()) Send(edit, WM_CHAR, VK_BACK, 1);
  // As a keyboard of any script types: one UTF-16 unit after the other.
  for (const wchar_t unit : Widen(text)) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(edit, WM_CHAR, unit, 1, SMTO_NORMAL, kPatience, &ignored);
  }
}

// The name field is the only visible edit of a file dialog, nested in one or
// two combo boxes depending on the system.
HWND ProgramDriver::NameField(HWND dialog) const {
  HWND edit = nullptr;
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM found) -> BOOL {
        if (ClassName(child) != "Edit" || !IsWindowVisible(child)) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&edit));
  return edit;
}

void ProgramDriver::AnswerFileDialog(HWND dialog, const std::string& name) {
  TypeIntoDialog(NameField(dialog), name);
  PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

void ProgramDriver::OpenFolderInFileDialog(HWND dialog, const std::string& folder) {
  HWND edit = NameField(dialog);
  AnswerFileDialog(dialog, folder);
  AwaitThat([&] { return TextOf(edit).empty(); });  // the dialog empties the field once it shows the folder
}

void ProgramDriver::PressDialogButton(HWND dialog, int buttonId) {
  PostMessageA(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
  WaitUntilClosed(dialog);
}

void ProgramDriver::WaitUntilClosed(HWND dialog) {
  AwaitThat([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
  Settle();
}

void ProgramDriver::PressCloseBox() { PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }

std::optional<DWORD> ProgramDriver::CloseWindow() {
  PressCloseBox();
  return WaitForExit();
}

std::optional<DWORD> ProgramDriver::WaitForExit() {
  DWORD code = 0;
  if (WaitForSingleObject(process_.hProcess, kPatience) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process_.hProcess, &code)) {
    return std::nullopt;
  }
  return code;
}

}  // namespace qvtest
