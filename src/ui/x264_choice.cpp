#include "ui/x264_choice.h"

namespace qv {
namespace {

// The drop-down's entries, in list order.
enum SyntaxChoice { kAuto, kClassic, kCurrent };

}  // namespace

X264Syntax JobSyntax(App& app) {
  switch (app.form.Number(ControlId::X264Syntax)) {
    case kClassic:
      return X264Syntax::Classic;
    case kCurrent:
      return X264Syntax::Current;
    default:
      break;
  }
  if (!app.x264) {
    app.x264 = FindX264(app.platform);
    app.form.SetText(ControlId::X264Found, DescribeX264(*app.x264));
  }
  return SyntaxOf(*app.x264);
}

}  // namespace qv
