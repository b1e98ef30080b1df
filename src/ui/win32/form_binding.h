#pragma once
// Keeps the window and the form model in step: every change of the model is
// mirrored into its control, and every notification of a control becomes a
// model update plus a form event for the dispatcher.

#include <windows.h>
#include <commctrl.h>

#include <bitset>
#include <functional>
#include <string>

#include "form/form.h"
#include "ui/win32/line_widths.h"
#include "ui/win32/main_window.h"

namespace qv::win32 {

class FormBinding final : public FormObserver {
 public:
  FormBinding(MainWindow& window, Form& form) : window_(window), form_(form) {}

  // WM_COMMAND from a control; false when it names no control of the form.
  bool OnCommand(HWND control, int notification);
  // WM_HSCROLL from a track bar.
  void OnScroll(HWND control, int request);
  // WM_NOTIFY from the job list and its tool tip: requests for line texts,
  // drawing and selection changes. False when it comes from neither.
  bool OnNotify(NMHDR& header, LRESULT& result);
  // The tab panel's selection changed: only the shown page changes.
  void OnPageSelected();
  // Writes the texts that changed in the model since the last call into their
  // controls. Called once the queued events have run, and before a modal
  // dialog shows (WM_ENTERIDLE), so that a handler that rewrites a field a
  // thousand times costs one update on screen.
  void ShowChangedTexts();

  void OnTextChanged(ControlId id) override;
  void OnValueChanged(ControlId id) override;
  void OnEnabledChanged(ControlId id) override;
  void OnVisibleChanged(ControlId id) override;
  void OnItemsInserted(ControlId id, int index, int count) override;
  void OnItemRemoved(ControlId id, int index) override;
  void OnItemsCleared(ControlId id) override;

 private:
  bool FromWindow(HWND control, ControlId& id) const;
  // A number field given a character that no number holds keeps its text
  // and says why in a balloon; true when it did.
  bool RefusesTyped(HWND control, ControlId id, const std::string& text);
  void ShowNumberTip(HWND control, const std::wstring& note);
  void HideNumberTip();
  void MirrorItems(ControlId id, const std::function<void(HWND)>& changeBox);
  void ShowValue(ControlId id);
  void ShowText(ControlId id);
  // The job list once its page is built: its lines measured, its column fitted.
  HWND MeasuredList(ControlId id);

  MainWindow& window_;
  Form& form_;
  // Set while the binding itself writes into a control, whose echoing
  // notification must not reach the model a second time.
  bool mirroring_ = false;
  std::bitset<kControlCount> changedTexts_;
  LineWidths lineWidths_;
  std::wstring tipText_;  // the tool tip's text while it shows
  HWND numberTip_ = nullptr;  // the balloon of a refused character, made at its first use
  std::wstring numberTipText_;
};

}  // namespace qv::win32
