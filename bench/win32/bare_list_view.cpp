// Measurement fixture, never shipped: the plain limit of the queue view. A
// window that, when sent WM_APP, opens a second window with a list view that
// holds no rows itself, of the same columns and row count as the queue view
// of queue_measure.cpp, answering each cell from texts made beforehand.
//   bare_list_view ROWS

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The queue view's columns: captions and widths at 96 dots an inch.
constexpr struct {
  const wchar_t* caption;
  int width;
} kColumns[] = {{L"Input", 140}, {L"Mode", 150}, {L"Output", 140}, {L"Status", 120}, {L"Progress", 260},
                {L"Elapsed", 60}, {L"ETA", 60},  {L"Size", 70},     {L"Note", 400}};
constexpr int kColumnCount = sizeof(kColumns) / sizeof(kColumns[0]);

int rows = 0;
std::vector<std::wstring> cells;  // rows * kColumnCount, made before the window opens
HWND list = nullptr;

LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    auto& request = *reinterpret_cast<NMLVDISPINFOW*>(lParam);
    if (request.hdr.code == LVN_GETDISPINFOW && (request.item.mask & LVIF_TEXT)) {
      request.item.pszText = cells[static_cast<std::size_t>(request.item.iItem) * kColumnCount + request.item.iSubItem].data();
    }
    return 0;
  }
  if (message == WM_SIZE && list) {
    MoveWindow(list, 0, 30, LOWORD(lParam), HIWORD(lParam) - 52, TRUE);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void OpenList(HINSTANCE instance) {
  HWND window = CreateWindowExW(0, L"bare_list", L"bare list", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 900,
                                320, nullptr, nullptr, instance, nullptr);
  list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | WS_BORDER, 0, 0, 0,
                         0, window, nullptr, instance, nullptr);
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (int i = 0; i < kColumnCount; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(kColumns[i].caption);
    column.cx = kColumns[i].width;
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  SendMessageW(list, LVM_SETITEMCOUNT, rows, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  RECT client{};
  GetClientRect(window, &client);
  SendMessageW(window, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
  ShowWindow(window, SW_SHOWNORMAL);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    OpenList(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)));
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  rows = __argc > 1 ? std::atoi(__argv[1]) : 10000;
  // The texts of queue_measure.cpp's job list as the queue view shows them
  // while no job has begun.
  for (int row = 0; row < rows; ++row) {
    wchar_t name[32];
    std::swprintf(name, 32, L"clip%05d", row);
    const std::wstring texts[kColumnCount] = {std::wstring(name) + L".avs", L"Automated Double Passes",
                                              std::wstring(name) + L".mp4", L"waiting", L"", L"", L"", L"", L""};
    for (const std::wstring& text : texts) cells.push_back(text);
  }
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = MainProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"bare_main";
  RegisterClassW(&windowClass);
  windowClass.lpfnWndProc = ListProc;
  windowClass.lpszClassName = L"bare_list";
  RegisterClassW(&windowClass);
  if (!CreateWindowW(L"bare_main", L"bare main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 330, 200, nullptr, nullptr,
                     instance, nullptr)) {
    return 1;
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
