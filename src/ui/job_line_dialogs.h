#pragma once
// The "edit" and "view" requesters of the selected job-list line. Both do
// nothing when no line is selected.

#include "ui/app.h"

namespace qv {

// The line is replaced by the edited text and stays selected; a cancelled
// requester leaves it as it was.
void EditSelectedJobLine(App& app);

void ViewSelectedJobLine(App& app);

}  // namespace qv
