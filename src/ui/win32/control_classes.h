#pragma once
// Which system window class and styles stand for each kind of control.

#include <cstdint>

#include "form/control_table.h"

namespace qv::win32 {

struct ControlClass {
  const wchar_t* className;
  std::uint32_t style;    // WS_* and class styles, without WS_VISIBLE and WS_DISABLED
  std::uint32_t exStyle;
};

ControlClass ClassOf(const ControlSpec& row);

}  // namespace qv::win32
