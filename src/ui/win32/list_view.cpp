#include "ui/win32/list_view.h"

#include "text/wide_text.h"

namespace qv::win32 {

void PrepareListView(HWND list) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  RECT client{};
  GetClientRect(list, &client);
  // Room for the vertical scroll bar, so that a long list never needs a
  // horizontal one as well; longer lines end in "...".
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

void SetListLineCount(HWND list, int count) { SendMessageW(list, LVM_SETITEMCOUNT, count, LVSICF_NOSCROLL); }

void SelectListLine(HWND list, int index) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (index < 0) return;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
  SendMessageW(list, LVM_ENSUREVISIBLE, index, FALSE);
}

int ListSelection(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

LRESULT DrawSelectedLineHighlighted(NMLVCUSTOMDRAW& draw) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  const auto line = static_cast<WPARAM>(draw.nmcd.dwItemSpec);
  if (!(SendMessageW(draw.nmcd.hdr.hwndFrom, LVM_GETITEMSTATE, line, LVIS_SELECTED) & LVIS_SELECTED)) {
    return CDRF_DODEFAULT;
  }
  draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
  draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
  return CDRF_DODEFAULT;
}

void GiveListLineText(NMLVDISPINFOW& request, const std::string& line) {
  if (!(request.item.mask & LVIF_TEXT) || !request.item.pszText || request.item.cchTextMax <= 0) return;
  lstrcpynW(request.item.pszText, Widen(line).c_str(), request.item.cchTextMax);
}

}  // namespace qv::win32
