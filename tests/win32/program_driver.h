#pragma once
// Drives the real quorvelan.exe as a person would: it starts the program from
// a fresh program folder, types into its fields, clicks its buttons, picks
// list items and tabs, answers its dialogs, and reads what the window shows.
// Every input goes to the real controls as window messages.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "form/control_table.h"

namespace qvtest {

struct DriverOptions {
  std::string program;              // quorvelan.exe
  std::vector<std::string> tools;   // helper tools copied beside it
  std::string probe;                // the priority probe fixture
  std::string screenshots;          // folder for page screenshots
};
DriverOptions& Options();

// A Windows path for a path given on the Linux command line ("/x/y" -> "Z:\x\y").
std::string HostPath(const std::string& path);

std::optional<std::string> ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// Polls until the file exists; false after `milliseconds`.
bool WaitForFile(const std::string& path, DWORD milliseconds);

class ProgramDriver {
 public:
  // A fresh program folder holding the program and the helper tools.
  ProgramDriver();
  ~ProgramDriver();
  ProgramDriver(const ProgramDriver&) = delete;
  ProgramDriver& operator=(const ProgramDriver&) = delete;

  const std::string& Folder() const { return folder_; }  // ends in a backslash

  // Starts the program in its folder and waits for its window.
  bool Start();
  HWND Window() const { return window_; }
  HWND Control(qv::ControlId id) const;

  // --- what the window shows
  std::string Text(qv::ControlId id) const;
  bool Checked(qv::ControlId id) const;
  int Selection(qv::ControlId id) const;
  int Position(qv::ControlId id) const;
  bool Enabled(qv::ControlId id) const;
  bool Visible(qv::ControlId id) const;
  std::vector<std::string> Lines(qv::ControlId id) const;
  int LineCount(qv::ControlId id) const;
  HWND FocusedWindow() const;

  // --- what a person does; each returns once the program has handled it
  void ShowPage(int index);
  // Shows the page that holds the control (a person looks there to see it).
  void ShowPageOf(qv::ControlId id);
  // Clicks into the field, selects its text and types `text` over it.
  void Type(qv::ControlId id, const std::string& text);
  void Click(qv::ControlId id);
  // Clicks a button whose handler opens a dialog: returns at once.
  void ClickOpeningDialog(qv::ControlId id);
  // Picks an item of a drop-down or a line of a list.
  void Pick(qv::ControlId id, int index);
  // Presses a key on the focused control (Tab, Home, ...).
  void PressKey(HWND control, WPARAM key);
  // Waits until the program has handled everything sent to it.
  void Settle();

  // --- dialogs of the program
  // A visible dialog of the program with this title ("" for any); nullptr
  // after the time-out.
  HWND WaitForDialog(const std::string& title, DWORD milliseconds = 60000);
  std::string DialogText(HWND dialog) const;  // the texts of its labels, one per line
  void TypeIntoDialog(HWND edit, const std::string& text);
  HWND NameField(HWND fileDialog) const;
  // Types `name` into a file dialog's name field and presses its OK button.
  void AnswerFileDialog(HWND dialog, const std::string& name);
  // Types a folder into a file dialog's name field and waits until the
  // dialog shows that folder.
  void OpenFolderInFileDialog(HWND dialog, const std::string& folder);
  // Presses a button of a dialog (IDOK, IDYES, ...) and waits until it is gone.
  void PressDialogButton(HWND dialog, int buttonId);
  void WaitUntilClosed(HWND dialog);

  // --- the end
  // Clicks the close box and waits for the process; its exit code, or nullopt.
  std::optional<DWORD> CloseWindow();
  std::optional<DWORD> WaitForExit();

  // Saves a PNG of the window as it is on screen.
  bool Screenshot(const std::string& path);

 private:
  LRESULT Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const;
  HWND EditOf(qv::ControlId id) const;
  std::vector<std::string> BoxLines(HWND box) const;
  std::vector<std::string> ListLines(HWND list) const;

  std::string folder_;
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace qvtest
