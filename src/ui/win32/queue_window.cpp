#include "ui/win32/queue_window.h"

#include <commctrl.h>

#include "catalog/when_done.h"
#include "platform/win32/window_text.h"
#include "text/wide_text.h"

namespace qv::win32 {
namespace {

constexpr int kButtonRow = 30;  // pixels at 96 dots an inch
constexpr int kButtonWidth = 90;

HWND Child(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int id) {
  HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

void Layout(const QueueWindow& window) {
  RECT client{};
  GetClientRect(window.window, &client);
  SendMessageW(window.status, WM_SIZE, 0, 0);
  RECT status{};
  GetWindowRect(window.status, &status);
  const int row = window.scale(kButtonRow), width = window.scale(kButtonWidth);
  const int margin = window.scale(4);
  MoveWindow(window.stopNow, margin, margin, width, row - 2 * margin, TRUE);
  MoveWindow(window.stopAfter, 2 * margin + width, margin, width * 3 / 2, row - 2 * margin, TRUE);
  MoveWindow(window.pause, 3 * margin + width * 5 / 2, margin, width, row - 2 * margin, TRUE);
  MoveWindow(window.whenDone, 4 * margin + width * 7 / 2, margin, width * 2, window.scale(200), TRUE);
  MoveWindow(window.list, 0, row, client.right, client.bottom - row - (status.bottom - status.top), TRUE);
}

// Redraws the rows on the screen whose texts changed since they were drawn:
// most polls change one row, and under Wine drawing a screenful of rows
// costs more than the rest of a poll.
void RedrawChangedRows(QueueWindow& window, const QueueRun& run) {
  const auto top = static_cast<int>(SendMessageW(window.list, LVM_GETTOPINDEX, 0, 0));
  const auto count = static_cast<std::size_t>(SendMessageW(window.list, LVM_GETCOUNTPERPAGE, 0, 0)) + 1;
  std::vector<std::string> rows;
  for (std::size_t job = static_cast<std::size_t>(top); job < run.Watch().Jobs().size() && rows.size() < count; ++job) {
    std::string row;
    for (const QueueColumn& column : QueueColumns()) row += column.text(run.Watch(), job, run.NowMs()) + '\t';
    rows.push_back(std::move(row));
  }
  if (top != window.shownTop || rows.size() != window.shownRows.size()) {
    InvalidateRect(window.list, nullptr, FALSE);
  } else {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (rows[i] != window.shownRows[i]) SendMessageW(window.list, LVM_REDRAWITEMS, top + i, top + i);
    }
  }
  window.shownTop = top;
  window.shownRows = std::move(rows);
}

}  // namespace

bool OpenQueueWindow(HINSTANCE instance, HWND owner, const Scale& scale, void* creationParam, QueueWindow& out) {
  if (!out.window) {
    out.scale = scale;
    out.window = CreateWindowExW(0, Widen(kQueueWindowClass).c_str(), L"Queue \u2014 quorvelan", WS_OVERLAPPEDWINDOW,
                                 CW_USEDEFAULT, CW_USEDEFAULT, out.scale(900), out.scale(320), owner, nullptr,
                                 instance, creationParam);
    if (!out.window) return false;
    out.stopNow = Child(out.window, L"BUTTON", L"Stop now", BS_PUSHBUTTON | WS_TABSTOP, kQueueStopNowId);
    out.stopAfter = Child(out.window, L"BUTTON", L"Stop after this job", BS_PUSHBUTTON | WS_TABSTOP, kQueueStopAfterId);
    out.pause = Child(out.window, L"BUTTON", L"Pause", BS_PUSHBUTTON | WS_TABSTOP, kQueuePauseId);
    out.whenDone = Child(out.window, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kQueueWhenDoneId);
    for (const char* text : kWhenDoneTexts) {
      SendMessageW(out.whenDone, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
    }
    SendMessageW(out.whenDone, CB_SETCURSEL, 0, 0);
    out.list = Child(out.window, WC_LISTVIEWW, L"", LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP,
                     kQueueListId);
    out.status = Child(out.window, STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, 0);
    SendMessageW(out.list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    int index = 0;
    for (const QueueColumn& row : QueueColumns()) {
      std::wstring caption = Widen(row.caption);
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.pszText = caption.data();
      column.cx = out.scale(row.width);
      SendMessageW(out.list, LVM_INSERTCOLUMNW, index++, reinterpret_cast<LPARAM>(&column));
    }
    Layout(out);
  }
  ShowWindow(out.window, SW_SHOWNORMAL);
  return true;
}

void ShowText(HWND window, const std::string& text) {
  if (platform::WindowText(window) != text) platform::WriteWindowText(window, text);
}

void ShowQueue(QueueWindow& window, const QueueRun& run) {
  if (!window.window) return;
  const int rows = static_cast<int>(run.Watch().Jobs().size());
  if (SendMessageW(window.list, LVM_GETITEMCOUNT, 0, 0) != rows) {
    SendMessageW(window.list, LVM_SETITEMCOUNT, rows, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  }
  RedrawChangedRows(window, run);
  ShowText(window.status, run.Watch().Summary());
  EnableWindow(window.stopNow, !run.Ended());
  EnableWindow(window.stopAfter, !run.Ended() && !run.StoppingAfterCurrent());
  EnableWindow(window.pause, !run.Ended());
  ShowText(window.pause, run.Paused() ? "Resume" : "Pause");
}

bool HandleQueueMessage(QueueWindow& window, const QueueRun* run, UINT message, LPARAM lParam, LRESULT& result) {
  result = 0;
  if (message == WM_SIZE && window.list) {
    Layout(window);
    return true;
  }
  if (message != WM_NOTIFY) return false;
  auto& request = *reinterpret_cast<NMLVDISPINFOW*>(lParam);
  if (request.hdr.hwndFrom != window.list || request.hdr.code != LVN_GETDISPINFOW) return false;
  const auto& columns = QueueColumns();
  const auto column = static_cast<std::size_t>(request.item.iSubItem);
  const auto job = static_cast<std::size_t>(request.item.iItem);
  if (!(request.item.mask & LVIF_TEXT) || !run || column >= columns.size() || job >= run->Watch().Jobs().size()) {
    return true;
  }
  window.cell = Widen(columns[column].text(run->Watch(), job, run->NowMs()));
  request.item.pszText = window.cell.data();
  return true;
}

}  // namespace qv::win32
