#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>

#include "platform/win32/dialog_text.h"
#include "platform/win32/win32_platform.h"
#include "text/wide_text.h"

namespace qv::platform {
namespace {

constexpr std::size_t kOnePathRoom = 32768;
// At least 10,000 chosen names of full length, after their folder.
constexpr std::size_t kManyPathsRoom = (10000 + 1) * MAX_PATH;

enum class FileDialog { Open, OpenMany, Save };

// A message box is as wide as its text, so a longer caption is cut short
// ("The comman..."): the box about to show is widened to hold its caption,
// and its buttons move with its middle.
HHOOK captionHook = nullptr;

LRESULT CALLBACK WidenToCaption(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HCBT_ACTIVATE) return CallNextHookEx(nullptr, code, wParam, lParam);
  UnhookWindowsHookEx(captionHook);
  captionHook = nullptr;
  const HWND box = reinterpret_cast<HWND>(wParam);
  wchar_t caption[256] = {};
  const int length = GetWindowTextW(box, caption, 256);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
  const HDC dc = GetDC(box);
  const HGDIOBJ before = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, caption, length, &size);
  SelectObject(dc, before);
  ReleaseDC(box, dc);
  DeleteObject(font);
  // Room for the close button, the frame and a margin on either side.
  const int needed = size.cx + 2 * metrics.iCaptionWidth + 4 * GetSystemMetrics(SM_CXFRAME) + 16;
  RECT outer{};
  GetWindowRect(box, &outer);
  const int grow = needed - (outer.right - outer.left);
  if (grow > 0) {
    SetWindowPos(box, nullptr, outer.left - grow / 2, outer.top, needed, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t kind[16] = {};
      GetClassNameW(child, kind, 16);
      if (lstrcmpiW(kind, L"Button") != 0) continue;
      RECT place{};
      GetWindowRect(child, &place);
      MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
      SetWindowPos(child, nullptr, place.left + grow / 2, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  return 0;
}

int MessageBoxWithCaption(const std::string& caption, const std::string& text, UINT buttons) {
  captionHook = SetWindowsHookExW(WH_CBT, WidenToCaption, nullptr, GetCurrentThreadId());
  const int answer = MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(caption).c_str(), buttons);
  if (captionHook != nullptr) UnhookWindowsHookEx(captionHook);
  captionHook = nullptr;
  return answer;
}

// The dialog's buffer after a choice, nullopt when cancelled.
std::optional<std::string> RunFileDialog(FileDialog kind, const std::string& title, const std::string& defaultName,
                                         const std::string& filter, int* chosenFilter = nullptr) {
  const std::wstring pairs = Widen(DialogFilter(filter));
  const std::wstring wideTitle = Widen(title);
  std::wstring buffer(kind == FileDialog::OpenMany ? kManyPathsRoom : kOnePathRoom, L'\0');
  Widen(defaultName).copy(buffer.data(), buffer.size() - 1);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filter.empty() ? nullptr : pairs.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrTitle = title.empty() ? nullptr : wideTitle.c_str();
  // The working folder stays put: files named by bare name must not follow
  // the user's browsing.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (kind != FileDialog::Save) dialog.Flags |= OFN_FILEMUSTEXIST;
  if (kind == FileDialog::OpenMany) dialog.Flags |= OFN_ALLOWMULTISELECT;

  auto run = [&] { return kind == FileDialog::Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog); };
  BOOL chosen = run();
  // A default name that the dialog refuses (a quoted path, say) would keep
  // it from opening at all; it opens without one instead.
  if (!chosen && CommDlgExtendedError() == FNERR_INVALIDFILENAME && buffer.front() != L'\0') {
    std::fill(buffer.begin(), buffer.end(), L'\0');
    chosen = run();
  }
  if (!chosen) return std::nullopt;
  if (chosenFilter) *chosenFilter = static_cast<int>(dialog.nFilterIndex);
  // The items up to the empty one that ends them, and no further.
  const std::size_t end = buffer.find(std::wstring_view(L"\0\0", 2));
  return Narrow(std::wstring_view(buffer).substr(0, end == std::wstring::npos ? buffer.size() : end + 2));
}

int CALLBACK SelectStartFolder(HWND browser, UINT message, LPARAM, LPARAM startFolder) {
  if (message == BFFM_INITIALIZED && startFolder != 0) {
    SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, startFolder);
  }
  return 0;
}

}  // namespace

std::string Win32Dialogs::OpenFile(const std::string& title, const std::string& defaultName,
                                   const std::string& filter) {
  const auto buffer = RunFileDialog(FileDialog::Open, title, defaultName, filter);
  return buffer ? std::string(buffer->c_str()) : std::string();
}

std::vector<std::string> Win32Dialogs::OpenFiles(const std::string& title, const std::string& defaultName,
                                                 const std::string& filter) {
  const auto buffer = RunFileDialog(FileDialog::OpenMany, title, defaultName, filter);
  return buffer ? SelectedPaths(*buffer) : std::vector<std::string>();
}

std::string Win32Dialogs::SaveFile(const std::string& title, const std::string& defaultName,
                                   const std::string& filter, int* chosenFilter) {
  const auto buffer = RunFileDialog(FileDialog::Save, title, defaultName, filter, chosenFilter);
  return buffer ? std::string(buffer->c_str()) : std::string();
}

std::string Win32Dialogs::BrowseFolder(const std::string& title, const std::string& startFolder) {
  // The folder browser is a shell object and wants COM on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const std::wstring wideTitle = Widen(title);
  const std::wstring start = Widen(startFolder);
  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW browse{};
  browse.hwndOwner = GetActiveWindow();
  browse.pszDisplayName = displayName;
  browse.lpszTitle = wideTitle.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  browse.lpfn = SelectStartFolder;
  browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());

  std::string chosen;
  if (LPITEMIDLIST item = SHBrowseForFolderW(&browse)) {
    // Room for a folder of any length Windows allows.
    std::wstring path(kOnePathRoom, L'\0');
    if (SHGetPathFromIDListEx(item, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT)) {
      chosen = Narrow(path.c_str());
    }
    CoTaskMemFree(item);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

bool Win32Dialogs::AskYesNo(const std::string& caption, const std::string& text) {
  return MessageBoxWithCaption(caption, text, MB_YESNO) == IDYES;
}

void Win32Dialogs::ShowMessage(const std::string& caption, const std::string& text) {
  MessageBoxWithCaption(caption, text, MB_OK);
}

}  // namespace qv::platform
