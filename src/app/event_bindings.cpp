#include "app/event_bindings.h"

#include "app/scan_control.h"
#include "app/window_reactions.h"
#include "review/disposal_options.h"
#include "review/disposal_requests.h"
#include "review/review_lists.h"

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

PosixFileOperations& TheFileSystem() {
    static PosixFileOperations fileSystem;
    return fileSystem;
}

using enum Control;
using enum FormEvent;

constexpr Binding kBindings[] = {
    {主窗口, Created, Run<WindowCreated>},
    {按钮1, Clicked, Run<BrowseClicked>},
    {选择框_艺术家, Clicked, Run<ArtistBoxClicked>},
    {按钮2, Clicked, Run<StartStopClicked>},
    {超级列表框_主, ListClicked, Run<ShowGroupFiles>},
    {超级列表框_主, HeaderClicked, ToggleAllChecks},
    {超级列表框_辅, HeaderClicked, ToggleAllChecks},
    {选择框_自动删除, Clicked, Run<DeleteBoxClicked>},
    {选择框_自动移动, Clicked, Run<MoveBoxClicked>},
    {编辑框2, TextChanged, Run<TargetTextChanged>},
    {编辑框2, DoubleClicked, Run<TargetBoxDoubleClicked>},
    {按钮_处理一项, Clicked, Run<ProcessTicked>},
    {按钮_处理全部, Clicked, Run<ProcessAll>},
};

}  // namespace

EventBindings::EventBindings(AppState& state, Form& form, FileOperations& files,
                             DisposalPacing pacing)
    : disposal_(state, form, files, pacing), app_{state, form, disposal_} {
    form.SetEvents(this);
}

EventBindings::EventBindings(AppState& state, Form& form)
    : EventBindings(state, form, TheFileSystem()) {}

EventBindings::~EventBindings() {
    disposal_.Shutdown();
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
    disposal_.Shutdown();
}

}  // namespace murvane
