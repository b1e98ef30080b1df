#pragma once
// The queue view: a window of its own that opens when "Start" starts a
// queue, with one row per job in a list view that holds no rows itself (the
// columns are the rows of QueueColumns), the buttons that act on the running
// batch and a status bar with the queue's summary.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/queue_run.h"
#include "ui/win32/scale.h"

namespace qv::win32 {

inline constexpr char kQueueWindowClass[] = "quorvelan.queue";
// The buttons' Win32 ids, shared with the test driver.
inline constexpr int kQueueStopNowId = 1;
inline constexpr int kQueuePauseId = 2;
inline constexpr int kQueueListId = 3;
inline constexpr int kQueueStopAfterId = 4;
inline constexpr int kQueueWhenDoneId = 5;

struct QueueWindow {
  HWND window = nullptr;
  HWND list = nullptr;
  HWND status = nullptr;
  HWND stopNow = nullptr;
  HWND pause = nullptr;
  HWND stopAfter = nullptr;
  HWND whenDone = nullptr;  // the when-done list, as beside "Start"
  Scale scale;
  std::wstring cell;  // the text of the cell last asked for, alive while the list reads it
  // The rows on the screen when they were last drawn, from the top one: each
  // row's cells, joined.
  int shownTop = -1;
  std::vector<std::string> shownRows;
};

// Creates the window, owned by `owner`, unless it exists; shows it.
bool OpenQueueWindow(HINSTANCE instance, HWND owner, const Scale& scale, void* creationParam, QueueWindow& out);
// Sets a window's text unless it shows it already: the poll timer shows the
// run's state twice a second, and under Wine every new text is a round trip
// to the display and a repaint.
void ShowText(HWND window, const std::string& text);
// Shows the run's state: the rows, the buttons, the status bar.
void ShowQueue(QueueWindow& window, const QueueRun& run);
// WM_SIZE and the list's requests for cell texts; false for other messages.
bool HandleQueueMessage(QueueWindow& window, const QueueRun* run, UINT message, LPARAM lParam, LRESULT& result);

}  // namespace qv::win32
