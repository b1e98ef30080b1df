#pragma once
// The "When done" choice beside "Start": once the queue that the window
// watches has ended by itself, a countdown that the user can cancel, then
// the chosen action. The window shows the countdown and asks it on a timer.

#include <cstdint>
#include <optional>
#include <string>

#include "catalog/when_done.h"
#include "ui/app.h"

namespace qv {

inline constexpr std::int64_t kWhenDoneCountdownMs = 60000;

class WhenDoneCountdown {
 public:
  WhenDoneCountdown(const WhenDoneSpec& row, std::int64_t startMs)
      : row_(&row), endMs_(startMs + kWhenDoneCountdownMs) {}
  // "The computer shuts down in 42 s.", the seconds rounded up.
  std::string Text(std::int64_t nowMs) const;
  // Whether the countdown has run out.
  bool Due(std::int64_t nowMs) const { return nowMs >= endMs_; }
  WhenDone Action() const { return row_->action; }

 private:
  const WhenDoneSpec* row_;
  std::int64_t endMs_;
};

// The countdown that the end of the queue begins now: none when the list
// says "Do nothing", or while the queue runs, or after "Stop now" or "Leave"
// (the user is there).
std::optional<WhenDoneCountdown> BeginWhenDone(const App& app);

// Carries out `action`: "Close quorvelan" ends the program as its close box
// does; the others ask the system, and a refusal is told.
void CarryOutWhenDone(App& app, WhenDone action);

}  // namespace qv
