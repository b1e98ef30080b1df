#pragma once
// How the window names its controls to the system: the Win32 control id of
// each control of the form table, shared by the window and its test driver.

#include "form/control_table.h"

namespace qv::win32 {

// Below this lie IDOK, IDCANCEL and friends, which the dialog manager sends
// for Enter and Escape; the controls stay clear of them.
inline constexpr int kFirstControlId = 100;

inline constexpr char kWindowClass[] = "quorvelan.main";
inline constexpr char kWindowTitle[] = "quorvelan";

inline int WindowsControlId(ControlId id) { return kFirstControlId + static_cast<int>(Index(id)); }

// False when `windowsId` names no control of the table.
inline bool ControlFromWindowsId(int windowsId, ControlId& id) {
  const int index = windowsId - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(kControlCount)) return false;
  id = static_cast<ControlId>(index);
  return true;
}

}  // namespace qv::win32
