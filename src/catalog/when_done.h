#pragma once
// What the window does once a queue that "Start" started has ended by
// itself, one row each: the text of the "When done" list and what the
// countdown before it says.

#include <array>

namespace qv {

enum class WhenDone { Nothing, Close, Sleep, Hibernate, ShutDown };

struct WhenDoneSpec {
  const char* listText;
  WhenDone action;
  const char* countdown;  // what comes "in 42 s"; nullptr when nothing is done
};

inline constexpr int kWhenDoneCount = 5;

// The row of a list index; nullptr outside the list.
const WhenDoneSpec* FindWhenDone(int index);

extern const std::array<const char*, kWhenDoneCount> kWhenDoneTexts;

}  // namespace qv
