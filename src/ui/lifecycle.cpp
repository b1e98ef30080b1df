#include "ui/lifecycle.h"

#include "settings/config_io.h"
#include "settings/config_lists.h"
#include "ui/dispatch.h"

namespace qv {
namespace {

// Created in this order beside the program; an existing one is no error.
constexpr const char* kWorkingFolders[] = {"avs", "stats", "configs", "log", "avsinc"};
constexpr const char* kCalculatorLibrary = "rateplan.dll";

}  // namespace

void StartUp(App& app) {
  for (const char* folder : kWorkingFolders) app.platform.files.CreateFolder(app.platform.programFolder + folder);
  app.calculator = app.platform.libraries.Load(kCalculatorLibrary);
  RefreshConfigLists(app.form, app.platform);
  LoadConfig(app.form, app.platform, StateFilePath(app.platform));
  // The load rewrote every field; their checks run now, as the first events
  // of the loop would run them, so the window opens on a settled form.
  RunPendingEvents(app);
}

bool ShutDown(App& app) { return SaveConfig(app.form, app.platform.files, StateFilePath(app.platform)); }

}  // namespace qv
