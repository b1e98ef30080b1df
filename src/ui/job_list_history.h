#pragma once
// The changes of the job list that Ctrl+Z takes back, newest last: each user
// action that changed the list is one step, whatever number of lines it
// inserted, removed or cleared.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "form/form.h"

namespace qv {

class JobListHistory : public ItemsJournal {
 public:
  // Changes are kept only between Open and Close: the list as loaded at
  // start-up is no step.
  void Open(const Form& form);
  void Close();
  // Takes back the newest step, restoring the lines and the selection as they
  // were before it; false when there is none.
  bool Undo(Form& form);

  void Inserted(ControlId id, int index, int count) override;
  void Removed(ControlId id, int index, const std::string& text) override;
  void Cleared(ControlId id, std::vector<std::string>& items) override;

 private:
  // At `index`, `inserted` lines came; `removed` went (all lines when cleared).
  struct Change {
    int index = 0;
    int inserted = 0;
    std::vector<std::string> removed;
  };
  struct Step {
    std::vector<Change> changes;
    int selection = -1;
  };
  static constexpr std::size_t kDepth = 100;

  std::deque<Step> steps_;
  std::optional<Step> open_;
};

}  // namespace qv
