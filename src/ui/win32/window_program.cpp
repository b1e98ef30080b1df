#include "ui/win32/window_program.h"

#include <commctrl.h>
#undef DeleteFile

#include "catalog/when_done.h"
#include "platform/win32/win32_platform.h"
#include "settings/config_io.h"
#include "text/wide_text.h"
#include "ui/dispatch.h"
#include "ui/failure_report.h"
#include "ui/lifecycle.h"
#include "ui/reported_operations.h"
#include "ui/win32/dropped_files.h"
#include "ui/win32/form_binding.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/main_window.h"
#include "ui/win32/queue_window.h"
#include "ui/win32/taskbar.h"

namespace qv::win32 {
namespace {

constexpr WPARAM kCtrlZ = 0x1A;  // the character that Ctrl+Z types
constexpr UINT_PTR kQueueTimer = 1;
// Often enough for a progress that moves by the second, seldom enough to
// cost the window next to nothing while a queue runs for hours.
constexpr UINT kQueuePollMs = 500;

struct Program {
  Form form = InitialForm();
  platform::Win32Platform system;
  App app{form, system.platform};
  MainWindow window;
  FormBinding binding{window, form};
  HWND lastFocus = nullptr;
  bool draining = false;
  bool closeRequested = false;
  bool asking = false;  // whether to close although a file could not be written
  bool closed = false;
  QueueWindow queue;
  bool watching = false;  // the queue timer runs

  // Handlers run to completion one after the other: a handler that opens a
  // modal dialog lets messages through, and the events that they queue wait
  // for the outer drain instead of starting handlers inside the running one.
  void Drain() {
    if (draining) return;
    draining = true;
    RunPendingEvents(app);
    draining = false;
    binding.ShowChangedTexts();
    WatchQueue();
    if (app.quit || closeRequested) Close();
  }

  void Close() {
    if (draining) {
      closeRequested = true;
      return;
    }
    if (closed || asking) return;
    asking = true;
    const bool ends = MayClose(app);
    asking = false;
    closeRequested = false;
    app.quit = false;
    if (!ends) return;
    closed = true;
    DestroyWindow(window.window);
  }

  // A queue that "Start" started opens the queue view and is polled until
  // it ends.
  void WatchQueue() {
    if (!app.run || app.run->Ended() || watching) return;
    if (!OpenQueueWindow(window.instance, window.window, window.scale, this, queue)) return;
    watching = SetTimer(window.window, kQueueTimer, kQueuePollMs, nullptr) != 0;
    ShowRun();
  }

  void ShowRun() {
    if (!app.run) return;
    const QueueRun& run = *app.run;
    // The queue view's choice follows the one beside "Start".
    const auto whenDone = static_cast<WPARAM>(app.form.Number(ControlId::WhenDone));
    if (static_cast<WPARAM>(SendMessageW(queue.whenDone, CB_GETCURSEL, 0, 0)) != whenDone) {
      SendMessageW(queue.whenDone, CB_SETCURSEL, whenDone, 0);
    }
    ShowQueue(queue, run);
    ShowText(window.window, QueueTitle(&run.Watch(), !run.Ended()));
    const TaskbarProgress shown = QueueTaskbar(run);
    ShowTaskbarProgress(window.window, shown.state, shown.fraction);
  }

  void PollQueue() {
    if (!app.run) return;
    app.run->Poll();
    ShowRun();
    if (!app.run->Ended() || !watching) return;
    KillTimer(window.window, kQueueTimer);
    watching = false;
    FLASHWINFO flash{sizeof flash, window.window, FLASHW_ALL | FLASHW_TIMERNOFG, 0, 0};
    FlashWindowEx(&flash);
    MessageBeep(MB_OK);
    const int whenDone = app.form.Number(ControlId::WhenDone);
    if (!app.run->Stopped() && CarryOutWhenDone(system.platform, whenDone) &&
        whenDone == static_cast<int>(WhenDone::CloseProgram)) {
      Close();
    }
  }

  LRESULT HandleQueue(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleQueueMessage(queue, app.run ? &*app.run : nullptr, message, lParam, result)) return result;
    if (message == WM_COMMAND && LOWORD(wParam) == kQueueWhenDoneId && HIWORD(wParam) == CBN_SELCHANGE) {
      const auto row = static_cast<int>(SendMessageW(queue.whenDone, CB_GETCURSEL, 0, 0));
      if (FindWhenDone(row)) app.form.SetNumber(ControlId::WhenDone, row);
      return 0;
    }
    if (message == WM_COMMAND && app.run) {
      switch (LOWORD(wParam)) {
        case kQueueStopNowId:
          app.run->StopNow();
          break;
        case kQueueStopAfterId:
          app.run->StopAfterCurrent();
          break;
        case kQueuePauseId:
          app.run->Pause(!app.run->Paused());
          break;
        default:
          return DefWindowProcW(hwnd, message, wParam, lParam);
      }
      PollQueue();
      return 0;
    }
    if (message == WM_CLOSE) {
      ShowWindow(hwnd, SW_HIDE);  // the queue runs on; the next "Start" shows it again
      return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  // Ctrl+Z takes back the last change of the job list while its page shows,
  // unless an edit field has the focus: the field takes back its own typing.
  bool TakesUndoKey(const MSG& message) {
    if (message.message != WM_CHAR || message.wParam != kCtrlZ) return false;
    if (!IsWindowVisible(window.Control(ControlId::JobList))) return false;
    wchar_t name[16] = {};
    GetClassNameW(message.hwnd, name, 16);
    if (lstrcmpiW(name, L"Edit") == 0) return false;
    form.UserUndo(ControlId::JobList);
    Drain();
    return true;
  }

  void RememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(window.window, focus)) lastFocus = focus;
  }

  void RestoreFocus() {
    HWND target = lastFocus;
    // The edit inside an editable box belongs to the box.
    while (target && GetParent(target) != window.window) target = GetParent(target);
    if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
      target = GetNextDlgTabItem(window.window, nullptr, FALSE);
    }
    if (target) SetFocus(target);
  }

  LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_COMMAND:
        if (lParam && binding.OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam))) {
          Drain();
          return 0;
        }
        break;
      case WM_HSCROLL:
        if (lParam) {
          binding.OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
          Drain();
          return 0;
        }
        break;
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == window.Control(ControlId::Tabs) && header->code == TCN_SELCHANGE) {
          binding.OnPageSelected();
          return 0;
        }
        LRESULT result = 0;
        if (binding.OnNotify(*reinterpret_cast<NMHDR*>(lParam), result)) {
          Drain();
          return result;
        }
        break;
      }
      case WM_ERASEBKGND:
        PaintBackground(window, reinterpret_cast<HDC>(wParam));
        return 1;
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORBTN:
        if (HBRUSH brush = PageBackground(window, reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
        break;
      case WM_ENTERIDLE:
        binding.ShowChangedTexts();
        break;
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
          RememberFocus();
        } else if (!HIWORD(wParam)) {
          RestoreFocus();
        }
        return 0;
      case WM_SETFOCUS:
        RestoreFocus();
        return 0;
      case WM_DROPFILES:
        DropFilesReporting(app, TakeDroppedPaths(reinterpret_cast<HDROP>(wParam)));
        Drain();
        return 0;
      case WM_TIMER:
        if (wParam == kQueueTimer) PollQueue();
        return 0;
      case WM_CLOSE:
        Close();
        return 0;
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
};

// Both windows hand their messages to the program that their creation names.
template <LRESULT (Program::*handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK ProgramWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* program = reinterpret_cast<Program*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!program) return DefWindowProcW(hwnd, message, wParam, lParam);
  return (program->*handler)(hwnd, message, wParam, lParam);
}

}  // namespace

int RunWindowProgram(HINSTANCE instance) {
  INITCOMMONCONTROLSEX classes{sizeof(classes),
                               ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);

  Program program;
  if (!RegisterWindowClass(instance, ProgramWindowProc<&Program::Handle>, kWindowClass) ||
      !RegisterWindowClass(instance, ProgramWindowProc<&Program::HandleQueue>, kQueueWindowClass) ||
      !BuildMainWindow(instance, program.form, SystemScale(), &program, program.window)) {
    return 1;
  }
  program.form.SetObserver(&program.binding);
  const std::string problem = StartUp(program.app);
  program.binding.ShowChangedTexts();
  // The first field, not the first button in the Tab order ("Load Default",
  // which a stray Space would press).
  program.lastFocus = program.window.Control(ControlId::Mode);
  ShowWindow(program.window.window, SW_SHOW);
  UpdateWindow(program.window.window);
  if (!problem.empty()) ReportProblem(program.system.dialogs, problem);
  program.Drain();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (program.TakesUndoKey(message)) continue;
    if (IsDialogMessageW(program.window.window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  program.form.SetObserver(nullptr);
  ReleaseMainWindow(program.window);
  return 0;
}

}  // namespace qv::win32
