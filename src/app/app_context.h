#pragma once

#include "app/app_state.h"
#include "ui/form.h"

namespace murvane {

// What every reaction works on: the program's state and the window.
struct AppContext {
    AppState& state;
    Form& form;
};

}  // namespace murvane
