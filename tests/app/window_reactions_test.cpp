#include "app/window_reactions.h"

#include <gtest/gtest.h>

#include "app/event_bindings.h"
#include "ui/headless/headless_form.h"

namespace murvane {
namespace {

using enum Control;

class WindowReactionsTest : public ::testing::Test {
  protected:
    WindowReactionsTest() : bindings_(state_, form_) {}

    AppState state_;
    HeadlessForm form_;
    EventBindings bindings_;
};

TEST_F(WindowReactionsTest, CreationSetsTheFlagsTheLookAndTheTooltipsInOrder) {
    EXPECT_EQ(state_.ScanStopFlag, 0);
    EXPECT_EQ(state_.DeleteMode, 0);
    form_.RaiseCreated();
    EXPECT_EQ(state_.ScanStopFlag, 1);
    EXPECT_EQ(state_.DeleteMode, 1);
    EXPECT_EQ(state_.MoveMode, 0);
    EXPECT_EQ(state_.DisposalStopFlag, 1);
    EXPECT_EQ(form_.OuterSize(), std::make_pair(985, 600));
    EXPECT_EQ(form_.ColourScheme(), 2);

    const std::vector<std::pair<Control, Text>> expected = {
        {按钮1, "选择要搜索的目录"},
        {按钮_处理一项, "处理右边列表框选择的项"},
        {按钮_处理全部, "自动处理左边列表框选择的项，并保留重复文件的第一项不处理"},
        {选择框_歌曲名, "选中将匹配文件中的歌曲名信息，"},
        {选择框_艺术家, "选中将匹配文件中的艺术家信息"},
        {选择框_文件名, "选中将匹配文件名"},
        {选择框_MP3, "选中将搜索MP3音乐文件"},
        {选择框_WMA, "选中将搜索WMA音乐文件"},
        {选择框3, "单击左边列表框中项目时，自行选择右边列表框中的重复项"},
    };
    EXPECT_EQ(form_.AddedTooltips(), expected);
}

TEST_F(WindowReactionsTest, InitialTicksAndTexts) {
    for (const ControlSpec& entry : ControlTable()) {
        if (entry.kind != ControlKind::CheckBox) continue;
        const bool ticked = entry.id == 选择框_MP3 || entry.id == 选择框_歌曲名 ||
                            entry.id == 选择框_自动删除 || entry.id == 选择框3;
        EXPECT_EQ(form_.Tick(entry.id), ticked ? 1 : 0) << entry.name;
    }
    EXPECT_EQ(form_.GetText(编辑框1), "");
    EXPECT_EQ(form_.GetText(编辑框2), " 双击修改目录");
}

TEST_F(WindowReactionsTest, BrowseWritesThePickersAnswerEvenWhenCancelled) {
    form_.QueueFolder("/music");
    form_.Click(按钮1);
    EXPECT_EQ(form_.GetText(编辑框1), "/music");
    form_.Click(按钮1);  // cancelled
    EXPECT_EQ(form_.GetText(编辑框1), "");
    EXPECT_EQ(form_.PickerTitles(), (std::vector<Text>{"请选择目录...", "请选择目录..."}));
}

TEST_F(WindowReactionsTest, TheArtistGuardWatchesOnlyTheArtistBox) {
    const struct {
        int title;
        int fileName;
        int artistBefore;
        MessageAnswer answer;
        bool asks;
        int titleAfter;
        int artistAfter;
    } cases[] = {
        {0, 0, 0, MessageAnswer::Yes, true, 1, 1},   // ticking artist alone, Yes adds title
        {0, 0, 0, MessageAnswer::No, true, 0, 0},    // No takes the artist tick back
        {1, 0, 0, MessageAnswer::Yes, false, 1, 1},  // with the title: no question
        {0, 1, 0, MessageAnswer::Yes, false, 0, 1},  // with the file name: no question
        {0, 0, 1, MessageAnswer::Yes, false, 0, 0},  // unticking never asks
    };
    for (const auto& c : cases) {
        HeadlessForm form;
        EventBindings bindings(state_, form);
        form.SetTick(选择框_歌曲名, c.title);
        form.SetTick(选择框_文件名, c.fileName);
        form.SetTick(选择框_艺术家, c.artistBefore);
        form.QueueAnswer(c.answer);
        form.Click(选择框_艺术家);

        ASSERT_EQ(form.Messages().size(), c.asks ? 1u : 0u);
        if (c.asks) {
            EXPECT_EQ(form.Messages()[0].text, "您这样匹配是错误的，是否更正！");
            EXPECT_EQ(form.Messages()[0].title, "  重要提示...");
            EXPECT_EQ(form.Messages()[0].kind, MessageKind::YesNoInfo);
        }
        EXPECT_EQ(form.Tick(选择框_歌曲名), c.titleAfter);
        EXPECT_EQ(form.Tick(选择框_艺术家), c.artistAfter);
    }
}

TEST_F(WindowReactionsTest, UntickingTheTitleNeverAsks) {
    form_.SetTick(选择框_艺术家, 1);
    form_.Click(选择框_歌曲名);
    EXPECT_TRUE(form_.Messages().empty());
}

}  // namespace
}  // namespace murvane
