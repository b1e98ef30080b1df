#pragma once
// The form model: the live state of every control of the window (the only
// store of the settings while the program runs) and the queue of control
// events that the dispatcher works through.

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/control_table.h"

namespace qv {

enum class EventKind : std::uint8_t {
  Click,            // button or check box clicked
  SelectionChange,  // list, drop-down or tab selection changed
  TextChange,       // a field's text changed (also when the program set it)
  FocusGain,
  FocusLoss,
  Scroll,           // track bar moved
  Undo,             // Ctrl+Z: take back the last change
};

struct FormEvent {
  ControlId id;
  EventKind kind;
  bool operator==(const FormEvent& other) const { return id == other.id && kind == other.kind; }
};

// Told about every change of the model, so that a real window can mirror it.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void OnTextChanged(ControlId id) = 0;
  virtual void OnValueChanged(ControlId id) = 0;  // check mark, selection or position
  virtual void OnEnabledChanged(ControlId id) = 0;
  virtual void OnVisibleChanged(ControlId id) = 0;
  virtual void OnItemsInserted(ControlId id, int index, int count) = 0;
  virtual void OnItemRemoved(ControlId id, int index) = 0;
  virtual void OnItemsCleared(ControlId id) = 0;
};

// Told of each change of a control's items before the form lets go of what
// the change takes away, so that the change can be taken back.
class ItemsJournal {
 public:
  virtual ~ItemsJournal() = default;
  virtual void Inserted(ControlId id, int index, int count) = 0;
  virtual void Removed(ControlId id, int index, const std::string& text) = 0;
  // `items` are about to go; the journal may take them.
  virtual void Cleared(ControlId id, std::vector<std::string>& items) = 0;
};

class Form {
 public:
  // Every control in its initial state from the control table.
  Form();

  void SetObserver(FormObserver* observer) { observer_ = observer; }
  void SetJournal(ItemsJournal* journal) { journal_ = journal; }

  // --- settings view: a number is a check mark, a selection or a position;
  // a text is a field's text, a drop-down's selected item or a caption.
  int Number(ControlId id) const;
  // Check box: 1 for any non-zero value. List or drop-down: the index, or no
  // selection (-1) when it lies outside the items. Track bar: clamped to its
  // range. Queues no event.
  void SetNumber(ControlId id, int value);
  std::string Text(ControlId id) const;
  // Edit field: queues a TextChange event, as the platform does. Any other
  // control: caption or combo text, no event.
  void SetText(ControlId id, std::string text);

  bool Enabled(ControlId id) const;
  void SetEnabled(ControlId id, bool enabled);
  bool Visible(ControlId id) const;
  void SetVisible(ControlId id, bool visible);

  // --- items of lists, drop-downs and combo boxes
  int ItemCount(ControlId id) const;
  const std::string& Item(ControlId id, int index) const;  // index must be valid
  const std::vector<std::string>& Items(ControlId id) const;
  void AddItem(ControlId id, std::string text);
  void AddItems(ControlId id, std::vector<std::string> texts);  // one notification
  void InsertItem(ControlId id, int index, std::string text);
  void InsertItems(ControlId id, int index, std::vector<std::string> texts);  // one notification
  void RemoveItem(ControlId id, int index);
  // Removes every item and the selection; an editable combo loses its text too.
  void ClearItems(ControlId id);
  // Counts the changes of the control's items, so that a copy of them kept
  // elsewhere (a file) can tell whether it is behind.
  unsigned ItemsRevision(ControlId id) const { return At(id).revision; }
  int Selection(ControlId id) const { return Number(id); }
  void Select(ControlId id, int index) { SetNumber(id, index); }

  // --- events
  void PushEvent(ControlId id, EventKind kind) { events_.push_back({id, kind}); }
  std::optional<FormEvent> PopEvent();
  bool HasEvents() const { return !events_.empty(); }
  void ClearEvents() { events_.clear(); }

  // --- what a user does, as the platform reports it
  void UserType(ControlId id, std::string text);  // text changed by typing
  void UserClick(ControlId id);                   // toggles a check box, then Click
  void UserSelect(ControlId id, int index);       // then SelectionChange
  void UserSlide(ControlId id, int position);     // then Scroll
  void UserLeave(ControlId id) { PushEvent(id, EventKind::FocusLoss); }
  void UserUndo(ControlId id) { PushEvent(id, EventKind::Undo); }

 private:
  struct State {
    std::string text;
    std::vector<std::string> items;
    int value = 0;  // check mark, selection or position
    unsigned revision = 0;
    bool enabled = true;
    bool visible = true;
  };
  State& At(ControlId id) { return states_[Index(id)]; }
  const State& At(ControlId id) const { return states_[Index(id)]; }

  std::vector<State> states_;
  std::deque<FormEvent> events_;
  FormObserver* observer_ = nullptr;
  ItemsJournal* journal_ = nullptr;
};

// True for the kinds whose Number() is a selection index.
bool HasSelection(ControlKind kind);

}  // namespace qv
