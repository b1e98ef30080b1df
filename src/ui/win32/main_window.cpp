#include "ui/win32/main_window.h"

#include <commctrl.h>

#include "platform/win32/window_text.h"
#include "text/wide_text.h"
#include "ui/win32/banner.h"
#include "ui/win32/control_classes.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/list_view.h"

namespace qv::win32 {
namespace {

// Not WS_CLIPCHILDREN: the window paints the page background beneath its
// frames, which draw only their borders and which the tab panel leaves out.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// WS_EX_ACCEPTFILES is what DragAcceptFiles sets; set here, it spares
// loading the shell library at start-up.
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;
constexpr int kClientWidth = 308;
constexpr int kClientHeight = 359;

HFONT CreateTahoma(const Scale& scale) {
  return CreateFontW(-MulDiv(8, scale.dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
}

void AddTabs(HWND tab, const Form& form, ControlId id, const Scale& scale) {
  // Narrower than the default, so that all five tabs fit in one row.
  SendMessageW(tab, TCM_SETPADDING, 0, MAKELPARAM(scale(4), scale(3)));
  const auto& pages = form.Items(id);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    std::wstring text = Widen(pages[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(tab, TCM_SETCURSEL, form.Number(id), 0);
}

// Puts the form's items, selection, text and position into a fresh control.
void FillControl(HWND control, const Form& form, ControlId id, const ControlSpec& row, const Scale& scale) {
  switch (row.kind) {
    case ControlKind::Tab:
      AddTabs(control, form, id, scale);
      break;
    case ControlKind::CheckBox:
      SendMessageW(control, BM_SETCHECK, form.Number(id) ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case ControlKind::DropDown:
    case ControlKind::EditableCombo:
      for (const std::string& item : form.Items(id)) {
        SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
      }
      SendMessageW(control, CB_SETCURSEL, form.Number(id), 0);
      if (row.kind == ControlKind::EditableCombo) platform::WriteWindowText(control, form.Text(id));
      break;
    case ControlKind::List:
      PrepareListView(control);
      SetListLineCount(control, form.ItemCount(id));
      SelectListLine(control, form.Number(id));
      break;
    case ControlKind::TrackBar:
      SendMessageW(control, TBM_SETRANGE, FALSE, MAKELPARAM(row.lo, row.hi));
      SendMessageW(control, TBM_SETPOS, TRUE, form.Number(id));
      break;
    case ControlKind::Edit:
      if (row.style & kMaxThreeChars) SendMessageW(control, EM_LIMITTEXT, 3, 0);
      break;
    case ControlKind::Label:
      if (row.style & kWholeTextTip) AttachTextTip(control);
      break;
    default:
      break;
  }
}

bool VisibleOn(const ControlSpec& row, Page page) { return row.page == Page::Window || row.page == page; }

// The top-left corner of the tab panel's page area, in window client pixels.
POINT PageOrigin(HWND tab) {
  RECT area{};
  GetClientRect(tab, &area);
  SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  POINT origin{area.left, area.top};
  MapWindowPoints(tab, GetParent(tab), &origin, 1);
  return origin;
}

HWND CreateControl(const MainWindow& window, HINSTANCE instance, const Form& form, const Scale& scale,
                   POINT pageOrigin, const ControlSpec& row) {
  const ControlClass windowClass = ClassOf(row);
  DWORD style = windowClass.style;
  if (!form.Enabled(row.id)) style |= WS_DISABLED;
  // Created hidden and shown together once their page is complete, which
  // also measured faster than creating them visible.
  const POINT origin = row.page == Page::Window ? POINT{0, 0} : pageOrigin;
  const bool hasCaption = row.kind != ControlKind::EditableCombo;
  HWND control = CreateWindowExW(
      windowClass.exStyle, windowClass.className, hasCaption ? Widen(form.Text(row.id)).c_str() : L"", style,
      origin.x + scale(row.geometry.x), origin.y + scale(row.geometry.y), scale(row.geometry.width),
      scale(row.geometry.height), window.window,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(WindowsControlId(row.id))), instance, nullptr);
  if (!control) return nullptr;
  const HGDIOBJ font = (row.style & kDefaultFont) ? GetStockObject(DEFAULT_GUI_FONT) : window.tahoma;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (row.kind == ControlKind::Image && window.banner) {
    SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(window.banner));
  }
  FillControl(control, form, row.id, row, scale);
  return control;
}

// Labels and check boxes would otherwise paint the dialog colour over a tab
// panel that the visual style draws in another colour: the colour of the
// page area, as the tab panel draws it, becomes their background.
void CapturePageColour(MainWindow& window) {
  HWND tab = window.Control(ControlId::Tabs);
  RECT page{};
  GetClientRect(tab, &page);
  SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  // One pixel, the page's centre, is all that is read: the panel is drawn
  // into a 1 x 1 bitmap moved beneath that point, which costs far less at
  // start-up than drawing it whole.
  const POINT centre{(page.left + page.right) / 2, (page.top + page.bottom) / 2};
  HDC screen = GetDC(tab);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 1, 1);
  ReleaseDC(tab, screen);
  COLORREF colour = GetSysColor(COLOR_BTNFACE);
  if (memory && bitmap) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SetViewportOrgEx(memory, -centre.x, -centre.y, nullptr);
    RECT pixel{centre.x, centre.y, centre.x + 1, centre.y + 1};
    FillRect(memory, &pixel, GetSysColorBrush(COLOR_BTNFACE));
    SendMessageW(tab, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    const COLORREF drawn = GetPixel(memory, centre.x, centre.y);
    if (drawn != CLR_INVALID) colour = drawn;
    SelectObject(memory, previous);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  window.pageBrush = CreateSolidBrush(colour);
}

bool StandsOnPage(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::CheckBox || kind == ControlKind::Frame ||
         kind == ControlKind::TrackBar || kind == ControlKind::Image;
}

}  // namespace

HBRUSH PageBackground(const MainWindow& window, HWND control, HDC dc) {
  ControlId id{};
  if (!window.pageBrush || !ControlFromWindowsId(GetDlgCtrlID(control), id) || window.Control(id) != control) {
    return nullptr;
  }
  const ControlSpec& row = ControlRow(id);
  if (row.page == Page::Window || !StandsOnPage(row.kind)) return nullptr;
  SetBkMode(dc, TRANSPARENT);
  return window.pageBrush;
}

void PaintBackground(const MainWindow& window, HDC dc) {
  RECT client{};
  GetClientRect(window.window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  if (!window.pageBrush) return;
  HWND tab = window.Control(ControlId::Tabs);
  RECT area{};
  GetClientRect(tab, &area);
  MapWindowPoints(tab, window.window, reinterpret_cast<POINT*>(&area), 2);
  FillRect(dc, &area, window.pageBrush);
}

bool RegisterWindowClass(HINSTANCE instance, WNDPROC windowProc, const char* name) {
  const std::wstring className = Widen(name);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  windowClass.hIconSm = windowClass.hIcon;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className.c_str();
  return RegisterClassExW(&windowClass) != 0;
}

// Shows the controls of the selected page and those around the pages (the
// ones the form holds visible); hides all others.
void ShowControlsOf(const MainWindow& window, const Form& form) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlSpec& row = AllControls()[i];
    if (!window.controls[i]) continue;
    const bool shown = VisibleOn(row, window.page) && form.Visible(row.id);
    const bool showing = (GetWindowLongW(window.controls[i], GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != showing) ShowWindow(window.controls[i], shown ? SW_SHOWNA : SW_HIDE);
  }
}

// Creates the controls of one page (or of the window around the pages).
bool BuildPage(MainWindow& window, const Form& form, Page page) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlSpec& row = AllControls()[i];
    if (row.page != page || window.controls[i]) continue;
    window.controls[i] = CreateControl(window, window.instance, form, window.scale, window.pageOrigin, row);
    if (!window.controls[i]) return false;
  }
  window.pageBuilt[static_cast<std::size_t>(page)] = true;
  // Beneath its siblings, so that the pages' controls are drawn over it.
  SetWindowPos(window.Control(ControlId::Tabs), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return true;
}

bool BuildMainWindow(HINSTANCE instance, const Form& form, const Scale& scale, void* creationParam,
                     MainWindow& out) {
  RECT frame{0, 0, scale(kClientWidth), scale(kClientHeight)};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
  out.window = CreateWindowExW(kWindowExStyle, Widen(kWindowClass).c_str(), Widen(kWindowTitle).c_str(), kWindowStyle, 0, 0,
                               frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance,
                               creationParam);
  if (!out.window) return false;
  out.instance = instance;
  out.scale = scale;
  out.tahoma = CreateTahoma(scale);
  const ControlSpec& banner = ControlRow(ControlId::Banner);
  out.banner = DrawBanner(scale(banner.geometry.width), scale(banner.geometry.height));
  out.page = PageOfTab(form.Number(ControlId::Tabs));

  // The tab panel comes first: the pages are placed within its page area.
  const ControlSpec& tabs = ControlRow(ControlId::Tabs);
  out.controls[Index(ControlId::Tabs)] = CreateControl(out, instance, form, scale, POINT{0, 0}, tabs);
  if (!out.Control(ControlId::Tabs)) return false;
  CapturePageColour(out);
  out.pageOrigin = PageOrigin(out.Control(ControlId::Tabs));
  if (!BuildPage(out, form, Page::Window) || !BuildPage(out, form, out.page)) return false;
  ShowControlsOf(out, form);
  return true;
}

bool OnShownPage(const MainWindow& window, ControlId id) { return VisibleOn(ControlRow(id), window.page); }

void ShowPage(MainWindow& window, const Form& form, Page page) {
  window.page = page;
  SendMessageW(window.window, WM_SETREDRAW, FALSE, 0);
  if (!window.pageBuilt[static_cast<std::size_t>(page)]) BuildPage(window, form, page);
  ShowControlsOf(window, form);
  SendMessageW(window.window, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(window.window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void ReleaseMainWindow(MainWindow& window) {
  if (window.tahoma) DeleteObject(window.tahoma);
  if (window.banner) DeleteObject(window.banner);
  if (window.pageBrush) DeleteObject(window.pageBrush);
  window = MainWindow{};
}

}  // namespace qv::win32
