#pragma once
// The job list on screen: a list view that holds no lines of its own. It
// knows how many lines the form has and asks for each one as it draws it,
// so that tens of thousands of job lines cost nothing to add or remove.
// Each line is drawn whole, and the list scrolls sideways to the widest, as
// a list box with a horizontal scroll bar does; a tool tip shows the line
// beneath the mouse pointer.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace qv::win32 {

// One column as wide as the list, whole-row selection, and the tool tip,
// which asks the list's parent for its text (TTN_GETDISPINFOW, with the
// list as the tool's id).
void PrepareListView(HWND list);
// The column wide enough for a line of `widest` pixels, and never narrower
// than the list.
void FitListColumn(HWND list, int widest);
// The number of lines the list shows; every shown line is drawn again.
void SetListLineCount(HWND list, int count);
// Selects the line at `index` and scrolls to it; -1 selects none.
void SelectListLine(HWND list, int index);
// The selected line, or -1.
int ListSelection(HWND list);
// The line beneath the mouse pointer, or -1.
int ListLineUnderPointer(HWND list);
// Answers NM_CUSTOMDRAW: draws each of `lines` whole (the list view would
// cut a line after 259 characters), the selected one in the highlight
// colours also while the list has no keyboard focus, as a list box does.
LRESULT DrawListLine(NMLVCUSTOMDRAW& draw, const std::vector<std::string>& lines);
// Answers the list's request for the text of one line.
void GiveListLineText(NMLVDISPINFOW& request, const std::string& line);

// A tool tip over a label, which asks the label's parent for its text
// (TTN_GETDISPINFOW, with the label as the tool's id).
void AttachTextTip(HWND label);
// Whether the label's text is wider than the label.
bool TextIsCut(HWND label);

}  // namespace qv::win32
