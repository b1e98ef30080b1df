#include "ui/job_line_dialogs.h"

#include <optional>
#include <string>

namespace qv {

void EditSelectedJobLine(App& app) {
  Form& form = app.form;
  const int selected = form.Selection(ControlId::JobList);
  if (selected < 0) return;
  std::optional<std::string> edited =
      app.platform.dialogs.EditLine("Edit", "For expert only!", form.Item(ControlId::JobList, selected));
  if (!edited) return;
  form.InsertItem(ControlId::JobList, selected, std::move(*edited));
  form.RemoveItem(ControlId::JobList, selected + 1);
  form.Select(ControlId::JobList, selected);
}

void ViewSelectedJobLine(App& app) {
  const int selected = app.form.Selection(ControlId::JobList);
  if (selected < 0) return;
  app.platform.dialogs.ShowMessage("The command line parameter is:", app.form.Item(ControlId::JobList, selected));
}

}  // namespace qv
