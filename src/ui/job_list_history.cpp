#include "ui/job_list_history.h"

#include <iterator>
#include <utility>

namespace qv {

void JobListHistory::Open(const Form& form) { open_ = Step{{}, form.Selection(ControlId::JobList)}; }

void JobListHistory::Close() {
  if (open_ && !open_->changes.empty()) {
    steps_.push_back(std::move(*open_));
    if (steps_.size() > kDepth) steps_.pop_front();
  }
  open_.reset();
}

bool JobListHistory::Undo(Form& form) {
  // The undo's own changes are no step.
  open_.reset();
  if (steps_.empty()) return false;
  Step step = std::move(steps_.back());
  steps_.pop_back();
  std::vector<std::string> lines = form.Items(ControlId::JobList);
  for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change) {
    const auto at = lines.begin() + change->index;
    lines.erase(at, at + change->inserted);
    lines.insert(lines.begin() + change->index, std::make_move_iterator(change->removed.begin()),
                 std::make_move_iterator(change->removed.end()));
  }
  form.ClearItems(ControlId::JobList);
  form.AddItems(ControlId::JobList, std::move(lines));
  form.Select(ControlId::JobList, step.selection);
  return true;
}

void JobListHistory::Inserted(ControlId id, int index, int count) {
  if (open_ && id == ControlId::JobList) open_->changes.push_back({index, count, {}});
}

void JobListHistory::Removed(ControlId id, int index, const std::string& text) {
  if (open_ && id == ControlId::JobList) open_->changes.push_back({index, 0, {text}});
}

void JobListHistory::Cleared(ControlId id, std::vector<std::string>& items) {
  if (open_ && id == ControlId::JobList) open_->changes.push_back({0, 0, std::move(items)});
}

}  // namespace qv
