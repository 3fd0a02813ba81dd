#pragma once

#include "app/app_state.h"
#include "ui/form.h"

namespace murvane {

class DisposalWorker;

// What every reaction works on: the program's state, the window and the disposal worker.
struct AppContext {
    AppState& state;
    Form& form;
    DisposalWorker& disposal;
};

}  // namespace murvane
