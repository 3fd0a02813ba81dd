// murvane: the window program. No arguments, no settings: every run starts from the window's
// initial state.
#include <QApplication>
#include <chrono>
#include <thread>

#include "app/app_state.h"
#include "app/event_bindings.h"
#include "ui/qt/qt_form.h"

namespace {

// The disposal worker writes the status bar; it is told to stop after its current file and
// waited for, so that neither the window nor the queue goes away under it.
void StopDisposalWorker(murvane::AppState& state) {
    state.DisposalStopFlag = 1;
    while (state.DisposalBusy != 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    murvane::AppState state;
    int exitCode = 0;
    {
        murvane::QtForm form;
        murvane::EventBindings bindings(state, form);
        form.RaiseCreated();
        form.ShowCentred();
        exitCode = QApplication::exec();
        StopDisposalWorker(state);
    }
    return exitCode;
}
