// The window program as main() makes it: the state, the window with its bindings, the creation
// event, the window shown. Members go in main's order too: bindings, window, then state.
#pragma once

#include "app/app_state.h"
#include "app/event_bindings.h"
#include "ui/qt/qt_form.h"

namespace murvane::testing {

struct ProgramWindow {
    AppState state;
    QtForm form;
    EventBindings bindings{state, form};

    ProgramWindow() {
        form.RaiseCreated();
        form.ShowCentred();
    }
};

}  // namespace murvane::testing
