#include "ui/win32/countdown_dialog.h"

#include "text/wide_text.h"

namespace qv::win32 {
namespace {

// Pixels at 96 DPI.
constexpr int kWidth = 320, kHeight = 120, kMargin = 12, kTextHeight = 32, kButtonWidth = 80, kButtonHeight = 24;
constexpr int kTextId = 100;
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 250;  // the seconds shown change on time

struct Countdown {
  const Scale& scale;
  const WhenDoneCountdown& countdown;
  const std::function<std::int64_t()>& nowMs;
};

void AddChild(HWND dialog, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id, RECT at) {
  const HWND child = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                     at.right - at.left, at.bottom - at.top, dialog,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

// Shows the seconds left; ends the dialog once there are none.
void Tick(HWND dialog, const Countdown& state) {
  const std::int64_t now = state.nowMs();
  SetDlgItemTextW(dialog, kTextId, Widen("The queue has ended.\n" + state.countdown.Text(now)).c_str());
  if (state.countdown.Due(now)) EndDialog(dialog, IDOK);
}

void Build(HWND dialog, const Countdown& state) {
  const Scale& s = state.scale;
  SetWindowTextW(dialog, Widen(kCountdownTitle).c_str());
  SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - s(kWidth)) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - s(kHeight)) / 2, s(kWidth), s(kHeight), SWP_NOZORDER);
  RECT client{};
  GetClientRect(dialog, &client);
  const int margin = s(kMargin), buttonTop = client.bottom - margin - s(kButtonHeight);
  AddChild(dialog, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, kTextId,
           {margin, margin, client.right - margin, margin + s(kTextHeight)});
  const int cancelLeft = client.right - margin - s(kButtonWidth), nowLeft = cancelLeft - margin - s(kButtonWidth);
  AddChild(dialog, L"BUTTON", L"Now", BS_PUSHBUTTON | WS_TABSTOP, IDOK,
           {nowLeft, buttonTop, nowLeft + s(kButtonWidth), buttonTop + s(kButtonHeight)});
  // Enter cancels: a key pressed by chance must not shut the computer down.
  AddChild(dialog, L"BUTTON", L"Cancel", BS_DEFPUSHBUTTON | WS_TABSTOP, IDCANCEL,
           {cancelLeft, buttonTop, cancelLeft + s(kButtonWidth), buttonTop + s(kButtonHeight)});
  SendMessageW(dialog, DM_SETDEFID, IDCANCEL, 0);
  SetFocus(GetDlgItem(dialog, IDCANCEL));
  SetTimer(dialog, kTickTimer, kTickMs, nullptr);
  Tick(dialog, state);
}

INT_PTR CALLBACK CountdownProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      Build(dialog, *reinterpret_cast<const Countdown*>(lParam));
      return FALSE;  // the focus is on "Cancel" already
    case WM_TIMER:
      Tick(dialog, *reinterpret_cast<const Countdown*>(GetWindowLongPtrW(dialog, DWLP_USER)));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
      EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

bool RunCountdownDialog(HWND owner, const Scale& scale, const WhenDoneCountdown& countdown,
                        const std::function<std::int64_t()>& nowMs) {
  Countdown state{scale, countdown, nowMs};
  // A template without controls: they are placed in pixels once it exists.
  struct {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } form{};
  form.header.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &form.header, owner, CountdownProc,
                                 reinterpret_cast<LPARAM>(&state)) == IDOK;
}

}  // namespace qv::win32
