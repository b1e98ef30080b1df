// Measurement fixture, never shipped: the least a Win32 program does to show
// an empty window. The window's start-up time is compared with this one's.
// Built twice: plain, and with the common controls v6 manifest and their
// initialisation (QV_COMMON_CONTROLS), to tell their cost apart.

#include <windows.h>
#ifdef QV_COMMON_CONTROLS
#include <commctrl.h>
#endif

namespace {

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef QV_COMMON_CONTROLS
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
#endif
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = BareProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "bare";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("bare", "bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 330, 400, nullptr, nullptr,
                              instance, nullptr);
  if (!window) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
