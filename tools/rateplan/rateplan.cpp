// rateplan.dll: the bitrate calculator behind the main window's "Calc"
// button. One export, rateplan(audioKbps, reserved), opens a small modal
// window that asks for the duration and the target size and returns the
// video bitrate in kbit/s, or -1 when the user cancels. The last inputs are
// kept in rateplan.ini beside the library.

#include <windows.h>

#include <string>

#include "rateplan/bitrate_plan.h"
#include "rateplan/dialog_ids.h"
#include "text/wide_text.h"

namespace {

constexpr const wchar_t* kSection = L"rateplan";
constexpr const wchar_t* kDefaultDuration = L"1:30:00";
constexpr const wchar_t* kDefaultSize = L"700";

struct Session {
  std::int32_t audioKbps;
  std::wstring iniPath;
};

HMODULE ThisLibrary() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisLibrary), &module);
  return module;
}

// Beside the library, in a folder of any name.
std::wstring IniPathBeside(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L"rateplan.ini";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"rateplan.ini";
}

std::wstring ReadIni(const Session& session, const wchar_t* key, const wchar_t* fallback) {
  wchar_t value[256];
  GetPrivateProfileStringW(kSection, key, fallback, value, 256, session.iniPath.c_str());
  return value;
}

std::string FieldText(HWND dialog, int id) {
  wchar_t text[256];
  GetDlgItemTextW(dialog, id, text, 256);
  return qv::Narrow(text);
}

void SetFieldText(HWND dialog, int id, const std::string& text) {
  SetDlgItemTextW(dialog, id, qv::Widen(text).c_str());
}

struct Inputs {
  std::optional<std::uint32_t> seconds;
  std::optional<double> megabytes;
};

Inputs ReadInputs(HWND dialog) {
  return {qv::tools::ParseDuration(FieldText(dialog, IDC_RATE_DURATION)),
          qv::tools::ParseTargetSize(FieldText(dialog, IDC_RATE_SIZE))};
}

void ShowResult(HWND dialog, const Session& session) {
  const Inputs inputs = ReadInputs(dialog);
  std::string text;
  if (!inputs.seconds) {
    text = "duration as h:mm:ss";
  } else if (!inputs.megabytes) {
    text = "size in MB";
  } else {
    text = std::to_string(qv::tools::VideoBitrateKbps(*inputs.megabytes, *inputs.seconds, session.audioKbps)) +
           " kbit/s";
  }
  SetFieldText(dialog, IDC_RATE_RESULT, text);
}

void Accept(HWND dialog, const Session& session) {
  const Inputs inputs = ReadInputs(dialog);
  if (!inputs.seconds || !inputs.megabytes) {
    MessageBeep(MB_ICONWARNING);
    SetFocus(GetDlgItem(dialog, inputs.seconds ? IDC_RATE_SIZE : IDC_RATE_DURATION));
    return;
  }
  const std::wstring duration = qv::Widen(qv::tools::FormatDuration(*inputs.seconds));
  WritePrivateProfileStringW(kSection, L"duration", duration.c_str(), session.iniPath.c_str());
  WritePrivateProfileStringW(kSection, L"size", qv::Widen(FieldText(dialog, IDC_RATE_SIZE)).c_str(),
                             session.iniPath.c_str());
  EndDialog(dialog, qv::tools::VideoBitrateKbps(*inputs.megabytes, *inputs.seconds, session.audioKbps));
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* session = reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      session = reinterpret_cast<Session*>(lParam);
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      SetDlgItemTextW(dialog, IDC_RATE_DURATION, ReadIni(*session, L"duration", kDefaultDuration).c_str());
      SetDlgItemTextW(dialog, IDC_RATE_SIZE, ReadIni(*session, L"size", kDefaultSize).c_str());
      const std::string audio = std::to_string(session->audioKbps > 0 ? session->audioKbps : 0) + " kbit/s";
      SetFieldText(dialog, IDC_RATE_AUDIO, audio);
      ShowResult(dialog, *session);
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_RATE_DURATION:
        case IDC_RATE_SIZE:
          if (HIWORD(wParam) == EN_CHANGE && session) ShowResult(dialog, *session);
          return TRUE;
        case IDOK:
          Accept(dialog, *session);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, -1);
          return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

extern "C" __declspec(dllexport) int __stdcall rateplan(int audioKbps, int /*reserved*/) {
  const HMODULE module = ThisLibrary();
  Session session{audioKbps, IniPathBeside(module)};
  const INT_PTR result = DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_RATEPLAN), GetActiveWindow(), DialogProc,
                                         reinterpret_cast<LPARAM>(&session));
  // A dialog that cannot be shown gives -1 as well: nothing was chosen.
  return static_cast<int>(result);
}
