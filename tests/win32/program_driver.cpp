#include "program_driver.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>

#include "png_file.h"
#include "ui/win32/control_ids.h"

namespace qvtest {
namespace {

std::string Narrow(const std::wstring& wide) {
  std::string narrow(wide.size() * 2 + 1, '\0');
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), narrow.data(),
                                       static_cast<int>(narrow.size()), nullptr, nullptr);
  narrow.resize(static_cast<std::size_t>(size > 0 ? size : 0));
  return narrow;
}

constexpr DWORD kPatience = 60000;  // the machines that run this are slow and shared

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FreshFolder() {
  static int counter = 0;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string folder;
  do {
    folder = std::string(temp) + "qvwin-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "\\";
  } while (!CreateDirectoryA(folder.c_str(), nullptr));
  return folder;
}

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kPatience, &length);
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, kPatience,
                      &copied);
  text.resize(copied);
  return text;
}

struct DialogSearch {
  DWORD processId;
  const std::string* title;
  HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<DialogSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window) || ClassName(window) != "#32770") return TRUE;
  if (!search->title->empty() && TextOf(window) != *search->title) return TRUE;
  search->found = window;
  return FALSE;
}

struct MainSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindMain(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<MainSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window) || ClassName(window) != qv::win32::kWindowClass) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectStatics(HWND window, LPARAM param) {
  if (ClassName(window) == "Static") {
    const std::string text = TextOf(window);
    if (!text.empty()) *reinterpret_cast<std::string*>(param) += text + "\n";
  }
  return TRUE;
}

}  // namespace

DriverOptions& Options() {
  static DriverOptions options;
  return options;
}

std::string HostPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string windows = "Z:" + path;
  for (char& c : windows) {
    if (c == '/') c = '\\';
  }
  return windows;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool WaitForFile(const std::string& path, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (!FileExists(path)) {
    if (GetTickCount64() > end) return false;
    Sleep(50);
  }
  return true;
}

ProgramDriver::ProgramDriver() : folder_(FreshFolder()) {
  CopyFileA(HostPath(Options().program).c_str(), (folder_ + "quorvelan.exe").c_str(), FALSE);
  for (const std::string& tool : Options().tools) {
    CopyFileA(HostPath(tool).c_str(), (folder_ + FileName(tool)).c_str(), FALSE);
  }
}

ProgramDriver::~ProgramDriver() {
  if (process_.hProcess) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

bool ProgramDriver::Start() {
  if (process_.hProcess) {
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = PROCESS_INFORMATION{};
  }
  window_ = nullptr;
  std::string commandLine = "\"" + folder_ + "quorvelan.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &startup,
                      &process_)) {
    return false;
  }
  WaitForInputIdle(process_.hProcess, kPatience);
  const ULONGLONG end = GetTickCount64() + kPatience;
  while (!window_ && GetTickCount64() < end) {
    MainSearch search{process_.dwProcessId, nullptr};
    EnumWindows(FindMain, reinterpret_cast<LPARAM>(&search));
    window_ = search.found;
    if (!window_) Sleep(20);
  }
  if (window_) Settle();
  return window_ != nullptr;
}

LRESULT ProgramDriver::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL, kPatience, &result);
  return static_cast<LRESULT>(result);
}

HWND ProgramDriver::Control(qv::ControlId id) const {
  return GetDlgItem(window_, qv::win32::WindowsControlId(id));
}

HWND ProgramDriver::EditOf(qv::ControlId id) const {
  HWND control = Control(id);
  if (qv::ControlRow(id).kind == qv::ControlKind::EditableCombo) return FindWindowExA(control, nullptr, "Edit", nullptr);
  return control;
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

int ProgramDriver::LineCount(qv::ControlId id) const {
  const bool list = qv::ControlRow(id).kind == qv::ControlKind::List;
  return static_cast<int>(Send(Control(id), list ? LVM_GETITEMCOUNT : CB_GETCOUNT, 0, 0));
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
std::vector<std::string> ProgramDriver::ListLines(HWND list) const {
  constexpr int kLongest = 8192;
  struct Request {
    LVITEMW item;
    wchar_t text[kLongest];
  };
  std::vector<std::string> lines;
  void* remote = VirtualAllocEx(process_.hProcess, nullptr, sizeof(Request), MEM_COMMIT, PAGE_READWRITE);
  if (!remote) return lines;
  auto* remoteRequest = static_cast<Request*>(remote);
  const int count = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = remoteRequest->text;
    item.cchTextMax = kLongest;
    SIZE_T moved = 0;
    if (!WriteProcessMemory(process_.hProcess, &remoteRequest->item, &item, sizeof(item), &moved)) break;
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&remoteRequest->item), SMTO_NORMAL,
                        kPatience, &length);
    std::wstring wide(length, L'\0');
    if (length > 0 && !ReadProcessMemory(process_.hProcess, remoteRequest->text, wide.data(),
                                         length * sizeof(wchar_t), &moved)) {
      break;
    }
    lines.push_back(Narrow(wide));
  }
  VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
  return lines;
}

HWND ProgramDriver::FocusedWindow() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

void ProgramDriver::Settle() { Send(window_, WM_NULL, 0, 0); }

void ProgramDriver::ShowPage(int index) {
  Send(Control(qv::ControlId::Tabs), TCM_SETCURFOCUS, index, 0);
  Settle();
}

void ProgramDriver::ShowPageOf(qv::ControlId id) {
  const qv::Page page = qv::ControlRow(id).page;
  if (page != qv::Page::Window) ShowPage(static_cast<int>(page) - static_cast<int>(qv::Page::Bitrate));
}

void ProgramDriver::Type(qv::ControlId id, const std::string& text) {
  HWND edit = EditOf(id);
  Send(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  Send(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  Send(edit, EM_SETSEL, 0, -1);
  if (text.empty()) Send(edit, WM_CHAR, VK_BACK, 1);
  for (char c : text) Send(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
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

void ProgramDriver::PressKey(HWND control, WPARAM key) {
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | static_cast<LPARAM>(scan) << 16;
  const LPARAM up = down | static_cast<LPARAM>(0xC0000000u);
  if (key != VK_TAB) {
    Send(control, WM_KEYDOWN, key, down);
    Send(control, WM_KEYUP, key, up);
    Settle();
    return;
  }
  // Tab is the dialog manager's, in the program's message loop: it must come
  // as posted input, and it is handled once the focus has moved.
  const HWND before = FocusedWindow();
  PostMessageA(control, WM_KEYDOWN, key, down);
  PostMessageA(control, WM_KEYUP, key, up);
  const ULONGLONG end = GetTickCount64() + kPatience;
  while (FocusedWindow() == before && GetTickCount64() < end) Sleep(20);
  Settle();
}

HWND ProgramDriver::WaitForDialog(const std::string& title, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  do {
    DialogSearch search{process_.dwProcessId, &title, nullptr};
    EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  } while (GetTickCount64() < end);
  return nullptr;
}

std::string ProgramDriver::DialogText(HWND dialog) const {
  std::string text;
  EnumChildWindows(dialog, CollectStatics, reinterpret_cast<LPARAM>(&text));
  return text;
}

void ProgramDriver::TypeIntoDialog(HWND edit, const std::string& text) {
  Send(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  Send(edit, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  Send(edit, EM_SETSEL, 0, -1);
  Send(edit, WM_CHAR, VK_BACK, 1);
  for (char c : text) Send(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

// The name field is the only edit of a file dialog, nested in one or two
// combo boxes depending on the system.
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
  // The dialog empties its name field once it shows the folder.
  const ULONGLONG end = GetTickCount64() + kPatience;
  while (!TextOf(edit).empty() && GetTickCount64() < end) Sleep(20);
}

void ProgramDriver::PressDialogButton(HWND dialog, int buttonId) {
  PostMessageA(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
  WaitUntilClosed(dialog);
}

void ProgramDriver::WaitUntilClosed(HWND dialog) {
  const ULONGLONG end = GetTickCount64() + kPatience;
  while (IsWindow(dialog) && IsWindowVisible(dialog) && GetTickCount64() < end) Sleep(20);
  Settle();
}

std::optional<DWORD> ProgramDriver::CloseWindow() {
  PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  return WaitForExit();
}

std::optional<DWORD> ProgramDriver::WaitForExit() {
  if (WaitForSingleObject(process_.hProcess, kPatience) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.hProcess, &code)) return std::nullopt;
  return code;
}

bool ProgramDriver::Screenshot(const std::string& path) {
  Settle();
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle();
  Sleep(300);
  RECT frame{};
  GetWindowRect(window_, &frame);
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
  return WritePng(path, width, height, rgb);
}

}  // namespace qvtest
