#pragma once
// The widths of the job list's lines in the list's font, kept in step with
// the lines as they change, so that the widest is known without measuring
// every line at each change.

#include <windows.h>

#include <string>
#include <vector>

namespace qv::win32 {

class LineWidths {
 public:
  // Every line measured anew, for a list that was just created.
  void MeasureAll(HWND list, const std::vector<std::string>& lines);
  // The `count` lines from `index` on are new.
  void Inserted(HWND list, const std::vector<std::string>& lines, int index, int count);
  void Removed(int index);
  void Cleared();
  bool Measured() const { return measured_; }
  int Widest() const { return widest_; }

 private:
  std::vector<int> widths_;
  int widest_ = 0;
  bool measured_ = false;
};

}  // namespace qv::win32
