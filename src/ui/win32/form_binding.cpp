#include "ui/win32/form_binding.h"

#include <commctrl.h>

#include <optional>

#include "platform/win32/window_text.h"
#include "settings/number_fields.h"
#include "text/wide_text.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/list_view.h"

namespace qv::win32 {
namespace {

bool IsCombo(ControlKind kind) { return kind == ControlKind::DropDown || kind == ControlKind::EditableCombo; }

// Disabling or hiding the control that has the keyboard focus would leave the
// keyboard with nowhere to go; the focus moves on to the next control first.
void MoveFocusAwayFrom(HWND dialog, HWND control) {
  HWND focus = GetFocus();
  if (focus != control && !IsChild(control, focus)) return;
  HWND next = GetNextDlgTabItem(dialog, control, FALSE);
  if (next && next != control) SetFocus(next);
}

}  // namespace

bool FormBinding::FromWindow(HWND control, ControlId& id) const {
  return control && ControlFromWindowsId(GetDlgCtrlID(control), id) && window_.Control(id) == control;
}

bool FormBinding::OnCommand(HWND control, int notification) {
  ControlId id{};
  if (!FromWindow(control, id)) return false;
  if (mirroring_) return true;
  switch (ControlRow(id).kind) {
    case ControlKind::Button:
      if (notification == BN_CLICKED) form_.PushEvent(id, EventKind::Click);
      break;
    case ControlKind::CheckBox:
      if (notification == BN_CLICKED) {
        form_.SetNumber(id, SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        form_.PushEvent(id, EventKind::Click);
      }
      break;
    case ControlKind::Edit:
      if (notification == EN_CHANGE) {
        std::string text = platform::WindowText(control);
        if (RefusesTyped(control, id, text)) break;
        form_.UserType(id, std::move(text));
      }
      if (notification == EN_KILLFOCUS) {
        HideNumberTip();
        form_.UserLeave(id);
      }
      if (notification == EN_SETFOCUS) form_.PushEvent(id, EventKind::FocusGain);
      break;
    case ControlKind::DropDown:
    case ControlKind::EditableCombo:
      if (notification == CBN_SELCHANGE) {
        form_.UserSelect(id, static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
      }
      if (notification == CBN_EDITCHANGE) form_.UserType(id, platform::WindowText(control));
      break;
    default:
      break;
  }
  return true;
}

bool FormBinding::RefusesTyped(HWND control, ControlId id, const std::string& text) {
  const std::optional<std::string> refusal = TypingRefusal(id, text);
  if (!refusal) {
    HideNumberTip();
    return false;
  }
  // As a digits-only field does: the field keeps the text it had, with the
  // caret where it was before the refused characters.
  DWORD caret = 0;
  SendMessageW(control, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  const std::wstring kept = Widen(form_.Text(id));
  const std::size_t typed = static_cast<std::size_t>(GetWindowTextLengthW(control));
  const std::size_t added = typed > kept.size() ? typed - kept.size() : 0;
  caret = static_cast<DWORD>(caret >= added ? caret - added : 0);
  mirroring_ = true;
  SetWindowTextW(control, kept.c_str());
  SendMessageW(control, EM_SETSEL, caret, caret);
  mirroring_ = false;
  ShowNumberTip(control, Widen(*refusal));
  return true;
}

// A balloon below the field, as Windows shows one beside a digits-only field.
void FormBinding::ShowNumberTip(HWND control, const std::wstring& note) {
  if (!numberTip_) {
    numberTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, window_.window, nullptr, nullptr, nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = window_.window;
    tool.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(numberTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(numberTip_, TTM_SETTITLEW, TTI_ERROR, reinterpret_cast<LPARAM>(L"Unacceptable Character"));
  }
  numberTipText_ = note;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window_.window;
  tool.lpszText = numberTipText_.data();
  SendMessageW(numberTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  RECT field{};
  GetWindowRect(control, &field);
  SendMessageW(numberTip_, TTM_TRACKPOSITION, 0, MAKELPARAM((field.left + field.right) / 2, field.bottom));
  SendMessageW(numberTip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void FormBinding::HideNumberTip() {
  if (!numberTip_) return;
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window_.window;
  SendMessageW(numberTip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void FormBinding::OnScroll(HWND control, int request) {
  ControlId id{};
  if (mirroring_ || request == TB_ENDTRACK || !FromWindow(control, id)) return;
  if (ControlRow(id).kind != ControlKind::TrackBar) return;
  form_.UserSlide(id, static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0)));
}

bool FormBinding::OnNotify(NMHDR& header, LRESULT& result) {
  ControlId id{};
  if (header.code == TTN_GETDISPINFOW && FromWindow(reinterpret_cast<HWND>(header.idFrom), id)) {
    auto& tip = reinterpret_cast<NMTTDISPINFOW&>(header);
    const HWND control = reinterpret_cast<HWND>(header.idFrom);
    if (ControlRow(id).kind == ControlKind::Label) {
      // A tip without text does not show: a label that fits needs none.
      tipText_ = TextIsCut(control) ? Widen(form_.Text(id)) : std::wstring();
    } else {
      const int line = ListLineUnderPointer(control);
      tipText_ = line >= 0 && line < form_.ItemCount(id) ? Widen(form_.Item(id, line)) : std::wstring();
    }
    tip.lpszText = tipText_.data();
    return true;
  }
  if (!FromWindow(header.hwndFrom, id) || ControlRow(id).kind != ControlKind::List) return false;
  result = 0;
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      auto& request = reinterpret_cast<NMLVDISPINFOW&>(header);
      if (request.item.iItem >= 0 && request.item.iItem < form_.ItemCount(id)) {
        GiveListLineText(request, form_.Item(id, request.item.iItem));
      }
      break;
    }
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if (mirroring_ || !(change.uChanged & LVIF_STATE) || !((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) {
        break;
      }
      const int selected = ListSelection(header.hwndFrom);
      if (selected != form_.Number(id)) form_.UserSelect(id, selected);
      break;
    }
    case LVN_ODFINDITEMA:
      result = -1;  // typing does not search the lines
      break;
    case NM_CUSTOMDRAW:
      result = DrawListLine(reinterpret_cast<NMLVCUSTOMDRAW&>(header), form_.Items(id));
      break;
    default:
      break;
  }
  return true;
}

void FormBinding::OnPageSelected() {
  const int selected = static_cast<int>(SendMessageW(window_.Control(ControlId::Tabs), TCM_GETCURSEL, 0, 0));
  if (selected < 0) return;
  form_.SetNumber(ControlId::Tabs, selected);  // the page follows through OnValueChanged
}

void FormBinding::OnTextChanged(ControlId id) { changedTexts_.set(Index(id)); }

void FormBinding::ShowChangedTexts() {
  if (changedTexts_.none()) return;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (changedTexts_.test(i)) ShowText(static_cast<ControlId>(i));
  }
  changedTexts_.reset();
}

void FormBinding::ShowText(ControlId id) {
  const ControlKind kind = ControlRow(id).kind;
  if (!window_.Control(id)) return;  // created from the model when its page shows
  if (kind == ControlKind::DropDown || kind == ControlKind::List || kind == ControlKind::Tab ||
      kind == ControlKind::TrackBar || kind == ControlKind::Image) {
    return;  // their text follows the selection
  }
  HWND control = window_.Control(id);
  const std::string text = form_.Text(id);
  if (platform::WindowText(control) == text) return;
  mirroring_ = true;
  platform::WriteWindowText(control, text);
  // The user who was typing here goes on typing at the end of the new text.
  if (kind == ControlKind::Edit && GetFocus() == control) {
    const LRESULT end = GetWindowTextLengthW(control);
    SendMessageW(control, EM_SETSEL, end, end);
  }
  mirroring_ = false;
}

void FormBinding::ShowValue(ControlId id) {
  HWND control = window_.Control(id);
  if (!control) return;
  const int value = form_.Number(id);
  mirroring_ = true;
  switch (ControlRow(id).kind) {
    case ControlKind::CheckBox:
      SendMessageW(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::DropDown:
    case ControlKind::EditableCombo:
      if (SendMessageW(control, CB_GETCURSEL, 0, 0) != value) SendMessageW(control, CB_SETCURSEL, value, 0);
      break;
    case ControlKind::List:
      if (ListSelection(control) != value) SelectListLine(control, value);
      break;
    case ControlKind::TrackBar:
      SendMessageW(control, TBM_SETPOS, TRUE, value);
      break;
    case ControlKind::Tab:
      SendMessageW(control, TCM_SETCURSEL, value, 0);
      break;
    default:
      break;
  }
  mirroring_ = false;
  // Selecting nothing in an editable box empties its text; the model may
  // still hold a typed text.
  if (ControlRow(id).kind == ControlKind::EditableCombo) ShowText(id);
}

void FormBinding::OnValueChanged(ControlId id) {
  ShowValue(id);
  if (id != ControlId::Tabs) return;
  ShowPage(window_, form_, PageOfTab(form_.Number(id)));
  HWND list = window_.Control(ControlId::JobList);
  if (!list || lineWidths_.Measured()) return;
  lineWidths_.MeasureAll(list, form_.Items(ControlId::JobList));
  FitListColumn(list, lineWidths_.Widest());
}

HWND FormBinding::MeasuredList(ControlId id) {
  return ControlRow(id).kind == ControlKind::List && lineWidths_.Measured() ? window_.Control(id) : nullptr;
}

void FormBinding::OnEnabledChanged(ControlId id) {
  HWND control = window_.Control(id);
  if (!control) return;
  const bool enabled = form_.Enabled(id);
  if (!enabled) MoveFocusAwayFrom(window_.window, control);
  EnableWindow(control, enabled);
}

void FormBinding::OnVisibleChanged(ControlId id) {
  HWND control = window_.Control(id);
  if (!control || !OnShownPage(window_, id)) return;  // shown or hidden with its page
  const bool visible = form_.Visible(id);
  if (!visible) MoveFocusAwayFrom(window_.window, control);
  ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

// The list shows the form's lines by their number alone; a box holds copies
// of its items, which `changeBox` brings in step.
void FormBinding::MirrorItems(ControlId id, const std::function<void(HWND)>& changeBox) {
  const ControlKind kind = ControlRow(id).kind;
  HWND control = window_.Control(id);
  if (!control || (kind != ControlKind::List && !IsCombo(kind))) return;
  mirroring_ = true;
  if (kind == ControlKind::List) {
    SetListLineCount(control, form_.ItemCount(id));
    FitListColumn(control, lineWidths_.Widest());
  } else {
    changeBox(control);
  }
  mirroring_ = false;
  ShowValue(id);
}

void FormBinding::OnItemsInserted(ControlId id, int index, int count) {
  if (HWND list = MeasuredList(id)) lineWidths_.Inserted(list, form_.Items(id), index, count);
  MirrorItems(id, [&](HWND box) {
    for (int k = 0; k < count; ++k) {
      SendMessageW(box, CB_INSERTSTRING, index + k, reinterpret_cast<LPARAM>(Widen(form_.Item(id, index + k)).c_str()));
    }
  });
}

void FormBinding::OnItemRemoved(ControlId id, int index) {
  if (MeasuredList(id)) lineWidths_.Removed(index);
  MirrorItems(id, [&](HWND box) { SendMessageW(box, CB_DELETESTRING, index, 0); });
}

void FormBinding::OnItemsCleared(ControlId id) {
  if (MeasuredList(id)) lineWidths_.Cleared();
  MirrorItems(id, [](HWND box) { SendMessageW(box, CB_RESETCONTENT, 0, 0); });
}

}  // namespace qv::win32
