#include "ui/when_done.h"

namespace qv {

std::string WhenDoneCountdown::Text(std::int64_t nowMs) const {
  const std::int64_t left = nowMs >= endMs_ ? 0 : (endMs_ - nowMs + 999) / 1000;
  return std::string(row_->countdown) + " in " + std::to_string(left) + " s.";
}

std::optional<WhenDoneCountdown> BeginWhenDone(const App& app) {
  const WhenDoneSpec* row = FindWhenDone(app.form.Selection(ControlId::WhenDone));
  if (!row || row->action == WhenDone::Nothing || !app.run || !app.run->Ended() || app.run->Stopped()) {
    return std::nullopt;
  }
  return WhenDoneCountdown(*row, app.run->NowMs());
}

void CarryOutWhenDone(App& app, WhenDone action) {
  platform::Power& power = app.platform.power;
  bool done = true;
  switch (action) {
    case WhenDone::Nothing:
      break;
    case WhenDone::Close:
      app.quit = true;
      break;
    case WhenDone::Sleep:
    case WhenDone::Hibernate:
      done = power.Suspend(action == WhenDone::Hibernate);
      break;
    case WhenDone::ShutDown:
      done = power.ShutDown();
      break;
  }
  if (!done) {
    app.platform.dialogs.ShowMessage("quorvelan", "The queue has ended; Windows refused what \"When done\" asks.");
  }
}

}  // namespace qv
