// The two lists the user reviews duplicates in: a click in the main list shows the files of the
// chosen title in the detail list; a click on either list's first column header ticks or
// unticks all its rows.
#pragma once

#include "app/app_context.h"

namespace murvane {

void ShowGroupFiles(AppContext& app);
void ToggleAllChecks(AppContext& app, Control list, int column);
// The tick-all half of a header click on the main list.
void TickAllMainRows(AppContext& app);

}  // namespace murvane
