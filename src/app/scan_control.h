#pragma once

#include "app/app_context.h"

namespace murvane {

// The start button: starts a scan when none runs, otherwise (pressed again from inside the
// walk's event handling) asks the running one to stop.
void StartStopClicked(AppContext& app);

}  // namespace murvane
