// murvane: the window program. No arguments, no settings: every run starts from the window's
// initial state.
#include <QApplication>

#include "app/app_state.h"
#include "app/event_bindings.h"
#include "ui/qt/qt_form.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    murvane::AppState state;
    int exitCode = 0;
    {
        // The window outlives the bindings, which stop and wait for a running disposal worker,
        // and the state outlives both.
        murvane::QtForm form;
        murvane::EventBindings bindings(state, form);
        form.RaiseCreated();
        form.ShowCentred();
        exitCode = QApplication::exec();
    }
    return exitCode;
}
