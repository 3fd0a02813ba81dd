// The whole cycle on real tagged files, through the headless window: scan, review, dispose.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/event_bindings.h"
#include "support/temp_dir.h"
#include "ui/headless/headless_form.h"

namespace murvane {
namespace {

namespace fs = std::filesystem;
using enum Control;
using testing::TempDir;

const fs::path kData = fs::path(MURVANE_TEST_DATA) / "tags";

class FullCycleTest : public ::testing::Test {
  protected:
    FullCycleTest() : bindings_(state_, form_, files_, DisposalPacing{{}, {}, {}}) {
        form_.RaiseCreated();
        // Three copies of one song (two encodings of the same title), a WMA file twice, and a
        // song of its own.
        Copy("id3v23_enc1.mp3", "a/song.mp3");
        Copy("id3v24_enc3.mp3", "b/song.mp3");
        Copy("id3v23_enc1.mp3", "c/song copy.mp3");
        Copy("tagged.wma", "a/track.wma");
        Copy("tagged.wma", "c/track.wma");
        Copy("both_tags.mp3", "b/other.mp3");
    }

    void Copy(const char* from, const std::string& to) {
        fs::create_directories(tree_.Path(to).parent_path());
        fs::copy_file(kData / from, tree_.Path(to));
    }
    void Scan() {
        form_.Click(选择框_WMA);
        form_.TypeText(编辑框1, tree_.Path().string());
        form_.Click(按钮2);
    }
    void WaitUntilIdle() {
        while (state_.DisposalBusy != 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::vector<Text> Column(Control list, int column) const {
        std::vector<Text> cells;
        for (int row = 0; row < form_.RowCount(list); ++row) {
            cells.push_back(form_.Cell(list, row, column));
        }
        return cells;
    }

    TempDir tree_;
    PosixFileOperations files_;
    AppState state_;
    HeadlessForm form_;
    EventBindings bindings_;
};

TEST_F(FullCycleTest, ScanReviewAndDeleteTheSurplusCopies) {
    Scan();
    const Text song = "Caf\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87 \xE4\xBB\xBF \xF0\x9F\x8E\xB5";
    EXPECT_EQ(Column(超级列表框_主, 1), (std::vector<Text>{song, "WMA Title"}));
    EXPECT_EQ(Column(超级列表框_主, 3), (std::vector<Text>{"3", "2"}));
    EXPECT_EQ(form_.Pane(6), "6");
    EXPECT_EQ(form_.Pane(10), "3");

    form_.SelectRows(超级列表框_主, {0});
    form_.ClickList(超级列表框_主);
    const Text dir = tree_.Dir();
    EXPECT_EQ(Column(超级列表框_辅, 3),
              (std::vector<Text>{dir + "a/song.mp3", dir + "b/song.mp3", dir + "c/song copy.mp3"}));
    form_.Click(按钮_处理一项);
    WaitUntilIdle();

    EXPECT_TRUE(fs::exists(dir + "a/song.mp3"));
    EXPECT_FALSE(fs::exists(dir + "b/song.mp3"));
    EXPECT_FALSE(fs::exists(dir + "c/song copy.mp3"));
    EXPECT_EQ(form_.Pane(14), "2");
    EXPECT_EQ(form_.Pane(18), "");
}

TEST_F(FullCycleTest, ProcessAllMovesEveryCopyButTheFirst) {
    const Text target = tree_.MakeDir("kept aside");
    Scan();
    form_.QueueFolder(target);
    form_.Click(选择框_自动移动);
    form_.QueueAnswer(MessageAnswer::Yes);  // "take every row?"
    form_.Click(按钮_处理全部);
    WaitUntilIdle();

    const Text dir = tree_.Dir();
    EXPECT_TRUE(fs::exists(dir + "a/song.mp3"));
    EXPECT_TRUE(fs::exists(dir + "a/track.wma"));
    EXPECT_TRUE(fs::exists(target + "/track.wma"));
    EXPECT_TRUE(fs::exists(target + "/song.mp3"));
    EXPECT_TRUE(fs::exists(target + "/song copy.mp3"));
    EXPECT_FALSE(fs::exists(dir + "b/song.mp3"));
    EXPECT_EQ(form_.Pane(14), "3");
}

}  // namespace
}  // namespace murvane
