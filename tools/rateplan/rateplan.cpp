// rateplan.dll: the bitrate calculator behind the main window's "Calc"
// button. One export, rateplan(audioKbps, reserved), opens a small modal
// window that asks for the duration and the target size and returns the
// video bitrate in kbit/s, or -1 when the user cancels. The last inputs are
// kept in rateplan.ini beside the library.

#include <windows.h>

#include <string>

#include "rateplan/bitrate_plan.h"
#include "rateplan/dialog_ids.h"

namespace {

constexpr const char* kSection = "rateplan";
constexpr const char* kDefaultDuration = "1:30:00";
constexpr const char* kDefaultSize = "700";

struct Session {
  std::int32_t audioKbps;
  std::string iniPath;
};

HMODULE ThisLibrary() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisLibrary), &module);
  return module;
}

std::string IniPathBeside(HMODULE module) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "rateplan.ini";
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1) + "rateplan.ini";
}

std::string ReadIni(const Session& session, const char* key, const char* fallback) {
  char value[256];
  GetPrivateProfileStringA(kSection, key, fallback, value, sizeof value, session.iniPath.c_str());
  return value;
}

std::string FieldText(HWND dialog, int id) {
  char text[256];
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
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
  SetDlgItemTextA(dialog, IDC_RATE_RESULT, text.c_str());
}

void Accept(HWND dialog, const Session& session) {
  const Inputs inputs = ReadInputs(dialog);
  if (!inputs.seconds || !inputs.megabytes) {
    MessageBeep(MB_ICONWARNING);
    SetFocus(GetDlgItem(dialog, inputs.seconds ? IDC_RATE_SIZE : IDC_RATE_DURATION));
    return;
  }
  const std::string duration = qv::tools::FormatDuration(*inputs.seconds);
  WritePrivateProfileStringA(kSection, "duration", duration.c_str(), session.iniPath.c_str());
  WritePrivateProfileStringA(kSection, "size", FieldText(dialog, IDC_RATE_SIZE).c_str(), session.iniPath.c_str());
  EndDialog(dialog, qv::tools::VideoBitrateKbps(*inputs.megabytes, *inputs.seconds, session.audioKbps));
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* session = reinterpret_cast<Session*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      session = reinterpret_cast<Session*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      SetDlgItemTextA(dialog, IDC_RATE_DURATION, ReadIni(*session, "duration", kDefaultDuration).c_str());
      SetDlgItemTextA(dialog, IDC_RATE_SIZE, ReadIni(*session, "size", kDefaultSize).c_str());
      const std::string audio = std::to_string(session->audioKbps > 0 ? session->audioKbps : 0) + " kbit/s";
      SetDlgItemTextA(dialog, IDC_RATE_AUDIO, audio.c_str());
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
  const INT_PTR result = DialogBoxParamA(module, MAKEINTRESOURCEA(IDD_RATEPLAN), GetActiveWindow(), DialogProc,
                                         reinterpret_cast<LPARAM>(&session));
  // A dialog that cannot be shown gives -1 as well: nothing was chosen.
  return static_cast<int>(result);
}
