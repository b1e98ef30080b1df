#pragma once
// The main window and one system control per row of the form table. The
// controls are children of the main window laid over the tab panel; a page
// switch shows the controls of one page and hides the others. A page's
// controls are created when it is first shown, from the form's state at that
// moment, so that start-up creates only the controls on screen.

#include <windows.h>

#include <array>
#include <string>

#include "form/form.h"
#include "ui/win32/scale.h"

namespace qv::win32 {

struct MainWindow {
  HWND window = nullptr;
  // nullptr for the controls of a page not shown yet.
  std::array<HWND, kControlCount> controls{};
  std::array<bool, 6> pageBuilt{};  // by Page
  HINSTANCE instance = nullptr;
  Scale scale;
  POINT pageOrigin{};  // top-left of the tab panel's page area
  HFONT tahoma = nullptr;
  HBITMAP banner = nullptr;
  // The colour of the tab panel's page area, for the backgrounds of the
  // labels, check boxes, frames and sliders that stand on it.
  HBRUSH pageBrush = nullptr;
  Page page = Page::Bitrate;

  HWND Control(ControlId id) const { return controls[Index(id)]; }
};

// Registers a window class of the program's (the main window's,
// kWindowClass, or the queue view's) with `windowProc`; false on failure.
bool RegisterWindowClass(HINSTANCE instance, WNDPROC windowProc, const char* name);

// Creates the window, hidden, with the controls around the pages and those of
// the selected page in the form's current state. `creationParam` reaches the
// window procedure in WM_NCCREATE. False when the window could not be created.
bool BuildMainWindow(HINSTANCE instance, const Form& form, const Scale& scale, void* creationParam,
                     MainWindow& out);

// Shows the controls of `page` (those the form holds visible), creating them
// on its first showing, and hides the controls of every other page. A
// control that could not be created is tried again at the next showing.
void ShowPage(MainWindow& window, const Form& form, Page page);

// The page of the tab panel's `index`th tab.
inline Page PageOfTab(int index) { return static_cast<Page>(static_cast<int>(Page::Bitrate) + index); }

// True when the control is on screen while its page is selected.
bool OnShownPage(const MainWindow& window, ControlId id);

// WM_CTLCOLORSTATIC / WM_CTLCOLORBTN: the background brush of a control that
// stands on a page (set up in `dc`), or nullptr for the system's default.
HBRUSH PageBackground(const MainWindow& window, HWND control, HDC dc);

// WM_ERASEBKGND: the dialog colour, and the tab panel's look where it lies.
void PaintBackground(const MainWindow& window, HDC dc);


// Frees the fonts and the banner after the window is gone.
void ReleaseMainWindow(MainWindow& window);

}  // namespace qv::win32
