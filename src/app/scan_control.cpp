#include "app/scan_control.h"

#include "match/matcher.h"
#include "scan/directory_walker.h"
#include "tags/read_track_info.h"
#include "ui/panes.h"

namespace murvane {
namespace {

TrackInfo ReadTrack(const AppState& state, const Text& path) {
    return ReadTrackInfo(path, TagTables{state.Id3v1GenreNames, state.WmaAttributeNames});
}

// The walk's view of the running program.
class ScanHost : public WalkHost {
  public:
    explicit ScanHost(AppContext& app)
        : app_(app),
          matcher_(app.state.match, app.state.matchOptions, app.form,
                   [&state = app.state](const Text& path) { return ReadTrack(state, path); }) {}
    void ProcessPendingEvents() override { app_.form.ProcessPendingEvents(); }
    bool StopRequested() const override { return app_.state.ScanStopFlag == 1; }
    bool WantMp3() const override { return app_.state.matchOptions.wantMp3 == 1; }
    bool WantWma() const override { return app_.state.matchOptions.wantWma == 1; }
    void MatchFile(const Text& path) override { matcher_.MatchFile(path); }

  private:
    AppContext& app_;
    Matcher matcher_;
};

MatchOptions SnapshotOptions(const Form& form) {
    MatchOptions options;
    options.byMd5 = form.Tick(Control::选择框_MD5);
    options.bySize = form.Tick(Control::选择框_大小);
    options.byFileName = form.Tick(Control::选择框_文件名);
    options.byTitle = form.Tick(Control::选择框_歌曲名);
    options.byArtist = form.Tick(Control::选择框_艺术家);
    options.wantMp3 = form.Tick(Control::选择框_MP3);
    options.wantWma = form.Tick(Control::选择框_WMA);
    return options;
}

void StartScan(AppContext& app) {
    Form& form = app.form;
    form.ClearRows(Control::超级列表框_主);
    app.state.ScanStopFlag = 0;
    form.SetCaption(Control::按钮2, "停止");
    form.SetPane(kTaskPane, " 请稍等，正在初始化...");
    app.state.matchOptions = MatchOptions{};
    ResetScanState(app.state.match);
    app.state.DisposedCount = 0;
    app.state.matchOptions = SnapshotOptions(form);

    Text directory = form.GetText(Control::编辑框1);
    if (directory.size() > 1) {
        ScanHost host(app);
        DirectoryWalker(host).WalkDirectory(directory);
    } else {
        form.ShowMessage("目录选择错误", " 提示...", MessageKind::OkError);
    }

    form.SetPane(kTaskPane, " 恭喜，搜索完毕！！");
    app.state.ScanStopFlag = 1;
    form.SetCaption(Control::按钮2, "开始");
}

void RequestStop(AppContext& app) {
    app.state.ScanStopFlag = 1;
    app.form.SetCaption(Control::按钮2, "开始");
    app.form.SetPane(kTaskPane, " 已停止工作!");
}

}  // namespace

void StartStopClicked(AppContext& app) {
    if (app.state.ScanStopFlag == 1) {
        StartScan(app);
    } else {
        RequestStop(app);
    }
}

}  // namespace murvane
