#pragma once
// The window's controls as data: every control's page, kind, caption,
// geometry, style, items and initial state. Built from controls.def; the
// form model and the real window both read this table and nothing else.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qv {

enum class ControlId : std::uint16_t {
#define QV_CONTROL(ID, PAGE, KIND, TEXT, X, Y, W, H, STYLE, ITEMS, STATE, LO, HI, ENABLED, VISIBLE) ID,
#include "form/controls.def"
#undef QV_CONTROL
};

enum class Page : std::uint8_t { Window, Bitrate, RateControl, MBsFrames, More, Job };

enum class ControlKind : std::uint8_t {
  Tab,            // the tab panel
  Button,
  CheckBox,
  Label,          // static text
  Edit,           // single-line text field
  DropDown,       // combo box whose text comes only from its items
  EditableCombo,  // combo box that can also be typed into
  TrackBar,       // horizontal slider
  Frame,          // captioned group box
  Image,
  List,           // single-selection list box
};

// Style bits of a control.
enum ControlStyle : std::uint8_t {
  kNoStyle = 0,
  kDigitsOnly = 1 << 0,     // numbers-only text field
  kMaxThreeChars = 1 << 1,  // text field limited to three characters
  kDefaultFont = 1 << 2,    // keeps the system dialog font instead of Tahoma 8 pt
  kWholeTextTip = 1 << 3,   // a label whose text may not fit: cut with "...", shown whole as a tool tip
};

struct Rect {
  int x, y, width, height;
};

struct ItemList {
  const char* const* items;
  std::size_t count;
};

struct ControlSpec {
  ControlId id;
  Page page;
  ControlKind kind;
  const char* text;  // caption, or the initial text of a field that holds no setting
  Rect geometry;     // 96-DPI pixels
  std::uint8_t style;
  ItemList items;
  int state;         // initial check mark, selection (-1: none) or position
  int lo, hi;        // track-bar range
  bool enabled;
  bool visible;
};

inline constexpr std::size_t kControlCount = 0
#define QV_CONTROL(ID, PAGE, KIND, TEXT, X, Y, W, H, STYLE, ITEMS, STATE, LO, HI, ENABLED, VISIBLE) +1
#include "form/controls.def"
#undef QV_CONTROL
    ;

// The whole table, indexed by ControlId.
const ControlSpec& ControlRow(ControlId id);
const ControlSpec* AllControls();  // kControlCount entries

inline std::size_t Index(ControlId id) { return static_cast<std::size_t>(id); }

// Name of a control as it stands in the table ("Mode", "Value", ...).
std::string_view ControlName(ControlId id);

}  // namespace qv
