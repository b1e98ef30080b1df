#include "form/form.h"

#include <algorithm>
#include <utility>

namespace qv {

bool HasSelection(ControlKind kind) {
  return kind == ControlKind::DropDown || kind == ControlKind::EditableCombo ||
         kind == ControlKind::List || kind == ControlKind::Tab;
}

Form::Form() : states_(kControlCount) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlSpec& row = AllControls()[i];
    State& state = states_[i];
    state.text = row.text;
    for (std::size_t k = 0; k < row.items.count; ++k) state.items.emplace_back(row.items.items[k]);
    state.value = row.state;
    state.enabled = row.enabled;
    state.visible = row.visible;
  }
}

int Form::Number(ControlId id) const { return At(id).value; }

void Form::SetNumber(ControlId id, int value) {
  const ControlSpec& row = ControlRow(id);
  State& state = At(id);
  if (row.kind == ControlKind::CheckBox) {
    value = value != 0 ? 1 : 0;
  } else if (HasSelection(row.kind)) {
    if (value < 0 || value >= static_cast<int>(state.items.size())) value = -1;
    if (row.kind == ControlKind::EditableCombo && value >= 0) state.text = state.items[value];
  } else if (row.kind == ControlKind::TrackBar) {
    value = std::clamp(value, row.lo, row.hi);
  }
  if (state.value == value) return;
  state.value = value;
  if (observer_) observer_->OnValueChanged(id);
}

std::string Form::Text(ControlId id) const {
  const State& state = At(id);
  switch (ControlRow(id).kind) {
    case ControlKind::DropDown:
    case ControlKind::List:
    case ControlKind::Tab:
      return state.value >= 0 && state.value < static_cast<int>(state.items.size())
                 ? state.items[state.value]
                 : std::string();
    default:
      return state.text;
  }
}

void Form::SetText(ControlId id, std::string text) {
  const ControlKind kind = ControlRow(id).kind;
  State& state = At(id);
  if (kind == ControlKind::EditableCombo) {
    // Typed text no longer stands for an item.
    const auto found = std::find(state.items.begin(), state.items.end(), text);
    state.value = found == state.items.end() ? -1 : static_cast<int>(found - state.items.begin());
  }
  const bool changed = state.text != text;
  state.text = std::move(text);
  if (changed && observer_) observer_->OnTextChanged(id);
  if (kind == ControlKind::Edit) PushEvent(id, EventKind::TextChange);
}

bool Form::Enabled(ControlId id) const { return At(id).enabled; }

void Form::SetEnabled(ControlId id, bool enabled) {
  if (At(id).enabled == enabled) return;
  At(id).enabled = enabled;
  if (observer_) observer_->OnEnabledChanged(id);
}

bool Form::Visible(ControlId id) const { return At(id).visible; }

void Form::SetVisible(ControlId id, bool visible) {
  if (At(id).visible == visible) return;
  At(id).visible = visible;
  if (observer_) observer_->OnVisibleChanged(id);
}

int Form::ItemCount(ControlId id) const { return static_cast<int>(At(id).items.size()); }

const std::string& Form::Item(ControlId id, int index) const { return At(id).items.at(index); }

const std::vector<std::string>& Form::Items(ControlId id) const { return At(id).items; }

void Form::AddItem(ControlId id, std::string text) {
  InsertItem(id, ItemCount(id), std::move(text));
}

void Form::AddItems(ControlId id, std::vector<std::string> texts) { InsertItems(id, ItemCount(id), std::move(texts)); }

void Form::InsertItem(ControlId id, int index, std::string text) {
  std::vector<std::string> texts;
  texts.push_back(std::move(text));
  InsertItems(id, index, std::move(texts));
}

void Form::InsertItems(ControlId id, int index, std::vector<std::string> texts) {
  if (texts.empty()) return;
  State& state = At(id);
  index = std::clamp(index, 0, static_cast<int>(state.items.size()));
  const int count = static_cast<int>(texts.size());
  if (state.items.empty()) {
    state.items = std::move(texts);
  } else {
    state.items.insert(state.items.begin() + index, std::make_move_iterator(texts.begin()),
                       std::make_move_iterator(texts.end()));
  }
  ++state.revision;
  // The platform's list keeps the selection on the same item.
  if (state.value >= index) state.value += count;
  if (journal_) journal_->Inserted(id, index, count);
  if (observer_) observer_->OnItemsInserted(id, index, count);
}

void Form::RemoveItem(ControlId id, int index) {
  State& state = At(id);
  if (index < 0 || index >= static_cast<int>(state.items.size())) return;
  if (journal_) journal_->Removed(id, index, state.items[index]);
  state.items.erase(state.items.begin() + index);
  ++state.revision;
  if (state.value == index) {
    state.value = -1;
  } else if (state.value > index) {
    --state.value;
  }
  if (observer_) observer_->OnItemRemoved(id, index);
}

void Form::ClearItems(ControlId id) {
  State& state = At(id);
  if (!state.items.empty()) ++state.revision;
  if (journal_ && !state.items.empty()) journal_->Cleared(id, state.items);
  state.items.clear();
  state.value = -1;
  if (ControlRow(id).kind == ControlKind::EditableCombo) state.text.clear();
  if (observer_) observer_->OnItemsCleared(id);
}

std::optional<FormEvent> Form::PopEvent() {
  if (events_.empty()) return std::nullopt;
  FormEvent event = events_.front();
  events_.pop_front();
  return event;
}

void Form::UserType(ControlId id, std::string text) {
  SetText(id, std::move(text));
  if (ControlRow(id).kind != ControlKind::Edit) PushEvent(id, EventKind::TextChange);
}

void Form::UserClick(ControlId id) {
  if (ControlRow(id).kind == ControlKind::CheckBox) SetNumber(id, Number(id) == 0 ? 1 : 0);
  PushEvent(id, EventKind::Click);
}

void Form::UserSelect(ControlId id, int index) {
  SetNumber(id, index);
  PushEvent(id, EventKind::SelectionChange);
}

void Form::UserSlide(ControlId id, int position) {
  SetNumber(id, position);
  PushEvent(id, EventKind::Scroll);
}

}  // namespace qv
