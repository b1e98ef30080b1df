#pragma once
// Drives the real quorvelan.exe as a person would, with window messages to its
// real controls: types, clicks, picks items and tabs, answers its dialogs, and
// reads what the window shows.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "form/control_table.h"
#include "tools/support/scratch_folder.h"

namespace qvtest {

class ProgramDriver {
 public:
  // A fresh program folder holding quorvelan.exe (`program`) and the helper
  // programs that its batches run.
  explicit ProgramDriver(const std::string& program, const std::vector<std::string>& tools = {});
  // The program folder as it is, holding quorvelan.exe: an unpacked release.
  struct InFolder {
    std::string path;  // ends in a backslash
  };
  explicit ProgramDriver(InFolder folder);
  ~ProgramDriver();

  const std::string& Folder() const { return folder_; }  // ends in a backslash

  // Starts the program in its folder and waits for its window.
  bool Start();
  // Ends the program at once, as a crash or a power cut would.
  void Crash();
  HWND Window() const { return window_; }
  HWND Control(qv::ControlId id) const;

  // --- what the window shows
  std::string Text(qv::ControlId id) const;
  bool Checked(qv::ControlId id) const;
  int Selection(qv::ControlId id) const;  // of a list or a drop-down
  int Position(qv::ControlId id) const;
  bool Enabled(qv::ControlId id) const;
  bool Visible(qv::ControlId id) const;
  std::vector<std::string> Lines(qv::ControlId id) const;  // of a list or a drop-down
  HWND Focus() const;  // the control with the keyboard focus
  std::string Title() const;
  // The queue view (once "Start" opened it): each row's cells joined by
  // " | ", and its status bar.
  std::vector<std::string> QueueRows() const;
  std::string QueueStatus() const;
  // Clicks a button of the queue view by its Win32 id.
  void ClickQueueButton(int id);
  // Rests the mouse pointer on a control at `at` (client pixels): the text of
  // the tool tip that shows, or "".
  std::string TipAt(qv::ControlId id, POINT at);
  // The text of a tool tip of the program that shows now, or "".
  std::string ShownTip() const;
  // Sends `message` to a control and returns its answer.
  LRESULT Ask(qv::ControlId id, UINT message, WPARAM wParam = 0) const;

  // --- what a person does; each returns once the program has handled it
  void ShowPage(int index);
  // Clicks into the field, selects its text and types `text` over it.
  void Type(qv::ControlId id, const std::string& text);
  void Click(qv::ControlId id);
  // Clicks a button whose handler opens a dialog: returns at once.
  void ClickOpeningDialog(qv::ControlId id);
  // Picks an item of a drop-down, or a line of a list with the keyboard.
  void Pick(qv::ControlId id, int index);
  // Drops files on the window as the shell does; returns at once.
  void DropFiles(const std::vector<std::string>& paths);
  // Presses a key on a control that handles it itself (not Tab or Enter).
  void PressKey(HWND control, WPARAM key);
  // Waits until the program has handled everything sent to it.
  void Settle();

  // --- dialogs of the program
  // A visible dialog of the program with this title ("" for any), or nullptr.
  HWND WaitForDialog(const std::string& title);
  std::string DialogText(HWND dialog) const;  // the texts of its labels, one per line
  void TypeIntoDialog(HWND edit, const std::string& text);
  HWND NameField(HWND fileDialog) const;
  // Types `name` into a file dialog's name field and presses its OK button.
  void AnswerFileDialog(HWND dialog, const std::string& name);
  // Types a folder into a file dialog's name field; waits until it shows there.
  void OpenFolderInFileDialog(HWND dialog, const std::string& folder);
  // Presses a button of a dialog (IDOK, IDYES, ...) and waits until it is gone.
  void PressDialogButton(HWND dialog, int buttonId);
  void WaitUntilClosed(HWND dialog);

  // --- the end: its exit code, or nullopt
  void PressCloseBox();  // returns at once
  std::optional<DWORD> CloseWindow();  // with the close box
  std::optional<DWORD> WaitForExit();

 private:
  LRESULT Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const;
  std::vector<std::string> BoxLines(HWND box) const;
  std::vector<std::string> ListLines(HWND list, int column = 0) const;
  HWND QueueWindow() const;

  std::optional<qv::testing::ScratchFolder> scratch_;
  std::string folder_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace qvtest
