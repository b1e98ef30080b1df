#include "ui/win32/control_classes.h"

#include <windows.h>
#include <commctrl.h>

namespace qv::win32 {
namespace {

struct KindClass {
  ControlKind kind;
  ControlClass windowClass;
};

constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;

// The tab panel lies beneath every other control and must not paint over them.
const KindClass kKindClasses[] = {
    {ControlKind::Tab, {WC_TABCONTROLW, kChild | WS_TABSTOP, 0}},
    {ControlKind::Button, {L"BUTTON", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, 0}},
    {ControlKind::CheckBox, {L"BUTTON", WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, 0}},
    // Every label is one line: a text wider than its label is cut, not wrapped out of sight.
    {ControlKind::Label, {L"STATIC", WS_CHILD | SS_LEFTNOWORDWRAP, 0}},
    {ControlKind::Edit, {L"EDIT", WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE}},
    {ControlKind::DropDown, {L"COMBOBOX", WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0}},
    {ControlKind::EditableCombo,
     {L"COMBOBOX", WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0}},
    {ControlKind::TrackBar, {TRACKBAR_CLASSW, WS_CHILD | WS_TABSTOP | TBS_HORZ | TBS_NOTICKS, 0}},
    {ControlKind::Frame, {L"BUTTON", WS_CHILD | BS_GROUPBOX, 0}},
    {ControlKind::Image, {L"STATIC", WS_CHILD | SS_BITMAP, 0}},
    // The lines stay in the form; the list asks for the ones it draws.
    {ControlKind::List,
     {WC_LISTVIEWW,
      WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER,
      WS_EX_CLIENTEDGE}},
};

}  // namespace

ControlClass ClassOf(const ControlSpec& row) {
  ControlClass result{L"STATIC", WS_CHILD, 0};
  for (const KindClass& entry : kKindClasses) {
    if (entry.kind == row.kind) result = entry.windowClass;
  }
  if (row.style & kDigitsOnly) result.style |= ES_NUMBER;
  // SS_NOTIFY: a label passes the mouse on to its parent, and the tip would never see it.
  if (row.style & kWholeTextTip) result.style |= SS_NOTIFY | SS_ENDELLIPSIS;
  return result;
}

}  // namespace qv::win32
