// The two process buttons: they queue paths for the disposal worker and start it when none
// runs. The process-all button also stops a running disposal.
#pragma once

#include "app/app_context.h"

namespace murvane {

void ProcessTicked(AppContext& app);
void ProcessAll(AppContext& app);

}  // namespace murvane
