#pragma once
// The countdown of "When done": a small modal dialog over the main window
// that says what comes in how many seconds, with "Now" and "Cancel".

#include <windows.h>

#include <cstdint>
#include <functional>

#include "ui/when_done.h"
#include "ui/win32/scale.h"

namespace qv::win32 {

inline constexpr char kCountdownTitle[] = "When done \xE2\x80\x94 quorvelan";

// Runs until the countdown runs out or "Now" is pressed (true), or until
// "Cancel", Escape or the close box (false). `nowMs` is the countdown's clock.
bool RunCountdownDialog(HWND owner, const Scale& scale, const WhenDoneCountdown& countdown,
                        const std::function<std::int64_t()>& nowMs);

}  // namespace qv::win32
