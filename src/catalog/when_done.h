#pragma once
// What follows a queue that ran to its end, one row each: the list text of
// the "When done" drop-down beside "Start" and in the queue view, and the
// countdown's text. The rows follow the enum; being no setting, the choice
// is kept by no file.

#include <array>
#include <cstdint>

namespace qv {

enum class WhenDone : std::uint8_t { Nothing, CloseProgram, Sleep, Hibernate, ShutDown };

struct WhenDoneSpec {
  const char* listText;
  const char* countdown;  // nullptr: nothing follows, so nothing counts down
};

inline constexpr int kWhenDoneCount = 5;

// The row of a list index; nullptr outside the list.
const WhenDoneSpec* FindWhenDone(int index);

extern const std::array<const char*, kWhenDoneCount> kWhenDoneTexts;

}  // namespace qv
