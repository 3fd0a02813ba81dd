#include "app/event_bindings.h"

#include <iterator>

#include "app/scan_control.h"
#include "app/window_reactions.h"

namespace murvane {
namespace {

using Reaction = void (*)(AppContext& app, Control control, int column);

struct Binding {
    Control control;
    FormEvent event;
    Reaction react;
};

// Reactions that need neither the control nor the column.
template <void (*Plain)(AppContext&)>
void Run(AppContext& app, Control /*control*/, int /*column*/) {
    Plain(app);
}

using enum Control;
using enum FormEvent;

constexpr Binding kBindings[] = {
    {主窗口, Created, Run<WindowCreated>},
    {按钮1, Clicked, Run<BrowseClicked>},
    {选择框_艺术家, Clicked, Run<ArtistBoxClicked>},
    {按钮2, Clicked, Run<StartStopClicked>},
};

}  // namespace

EventBindings::EventBindings(AppState& state, Form& form) : app_{state, form} {
    form.SetEvents(this);
}

EventBindings::~EventBindings() {
    app_.form.SetEvents(nullptr);
}

void EventBindings::OnEvent(Control control, FormEvent event, int column) {
    for (const Binding& binding : kBindings) {
        if (binding.control == control && binding.event == event) {
            binding.react(app_, control, column);
            return;
        }
    }
}

void EventBindings::OnClosing() {
    app_.state.ScanStopFlag = 1;
}

}  // namespace murvane
