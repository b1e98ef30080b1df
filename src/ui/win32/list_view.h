#pragma once
// The job list on screen: a list view that holds no lines of its own. It
// knows how many lines the form has and asks for each one as it draws it,
// so that tens of thousands of job lines cost nothing to add or remove.

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace qv::win32 {

// One column as wide as the list, whole-row selection.
void PrepareListView(HWND list);
// The number of lines the list shows; every shown line is drawn again.
void SetListLineCount(HWND list, int count);
// Selects the line at `index` and scrolls to it; -1 selects none.
void SelectListLine(HWND list, int index);
// The selected line, or -1.
int ListSelection(HWND list);
// Draws the selected line in the highlight colours also while the list has
// no keyboard focus, as a list box does: the list view would fade it to grey
// while the user moves it with "up" and "down". Answers NM_CUSTOMDRAW.
LRESULT DrawSelectedLineHighlighted(NMLVCUSTOMDRAW& draw);
// Answers the list's request for the text of one line.
void GiveListLineText(NMLVDISPINFOW& request, const std::string& line);

}  // namespace qv::win32
