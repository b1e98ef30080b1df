#include "ui/pickers.h"

#include <string>

#include "catalog/encode_modes.h"
#include "catalog/x264_lists.h"

namespace qv {
namespace {

constexpr const char* kStatsFilter = "Statsfile (*.stat)|*.stat";
constexpr const char* kLogFilter = "Log file (*.txt)|*.txt";
constexpr const char* kMatrixTitle = "Select a matrix file";
constexpr const char* kMatrixFilter = "*.*|*.*";

void KeepIfChosen(Form& form, ControlId field, const std::string& chosen) {
  if (!chosen.empty()) form.SetText(field, chosen);
}

}  // namespace

void PickStatsFile(App& app) {
  const std::string current = app.form.Text(ControlId::Stats);
  const bool readsExisting = HasTrait(app.form.Number(ControlId::Mode), kStatsPickerOpens);
  platform::Dialogs& dialogs = app.platform.dialogs;
  KeepIfChosen(app.form, ControlId::Stats,
               readsExisting ? dialogs.OpenFile("", current, kStatsFilter) : dialogs.SaveFile("", current, kStatsFilter));
}

void PickLogFile(App& app) {
  KeepIfChosen(app.form, ControlId::Log, app.platform.dialogs.SaveFile("", app.form.Text(ControlId::Log), kLogFilter));
}

// The entry that picks a file; a cancelled pick falls back to the first
// matrix, which x264 uses when none is given.
void PickMatrix(App& app) {
  const MatrixSpec* row = FindMatrix(app.form.Number(ControlId::Matrix));
  if (row == nullptr || row->builtIn || app.form.Text(ControlId::Matrix) != row->listText) return;
  const std::string chosen = app.platform.dialogs.OpenFile(kMatrixTitle, "", kMatrixFilter);
  app.form.SetText(ControlId::Matrix, chosen.empty() ? std::string(FindMatrix(0)->listText) : "\"" + chosen + "\"");
}

}  // namespace qv
