#include <windows.h>

#include "platform/win32/win32_platform.h"
#include "platform/win32/window_text.h"
#include "text/wide_text.h"

namespace qv::platform {
namespace {

// The two requesters made here by hand: the one-line editor and the
// countdown.

// Sizes in pixels at 96 DPI: the whole requester, and its parts.
constexpr int kWidth = 300;
constexpr int kHeight = 130;
constexpr int kMargin = 10;
constexpr int kPromptHeight = 16;
constexpr int kGap = 4;
constexpr int kEditHeight = 22;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 24;
constexpr int kEditId = 100;

struct Request {
  const std::string& title;
  const std::string& prompt;
  const std::string& text;
  std::optional<std::string> result;
};

// A template without controls: the children are placed in pixels once the
// requester exists, since template units depend on the font.
struct EmptyDialogTemplate {
  DLGTEMPLATE header;
  WORD menu;
  WORD windowClass;
  WORD title;
};

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

HWND AddChild(HWND dialog, const wchar_t* windowClass, const std::string& text, DWORD style, DWORD extendedStyle,
              int id, int x, int y, int width, int height) {
  const HWND child = CreateWindowExW(extendedStyle, windowClass, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                     x, y, width, height, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

void Build(HWND dialog, const Request& request) {
  const int dpi = ScreenDpi();
  auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };

  SetWindowTextW(dialog, Widen(request.title).c_str());
  const int width = scaled(kWidth);
  const int height = scaled(kHeight);
  SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER);

  RECT client;
  GetClientRect(dialog, &client);
  const int margin = scaled(kMargin);
  const int innerWidth = client.right - 2 * margin;
  const int editTop = margin + scaled(kPromptHeight) + scaled(kGap);
  AddChild(dialog, L"STATIC", request.prompt, SS_LEFT | SS_NOPREFIX, 0, -1, margin, margin, innerWidth,
           scaled(kPromptHeight));
  const HWND edit = AddChild(dialog, L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, kEditId, margin,
                             editTop, innerWidth, scaled(kEditHeight));
  // Job lines can be longer than an edit field takes by default.
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextW(edit, Widen(request.text).c_str());
  const int buttonWidth = scaled(kButtonWidth);
  const int buttonHeight = scaled(kButtonHeight);
  AddChild(dialog, L"BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, IDOK, (client.right - buttonWidth) / 2,
           client.bottom - margin - buttonHeight, buttonWidth, buttonHeight);
  SendMessageW(dialog, DM_SETDEFID, IDOK, 0);

  SetFocus(edit);
  const int end = GetWindowTextLengthW(edit);
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
}

std::string EditText(HWND dialog) { return WindowText(GetDlgItem(dialog, kEditId)); }

// Enter reaches here as IDOK and Escape as IDCANCEL through the dialog
// manager; the close box as WM_CLOSE.
INT_PTR CALLBACK EditLineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      Build(dialog, *reinterpret_cast<const Request*>(lParam));
      return FALSE;  // the focus is on the edit field already
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        reinterpret_cast<Request*>(GetWindowLongPtrW(dialog, DWLP_USER))->result = EditText(dialog);
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

// The countdown: a label with the text and the seconds left, and Cancel.
constexpr int kLabelId = 101;
constexpr UINT_PTR kTick = 1;

struct Countdown {
  const std::string& caption;
  const std::string& text;
  unsigned left;
};

void ShowLeft(HWND dialog, const Countdown& countdown) {
  SetDlgItemTextW(dialog, kLabelId, Widen(countdown.text + "\n\n" + std::to_string(countdown.left) + " s").c_str());
}

INT_PTR CALLBACK CountdownProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* countdown = reinterpret_cast<Countdown*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      countdown = reinterpret_cast<Countdown*>(lParam);
      const int dpi = ScreenDpi();
      auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
      SetWindowTextW(dialog, Widen(countdown->caption).c_str());
      SetWindowPos(dialog, HWND_TOPMOST, (GetSystemMetrics(SM_CXSCREEN) - scaled(kWidth)) / 2,
                   (GetSystemMetrics(SM_CYSCREEN) - scaled(kHeight)) / 2, scaled(kWidth), scaled(kHeight), 0);
      RECT client;
      GetClientRect(dialog, &client);
      const int margin = scaled(kMargin), buttonWidth = scaled(kButtonWidth), buttonHeight = scaled(kButtonHeight);
      AddChild(dialog, L"STATIC", "", SS_LEFT | SS_NOPREFIX, 0, kLabelId, margin, margin, client.right - 2 * margin,
               client.bottom - 3 * margin - buttonHeight);
      const HWND cancel = AddChild(dialog, L"BUTTON", "Cancel", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, IDCANCEL,
                                   (client.right - buttonWidth) / 2, client.bottom - margin - buttonHeight, buttonWidth,
                                   buttonHeight);
      ShowLeft(dialog, *countdown);
      SetTimer(dialog, kTick, 1000, nullptr);
      SetFocus(cancel);
      return FALSE;
    }
    case WM_TIMER:
      if (countdown->left > 0) --countdown->left;
      ShowLeft(dialog, *countdown);
      if (countdown->left == 0) EndDialog(dialog, IDOK);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDCANCEL) return FALSE;
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    case WM_CLOSE:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

bool Win32Dialogs::CountDown(const std::string& caption, const std::string& text, unsigned seconds) {
  Countdown countdown{caption, text, seconds};
  alignas(DWORD) EmptyDialogTemplate form{};
  form.header.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &form.header, GetActiveWindow(), CountdownProc,
                                 reinterpret_cast<LPARAM>(&countdown)) == IDOK;
}

std::optional<std::string> Win32Dialogs::EditLine(const std::string& title, const std::string& prompt,
                                                  const std::string& text) {
  Request request{title, prompt, text, std::nullopt};
  alignas(DWORD) EmptyDialogTemplate form{};
  form.header.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  // The dialog manager disables the owner until the requester closes.
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &form.header, GetActiveWindow(), EditLineProc,
                          reinterpret_cast<LPARAM>(&request));
  return request.result;
}

}  // namespace qv::platform
