#include "ui/dispatch.h"

#include "form/rules.h"
#include "settings/limits.h"
#include "jobs/job_list.h"
#include "jobs/job_paths.h"
#include "settings/config_io.h"
#include "settings/config_lists.h"
#include "ui/calculator.h"
#include "ui/job_line_dialogs.h"
#include "ui/job_list_keeping.h"
#include "ui/pickers.h"
#include "ui/questions.h"
#include "ui/reported_operations.h"

namespace qv {
namespace {

enum class Trigger : std::uint8_t {
  AnyEvent,    // every notification of the control
  FocusLoss,   // the field lost the keyboard focus
  Undo,        // Ctrl+Z
};

using Handler = void (*)(App& app, ControlId control);

struct DispatchRow {
  ControlId control;
  Trigger trigger;
  Handler handler;
};

using C = ControlId;
constexpr Trigger kAny = Trigger::AnyEvent;

// Handlers that need nothing but the app; the control is the row's own.
template <void (*Operation)(App&)>
void OnApp(App& app, ControlId) {
  Operation(app);
}
template <void (*Operation)(Form&)>
void OnForm(App& app, ControlId) {
  Operation(app.form);
}
template <void (*Operation)(Form&, const platform::Platform&)>
void OnFormAndPlatform(App& app, ControlId) {
  Operation(app.form, app.platform);
}

// A setting's field keeps within its bounds, then updates what it drives.
void FieldRules(App& app, ControlId control) {
  ApplyFormLimit(app.form, control);
  ApplyRulesOf(app.form, control);
}
void ModeRules(App& app, ControlId control) {
  ApplyRateUnitSwitch(app.form);
  FieldRules(app, control);
}
void Quit(App& app, ControlId) { app.quit = true; }
void UndoJobListChange(App& app, ControlId) { app.jobHistory.Undo(app.form); }

// clang-format off
const DispatchRow kRows[] = {
  // "Bitrate"
  {C::Mode,         kAny,                ModeRules},
  {C::Calc,         kAny,                OnApp<CalculateBitrate>},
  {C::Refresh,      kAny,                OnFormAndPlatform<RefreshConfigLists>},
  {C::SaveConfig,   kAny,                OnApp<SaveNamedConfigReporting>},
  {C::LoadConfig,   kAny,                OnApp<LoadNamedConfigReporting>},
  {C::StatsBrowse,  kAny,                OnApp<PickStatsFile>},
  {C::LogBrowse,    kAny,                OnApp<PickLogFile>},
  {C::FilesInput,   kAny,                OnApp<FilesInputReporting>},
  {C::InputBrowse,  kAny,                OnApp<PickInputReporting>},
  {C::OutputBrowse, kAny,                OnFormAndPlatform<PickOutput>},
  // "MBs&&Frames"
  {C::Bias,         Trigger::FocusLoss,  OnForm<ApplyBiasSliderRule>},
  // "More"
  {C::Matrix,       kAny,                OnApp<PickMatrix>},
  // "Job" and the buttons below the pages
  {C::JobMakeBat,   kAny,                OnApp<MakeBatchFileReporting>},
  {C::JobStart,     kAny,                OnApp<StartBatchReporting>},
  {C::JobShut,      kAny,                OnForm<AppendShutdown>},
  {C::JobClear,     kAny,                OnApp<ClearJobListAsking>},
  {C::JobDelete,    kAny,                OnForm<DeleteSelectedJobLine>},
  {C::JobUp,        kAny,                OnForm<MoveSelectedJobLineUp>},
  {C::JobDown,      kAny,                OnForm<MoveSelectedJobLineDown>},
  {C::JobEdit,      kAny,                OnApp<EditSelectedJobLine>},
  {C::JobView,      kAny,                OnApp<ViewSelectedJobLine>},
  {C::JobList,      Trigger::Undo,       UndoJobListChange},
  {C::LoadDefault,  kAny,                OnApp<LoadBuiltInDefaultsAsking>},
  {C::Add,          kAny,                OnApp<AddJobReporting>},
  {C::Cancel,       kAny,                Quit},
};
// clang-format on

// A setting field without a row of its own that has bounds or drives a
// rule keeps within them and updates what it drives, on every event.
std::optional<DispatchRow> FindDispatchRow(ControlId control) {
  for (const DispatchRow& row : kRows) {
    if (row.control == control) return row;
  }
  if (HasFormLimit(control) || DrivesRules(control)) return DispatchRow{control, kAny, FieldRules};
  return std::nullopt;
}

bool Triggers(Trigger trigger, EventKind kind) {
  switch (trigger) {
    case Trigger::AnyEvent:
      return true;
    case Trigger::FocusLoss:
      return kind == EventKind::FocusLoss;
    case Trigger::Undo:
      return kind == EventKind::Undo;
  }
  return false;
}

}  // namespace

void Dispatch(App& app, const FormEvent& event) {
  const std::optional<DispatchRow> row = FindDispatchRow(event.id);
  if (row && Triggers(row->trigger, event.kind)) row->handler(app, event.id);
}

void RunPendingEvents(App& app) {
  while (!app.quit) {
    const std::optional<FormEvent> event = app.form.PopEvent();
    if (!event) break;
    app.jobHistory.Open(app.form);
    Dispatch(app, *event);
    app.jobHistory.Close();
  }
  KeepJobList(app);
}

}  // namespace qv
