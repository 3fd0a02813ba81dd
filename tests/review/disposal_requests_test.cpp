#include "review/disposal_requests.h"

#include "recording_file_operations.h"
#include "review_fixture.h"

namespace murvane {
namespace {

using enum Control;
using Calls = std::vector<Text>;

class DisposalRequestsTest : public ::testing::Test {
  protected:
    DisposalRequestsTest() {
        window_.AddGroup("A", {"/a1", "/a2", "/a3"});
        window_.AddGroup("B", {"/b1", "/b2"});
        window_.AddGroup("C", {"/c1"});
        window_.AddGroup("D", {"/d1", "/d2"});
        window_.AddGroup("B", {"/b3", "/b4"});  // a second group with the title B
        for (const char* title : {"A", "B", "C", "D"}) window_.AddMainRow(title);
    }

    void ShowDetailOf(int mainRow) {
        form_.SelectRows(超级列表框_主, {mainRow});
        form_.ClickList(超级列表框_主);
    }
    Calls Done() {
        window_.WaitUntilIdle();
        return files_.Calls();
    }

    testing::RecordingFileOperations files_;
    testing::ReviewWindow window_{files_};
    HeadlessForm& form_ = window_.form_;
    AppState& state_ = window_.state_;
};

TEST_F(DisposalRequestsTest, ProcessTickedQueuesTheTickedDetailRowsAsTheyStand) {
    ShowDetailOf(0);
    form_.Click(按钮_处理一项);
    EXPECT_EQ(Done(), (Calls{"delete /a2", "delete /a3"}));
    EXPECT_TRUE(form_.Messages().empty()) << "no question, in any mode";
    EXPECT_EQ(window_.Ticks(超级列表框_辅), (std::vector<int>{0, 1, 1}));

    form_.Click(按钮_处理一项);
    EXPECT_EQ(Done().size(), 4u) << "the same paths are queued again";
}

TEST_F(DisposalRequestsTest, ProcessTickedNeedsTwoDetailRows) {
    ShowDetailOf(2);
    form_.SetRowTick(超级列表框_辅, 0, 1);
    form_.Click(按钮_处理一项);
    EXPECT_TRUE(Done().empty());
    EXPECT_EQ(state_.DisposalStopFlag, 1) << "no worker was started";
}

TEST_F(DisposalRequestsTest, ProcessAllTakesSelectedRowsFirstThenTickedOnes) {
    form_.SelectRows(超级列表框_主, {3});
    form_.SetRowTick(超级列表框_主, 1, 1);
    form_.SetRowTick(超级列表框_主, 3, 1);
    form_.QueueAnswer(MessageAnswer::Yes);
    form_.Click(按钮_处理全部);

    EXPECT_EQ(Done(), (Calls{"delete /d2", "delete /b2"})) << "only B's first group counts";
    ASSERT_EQ(form_.Messages().size(), 1u);
    EXPECT_EQ(form_.Messages()[0].text, "是否删除重复文件，删除将不能恢复。");
    EXPECT_EQ(form_.Messages()[0].title, " 重要提示...");
    EXPECT_EQ(form_.Caption(按钮_处理全部), "停止处理");
}

TEST_F(DisposalRequestsTest, ProcessAllWithNothingChosenOffersToTakeEverything) {
    form_.QueueAnswer(MessageAnswer::Yes);  // take everything
    form_.QueueAnswer(MessageAnswer::Yes);  // and delete
    form_.Click(按钮_处理全部);

    EXPECT_EQ(Done(), (Calls{"delete /a2", "delete /a3", "delete /b2", "delete /d2"}));
    ASSERT_EQ(form_.Messages().size(), 2u);
    EXPECT_EQ(
        form_.Messages()[0].text,
        "您还没有选择要处理的项目，请您先在左边选择要处理的项！\r\n\r\n是否自动全部选择并处理？");
    EXPECT_EQ(form_.Messages()[0].title, "  重要提示...");
    EXPECT_EQ(window_.Ticks(超级列表框_主), (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(state_.MainCheckToggle, 1);
}

TEST_F(DisposalRequestsTest, ANoToEitherQuestionQueuesNothingAndLeavesTheButtonStarted) {
    form_.Click(按钮_处理全部);  // "take everything?" No
    form_.SetRowTick(超级列表框_主, 0, 1);
    form_.Click(按钮_处理全部);  // the stop branch: back to Ready
    EXPECT_EQ(form_.Caption(按钮_处理全部), "自动处理全部");
    form_.Click(按钮_处理全部);  // "delete?" No
    EXPECT_TRUE(Done().empty());
    EXPECT_EQ(form_.Messages().size(), 2u);
    EXPECT_EQ(form_.Caption(按钮_处理全部), "停止处理");
    EXPECT_EQ(state_.DisposalStopFlag, 0);
}

TEST_F(DisposalRequestsTest, ProcessAllInMoveModeAsksNothing) {
    form_.QueueFolder("/target");
    form_.Click(选择框_自动移动);
    form_.SetRowTick(超级列表框_主, 1, 1);
    form_.Click(按钮_处理全部);
    EXPECT_EQ(Done(), Calls{"rename /b2 /target/b2"});
    EXPECT_TRUE(form_.Messages().empty());
}

TEST_F(DisposalRequestsTest, AfterAFinishedRunTheFirstPressOnlyRestoresTheCaption) {
    form_.SetRowTick(超级列表框_主, 3, 1);
    form_.QueueAnswer(MessageAnswer::Yes);
    form_.Click(按钮_处理全部);
    ASSERT_EQ(Done().size(), 1u);

    form_.Click(按钮_处理全部);
    EXPECT_EQ(form_.Caption(按钮_处理全部), "自动处理全部");
    EXPECT_EQ(Done().size(), 1u);
    form_.QueueAnswer(MessageAnswer::Yes);
    form_.Click(按钮_处理全部);
    EXPECT_EQ(Done().size(), 2u);
}

TEST_F(DisposalRequestsTest, AStopPressDropsWhatIsLeftAfterTheFileInHand) {
    files_.Hold();
    form_.QueueAnswer(MessageAnswer::Yes);
    form_.QueueAnswer(MessageAnswer::Yes);
    form_.Click(按钮_处理全部);
    files_.WaitForCalls(1);
    form_.Click(按钮_处理全部);  // stop
    files_.Release();
    EXPECT_EQ(Done(), Calls{"delete /a2"});
    EXPECT_EQ(form_.Caption(按钮_处理全部), "自动处理全部");
    EXPECT_EQ(state_.disposalQueue.Size(), 0u);
    EXPECT_EQ(form_.Pane(2), " 恭喜，全部处理完成！");
}

TEST_F(DisposalRequestsTest, AStopPressAlsoStopsARunOfTheProcessButton) {
    files_.Hold();
    ShowDetailOf(0);
    form_.Click(按钮_处理一项);
    files_.WaitForCalls(1);
    form_.Click(按钮_处理全部);
    files_.Release();
    EXPECT_EQ(Done(), Calls{"delete /a2"});
    EXPECT_EQ(form_.Caption(按钮_处理全部), "自动处理全部");
}

}  // namespace
}  // namespace murvane
