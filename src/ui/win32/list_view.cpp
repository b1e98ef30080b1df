#include "ui/win32/list_view.h"

#include <windowsx.h>

#include "text/wide_text.h"

namespace qv::win32 {
namespace {

constexpr UINT_PTR kTipSubclass = 1;
// Long enough for the pointer to go from line to line with the tip showing.
constexpr WORD kTipShownMilliseconds = 32767;

struct LineTip {
  HWND tip;
  int line = -1;
};

int TextMargin() { return 2 * GetSystemMetrics(SM_CXEDGE); }

int LineAt(HWND list, POINT point) {
  LVHITTESTINFO hit{};
  hit.pt = point;
  return static_cast<int>(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

// The control as one tool whose text the control's parent gives.
TTTOOLINFOW WholeControlTool(HWND list) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(list);
  tool.uId = reinterpret_cast<UINT_PTR>(list);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  return tool;
}

// The tool covers the whole list, so the tip would keep the first line's
// text: a tip that shows asks for its text again when the pointer moves to
// another line, and goes where there is none.
LRESULT CALLBACK FollowPointer(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* tip = reinterpret_cast<LineTip*>(data);
  if (message == WM_MOUSEMOVE) {
    const int line = LineAt(list, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (line != tip->line && IsWindowVisible(tip->tip)) {
      TTTOOLINFOW tool = WholeControlTool(list);
      SendMessageW(tip->tip, line >= 0 ? TTM_UPDATETIPTEXTW : TTM_POP, 0, reinterpret_cast<LPARAM>(&tool));
    }
    tip->line = line;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(list, FollowPointer, kTipSubclass);
    delete tip;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

// A tip over the whole of `control`, whose text the control's parent gives.
HWND AttachWholeControlTip(HWND control) {
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(control), nullptr,
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(control, GWLP_HINSTANCE)), nullptr);
  if (!tip) return nullptr;
  TTTOOLINFOW tool = WholeControlTool(control);
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  // Long lines wrap at their blanks instead of running off the screen.
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);
  SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(kTipShownMilliseconds, 0));
  return tip;
}

void AttachLineTip(HWND list) {
  if (HWND tip = AttachWholeControlTip(list)) {
    SetWindowSubclass(list, FollowPointer, kTipSubclass, reinterpret_cast<DWORD_PTR>(new LineTip{tip}));
  }
}

}  // namespace

void PrepareListView(HWND list) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  FitListColumn(list, 0);
  AttachLineTip(list);
}

void FitListColumn(HWND list, int widest) {
  RECT frame{};
  GetWindowRect(list, &frame);
  // The list's inside, less room for the vertical scroll bar.
  const int inside = frame.right - frame.left - 2 * GetSystemMetrics(SM_CXEDGE) - GetSystemMetrics(SM_CXVSCROLL);
  const int needed = widest + 2 * TextMargin();
  const int width = needed > inside ? needed : inside;
  if (SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0) != width) SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, width);
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

int ListLineUnderPointer(HWND list) {
  POINT pointer{};
  GetCursorPos(&pointer);
  ScreenToClient(list, &pointer);
  return LineAt(list, pointer);
}

LRESULT DrawListLine(NMLVCUSTOMDRAW& draw, const std::vector<std::string>& lines) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  const auto line = static_cast<std::size_t>(draw.nmcd.dwItemSpec);
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT || line >= lines.size()) return CDRF_DODEFAULT;
  HWND list = draw.nmcd.hdr.hwndFrom;
  RECT row{};
  row.left = LVIR_BOUNDS;
  SendMessageW(list, LVM_GETITEMRECT, line, reinterpret_cast<LPARAM>(&row));
  const bool selected = (SendMessageW(list, LVM_GETITEMSTATE, line, LVIS_SELECTED) & LVIS_SELECTED) != 0;
  HDC dc = draw.nmcd.hdc;
  FillRect(dc, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  SetBkMode(dc, TRANSPARENT);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
  row.left += TextMargin();
  const std::wstring text = Widen(lines[line]);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &row,
            DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_NOCLIP);
  if (previous) SelectObject(dc, previous);
  return CDRF_SKIPDEFAULT;
}

void GiveListLineText(NMLVDISPINFOW& request, const std::string& line) {
  if (!(request.item.mask & LVIF_TEXT) || !request.item.pszText || request.item.cchTextMax <= 0) return;
  lstrcpynW(request.item.pszText, Widen(line).c_str(), request.item.cchTextMax);
}

void AttachTextTip(HWND label) { AttachWholeControlTip(label); }

bool TextIsCut(HWND label) {
  const int length = GetWindowTextLengthW(label);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(label, text.data(), length + 1));
  RECT area{};
  GetClientRect(label, &area);
  HDC dc = GetDC(label);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  return size.cx > area.right;
}

}  // namespace qv::win32
