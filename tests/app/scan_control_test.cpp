#include "app/scan_control.h"

#include <gtest/gtest.h>

#include "app/event_bindings.h"
#include "support/temp_dir.h"
#include "ui/headless/headless_form.h"

namespace murvane {
namespace {

using testing::TempDir;
using enum Control;

constexpr int kTaskPane = 2;
constexpr int kFilesSeenPane = 6;

class ScanControlTest : public ::testing::Test {
  protected:
    ScanControlTest() : bindings_(state_, form_) { form_.RaiseCreated(); }

    void StartScanOf(const Text& directory) {
        form_.TypeText(编辑框1, directory);
        form_.Click(按钮2);
    }

    AppState state_;
    HeadlessForm form_;
    EventBindings bindings_;
};

TEST_F(ScanControlTest, RefusesASearchDirectoryOfLessThanTwoBytes) {
    for (const Text directory : {"", "/"}) {
        form_.AppendRow(超级列表框_主);
        StartScanOf(directory);
        ASSERT_FALSE(form_.Messages().empty());
        EXPECT_EQ(form_.Messages().back().text, "目录选择错误");
        EXPECT_EQ(form_.Messages().back().title, " 提示...");
        EXPECT_EQ(form_.Messages().back().kind, MessageKind::OkError);
        EXPECT_EQ(form_.RowCount(超级列表框_主), 0);
        EXPECT_EQ(form_.Pane(kTaskPane), " 恭喜，搜索完毕！！");
        EXPECT_EQ(form_.Caption(按钮2), "开始");
        EXPECT_EQ(state_.ScanStopFlag, 1);
        EXPECT_EQ(form_.PendingEventsCalls(), 0);
    }
    EXPECT_EQ(form_.Messages().size(), 2u);
}

TEST_F(ScanControlTest, TwoBytesAreEnoughAndAMissingDirectoryIsNoError) {
    TempDir tree;
    for (const Text& directory : {Text("//"), tree.Dir() + "absent"}) {
        form_.SetPendingEventsHook([this] { state_.ScanStopFlag = 1; });  // keep "//" short
        StartScanOf(directory);
        EXPECT_TRUE(form_.Messages().empty()) << directory;
        EXPECT_EQ(form_.Pane(kTaskPane), " 恭喜，搜索完毕！！");
    }
}

TEST_F(ScanControlTest, ShowsItsStateWhileScanningAndWhenDone) {
    TempDir tree;
    tree.Write("a.mp3");
    tree.Write("sub/b.mp3");
    Text captionDuring;
    form_.SetPendingEventsHook([&] { captionDuring = form_.Caption(按钮2); });
    StartScanOf(tree.Path().string());

    EXPECT_EQ(captionDuring, "停止");
    EXPECT_EQ(form_.Caption(按钮2), "开始");
    EXPECT_EQ(form_.Pane(kTaskPane), " 恭喜，搜索完毕！！");
    EXPECT_EQ(form_.Pane(kFilesSeenPane), "2");
    EXPECT_EQ(state_.ScanStopFlag, 1);
}

TEST_F(ScanControlTest, ASecondPressStopsTheWalkAtOnce) {
    TempDir tree;
    for (int i = 0; i < 20000; ++i) tree.Write("many/" + std::to_string(i) + ".mp3");
    std::vector<Text> seen;
    // Batches 1 to 5 are the top level's ".", "..", "many" and many's "." and ".."; batches 6
    // to 9 come before its first four files.
    form_.SetPendingEventsHook([&] {
        if (form_.PendingEventsCalls() == 10) {
            form_.Click(按钮2);
            seen = {form_.Caption(按钮2), form_.Pane(kTaskPane), form_.Pane(kFilesSeenPane)};
        }
    });
    StartScanOf(tree.Path().string());

    EXPECT_EQ(seen, (std::vector<Text>{"开始", " 已停止工作!", "4"}));
    EXPECT_EQ(form_.Pane(kFilesSeenPane), "4") << "no file is matched after the stop";
    EXPECT_EQ(form_.PendingEventsCalls(), 10);
    EXPECT_EQ(form_.Pane(kTaskPane), " 恭喜，搜索完毕！！");
    EXPECT_EQ(form_.Caption(按钮2), "开始");
}

TEST_F(ScanControlTest, OptionsAreTakenWhenTheScanStarts) {
    TempDir tree;
    tree.Write("a.mp3");
    tree.Write("b.mp3");
    form_.SetPendingEventsHook([&] {
        if (form_.Tick(选择框_MP3) == 1) form_.Click(选择框_MP3);
    });
    StartScanOf(tree.Path().string());
    EXPECT_EQ(form_.Pane(kFilesSeenPane), "2");
    EXPECT_EQ(state_.matchOptions.wantMp3, 1);
}

TEST_F(ScanControlTest, WithNoFileKindTheFilesSeenPaneKeepsTheLastCount) {
    TempDir tree;
    tree.Write("a.mp3");
    StartScanOf(tree.Path().string());
    ASSERT_EQ(form_.Pane(kFilesSeenPane), "1");
    form_.Click(选择框_MP3);
    form_.SetPendingEventsHook({});
    StartScanOf(tree.Path().string());
    EXPECT_EQ(form_.Pane(kFilesSeenPane), "1");
    EXPECT_EQ(state_.match.FilesSeenCount, 0);
    EXPECT_GT(form_.PendingEventsCalls(), 0) << "the tree is still walked";
}

TEST_F(ScanControlTest, ClosingTheWindowStopsTheScan) {
    TempDir tree;
    for (int i = 0; i < 50; ++i) tree.Write(std::to_string(i) + ".mp3");
    form_.SetPendingEventsHook([&] {
        if (form_.PendingEventsCalls() == 5) form_.Close();
    });
    StartScanOf(tree.Path().string());
    EXPECT_EQ(state_.match.FilesSeenCount, 2);
}

}  // namespace
}  // namespace murvane
