#include "review/disposal_options.h"

#include "platform/path.h"

namespace murvane {
namespace {

using enum Control;

// Writes the picker's answer into the target box; true when a directory was chosen. A cancel
// writes the empty text, which TargetTextChanged turns back into the placeholder.
bool PickTarget(AppContext& app) {
    const Text chosen = app.form.PickFolder("请选择目录...");
    app.form.SetText(编辑框2, chosen);
    return !chosen.empty();
}

void EndTargetWithSeparator(Form& form) {
    const Text target = form.GetText(编辑框2);
    if (target.empty() || target.back() != kPathSeparator) {
        form.SetText(编辑框2, target + kPathSeparator);
    }
}

}  // namespace

void DeleteBoxClicked(AppContext& app) {
    Form& form = app.form;
    if (form.Tick(选择框_自动删除) == 0) {
        app.state.DeleteMode = 0;
        return;
    }
    const MessageAnswer answer =
        form.ShowMessage("选中此项，处理结果时将删除搜索到的重复文件，且不能恢复！", " 重要提示...",
                         MessageKind::YesNoInfo);
    if (answer == MessageAnswer::Yes) {
        form.SetTick(选择框_自动移动, 0);
        app.state.DeleteMode = 1;
        app.state.MoveMode = 0;
    } else {
        form.SetTick(选择框_自动删除, 0);
        app.state.DeleteMode = 0;
    }
}

void MoveBoxClicked(AppContext& app) {
    Form& form = app.form;
    if (form.Tick(选择框_自动移动) == 0) {
        app.state.MoveMode = 0;
        form.SetText(编辑框2, kTargetPlaceholder);
        return;
    }
    app.state.MoveMode = 1;
    app.state.DeleteMode = 0;
    if (PickTarget(app)) EndTargetWithSeparator(form);
    form.SetTick(选择框_自动删除, 0);
}

void TargetTextChanged(AppContext& app) {
    if (!app.form.GetText(编辑框2).empty()) return;
    app.form.SetText(编辑框2, kTargetPlaceholder);
    app.form.SetTick(选择框_自动移动, 0);
    app.state.MoveMode = 0;
}

void TargetBoxDoubleClicked(AppContext& app) {
    Form& form = app.form;
    if (!PickTarget(app)) return;
    form.SetTick(选择框_自动删除, 0);
    form.SetTick(选择框_自动移动, 1);
    form.FocusMainWindow();
    app.state.DeleteMode = 0;
    app.state.MoveMode = 1;
    EndTargetWithSeparator(form);
}

}  // namespace murvane
