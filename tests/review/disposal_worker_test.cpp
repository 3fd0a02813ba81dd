#include "review/disposal_worker.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "recording_file_operations.h"
#include "review_fixture.h"
#include "support/temp_dir.h"
#include "support/tree_snapshot.h"

namespace murvane {
namespace {

using enum Control;
using testing::TempDir;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A detail list whose rows name the given paths, the first unticked and the rest ticked.
class DisposalWorkerTest : public testing::ReviewFixture {
  protected:
    void QueueThroughTheDetailList(const std::vector<Text>& paths) {
        form_.ClearRows(超级列表框_辅);
        for (const Text& path : paths) {
            const int row = form_.AppendRow(超级列表框_辅);
            form_.SetCell(超级列表框_辅, row, 3, path);
            form_.SetRowTick(超级列表框_辅, row, row == 0 ? 0 : 1);
        }
        form_.Click(按钮_处理一项);
        WaitUntilIdle();
    }

    TempDir tree_;
};

TEST_F(DisposalWorkerTest, DeletesAndCountsAMissingFileAsOneFailure) {
    const Text kept = tree_.Write("keep.mp3", "k");
    const Text first = tree_.Write("a.mp3", "a");
    const Text third = tree_.Write("c.mp3", "c");
    QueueThroughTheDetailList({kept, first, tree_.Dir() + "gone.mp3", third});

    EXPECT_TRUE(std::filesystem::exists(kept));
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(third));
    EXPECT_EQ(state_.DisposedCount, 2);
    EXPECT_EQ(form_.Pane(14), "2");
    EXPECT_EQ(form_.Pane(18), "1");
    EXPECT_EQ(form_.Pane(2), " 恭喜，全部处理完成！");
}

TEST_F(DisposalWorkerTest, ANameThatIsNotUtf8IsDisposedOfLikeAnyOther) {
    const Text latin1 = tree_.Write("caf\xE9.mp3", "x");
    const Text target = tree_.MakeDir("target") + "/";
    QueueThroughTheDetailList({"/kept", latin1});
    EXPECT_FALSE(std::filesystem::exists(latin1));

    const Text other = tree_.Write("na\xEFve.mp3", "y");
    form_.QueueFolder(tree_.Path("target").string());
    form_.Click(选择框_自动移动);
    QueueThroughTheDetailList({"/kept", other});
    EXPECT_EQ(ReadFile(target + "na\xEFve.mp3"), "y");
    EXPECT_EQ(form_.Pane(14), "2");
}

TEST_F(DisposalWorkerTest, TheFailureCountGrowsAcrossScansAndTheSuccessCountRestarts) {
    form_.SetPane(18, "41");
    state_.DisposedCount = 5;
    form_.TypeText(编辑框1, tree_.Dir() + "empty");
    form_.Click(按钮2);  // a new scan
    EXPECT_EQ(state_.DisposedCount, 0);
    const Text doomed = tree_.Write("b.mp3");
    QueueThroughTheDetailList({"/first", doomed, doomed});
    EXPECT_EQ(form_.Pane(18), "42") << "the same path twice: the second attempt fails";
    EXPECT_EQ(form_.Pane(14), "1");
}

TEST_F(DisposalWorkerTest, MovesIntoTheTargetAndNeverReplacesAFileThere) {
    const Text target = tree_.MakeDir("target") + "/";
    tree_.Write("target/taken.mp3", "already there");
    const Text taken = tree_.Write("music/taken.mp3", "the duplicate");
    const Text free = tree_.Write("music/free.mp3", "moves");
    form_.QueueFolder(tree_.Path("target").string());
    form_.Click(选择框_自动移动);
    ASSERT_EQ(form_.GetText(编辑框2), target);

    QueueThroughTheDetailList({"/kept", taken, free});

    EXPECT_EQ(ReadFile(target + "taken.mp3"), "already there");
    EXPECT_EQ(ReadFile(taken), "the duplicate");
    EXPECT_EQ(ReadFile(target + "free.mp3"), "moves");
    EXPECT_FALSE(std::filesystem::exists(free));
    EXPECT_EQ(form_.Pane(14), "1");
    EXPECT_EQ(form_.Pane(18), "1");
}

// Renames fail as across file systems, and the copy that follows fails half-way.
class CrossDeviceCopyFails : public FaultInjector {
  public:
    bool Fails(FileStep step) override {
        return step == FileStep::Rename || (step == FileStep::CopyWrite && ++writes_ == 2);
    }

  private:
    int writes_ = 0;
};

TEST(DisposalWorker, AMoveWhoseCopyFailsHalfWayLosesNothing) {
    TempDir tree;
    const Text source = tree.Write("music/big.mp3", std::string(3 << 20, 'b'));
    tree.MakeDir("target");
    const auto before = testing::SnapshotOf(tree.Path());
    CrossDeviceCopyFails faults;
    PosixFileOperations files(&faults);
    testing::ReviewWindow window(files);
    window.form_.QueueFolder(tree.Path("target").string());
    window.form_.Click(选择框_自动移动);
    for (const Text& path : {Text("/kept"), source}) {
        const int row = window.form_.AppendRow(超级列表框_辅);
        window.form_.SetCell(超级列表框_辅, row, 3, path);
        window.form_.SetRowTick(超级列表框_辅, row, row);
    }
    window.form_.Click(按钮_处理一项);
    window.WaitUntilIdle();
    EXPECT_EQ(testing::SnapshotOf(tree.Path()), before);
    EXPECT_EQ(window.form_.Pane(18), "1");
    EXPECT_EQ(window.state_.DisposedCount, 0);
}

TEST_F(DisposalWorkerTest, WithNeitherModeNothingChangesButThePanes) {
    const Text file = tree_.Write("a.mp3");
    form_.Click(选择框_自动删除);
    QueueThroughTheDetailList({"/kept", file});
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(form_.Pane(14), "0");
    EXPECT_EQ(form_.Pane(18), "");
}

// A form that runs a hook when the worker writes its completion text, so that a request can
// arrive exactly while the run is finishing.
class FinishingHookForm : public HeadlessForm {
  public:
    std::function<void()> onFinishing;
    void SetPane(int index, const Text& text) override {
        HeadlessForm::SetPane(index, text);
        if (text == " 恭喜，全部处理完成！" && onFinishing) std::exchange(onFinishing, {})();
    }
};

TEST(DisposalWorker, PathsQueuedWhileARunFinishesAreTakenUp) {
    AppState state;
    state.DeleteMode = 1;
    FinishingHookForm form;
    testing::RecordingFileOperations files;
    DisposalWorker worker(state, form, files,
                          DisposalPacing{{}, {}, std::chrono::milliseconds(20)});
    form.onFinishing = [&] {
        EXPECT_FALSE(state.disposalQueue.Append("/late", state.DisposalBusy))
            << "the finishing worker still counts as busy";
    };
    ASSERT_TRUE(state.disposalQueue.Append("/first", state.DisposalBusy));
    worker.StartDisposalWorker();
    while (state.DisposalBusy != 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(files.Calls(), (std::vector<Text>{"delete /first", "delete /late"}));
    EXPECT_EQ(state.disposalQueue.Size(), 0u);
}

TEST(DisposalWorker, RequestsAppendingWhileTheWorkerRunsAreAllServed) {
    testing::RecordingFileOperations files;
    testing::ReviewWindow window(files);
    for (int row = 0; row < 3; ++row) {
        window.form_.AppendRow(超级列表框_辅);
        window.form_.SetCell(超级列表框_辅, row, 3, "/p" + std::to_string(row));
        window.form_.SetRowTick(超级列表框_辅, row, 1);
    }
    for (int press = 0; press < 50; ++press) window.form_.Click(按钮_处理一项);
    window.WaitUntilIdle();
    EXPECT_EQ(files.Calls().size(), 150u);
}

TEST(DisposalWorker, ClosingTheWindowStopsAndWaitsForTheWorker) {
    testing::RecordingFileOperations files;
    auto window = std::make_unique<testing::ReviewWindow>(files);
    files.Hold();
    for (const char* path : {"/kept", "/a", "/b", "/c"}) {
        const int row = window->form_.AppendRow(超级列表框_辅);
        window->form_.SetCell(超级列表框_辅, row, 3, path);
        window->form_.SetRowTick(超级列表框_辅, row, row == 0 ? 0 : 1);
    }
    window->form_.Click(按钮_处理一项);
    files.WaitForCalls(1);
    std::thread release([&files] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        files.Release();
    });
    window->form_.Close();
    EXPECT_EQ(window->state_.DisposalBusy, 0);
    EXPECT_EQ(files.Calls(), std::vector<Text>{"delete /a"});
    window.reset();
    release.join();
}

}  // namespace
}  // namespace murvane
