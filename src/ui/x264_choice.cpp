#include "ui/x264_choice.h"

namespace qv {

X264Syntax JobSyntax(App& app) {
  const X264SyntaxSpec* row = FindX264Syntax(app.form.Number(ControlId::X264Syntax));
  const SyntaxChoice choice = row != nullptr ? row->choice : SyntaxChoice::Auto;
  if (choice == SyntaxChoice::Classic) return X264Syntax::Classic;
  if (choice == SyntaxChoice::Current) return X264Syntax::Current;
  if (!app.x264) {
    app.x264 = FindX264(app.platform);
    app.form.SetText(ControlId::X264Found, DescribeX264(*app.x264));
  }
  return SyntaxOf(*app.x264);
}

}  // namespace qv
