#include "app/window_reactions.h"

namespace murvane {

void WindowCreated(AppContext& app) {
    app.form.SetWindowOuterSize(kWindowWidth, kWindowHeight);
    app.form.UseColourScheme(kSchemeInUse);
    app.state.ScanStopFlag = 1;
    app.state.DeleteMode = 1;
    app.state.DisposalStopFlag = 1;
    for (const TooltipSpec& tip : Tooltips()) app.form.AddTooltip(tip.control, tip.text);
}

void BrowseClicked(AppContext& app) {
    app.form.SetText(Control::编辑框1, app.form.PickFolder("请选择目录..."));
}

// Matching by artist alone would pair every song of an artist; offer to add the title.
void ArtistBoxClicked(AppContext& app) {
    Form& form = app.form;
    const bool artistAlone = form.Tick(Control::选择框_歌曲名) == 0 &&
                             form.Tick(Control::选择框_文件名) == 0 &&
                             form.Tick(Control::选择框_艺术家) == 1;
    if (!artistAlone) return;
    const MessageAnswer answer =
        form.ShowMessage("您这样匹配是错误的，是否更正！", "  重要提示...", MessageKind::YesNoInfo);
    if (answer == MessageAnswer::Yes) {
        form.SetTick(Control::选择框_歌曲名, 1);
    } else {
        form.SetTick(Control::选择框_艺术家, 0);
    }
}

}  // namespace murvane
