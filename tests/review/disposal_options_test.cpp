#include "review/disposal_options.h"

#include <functional>

#include "review_fixture.h"

namespace murvane {
namespace {

using enum Control;

struct OptionState {
    int deleteBox;
    int moveBox;
    int deleteMode;
    int moveMode;
    Text target;
    bool operator==(const OptionState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const OptionState& s) {
    return out << "boxes " << s.deleteBox << s.moveBox << " modes " << s.deleteMode << s.moveMode
               << " target '" << s.target << "'";
}

constexpr const char* kPlaceholder = " 双击修改目录";
const OptionState kDelete{1, 0, 1, 0, kPlaceholder};
const OptionState kNeither{0, 0, 0, 0, kPlaceholder};
const OptionState kMoveToMusic{0, 1, 0, 1, "/music/"};

class OptionsWindow : public testing::ReviewWindow {
  public:
    OptionState State() const {
        return {form_.Tick(选择框_自动删除), form_.Tick(选择框_自动移动), state_.DeleteMode,
                state_.MoveMode, form_.GetText(编辑框2)};
    }
    void ChooseMusicByMoveBox() {
        form_.QueueFolder("/music");
        form_.Click(选择框_自动移动);
    }
};

TEST(DisposalOptions, EveryTransitionOfTheOptions) {
    using Steps = std::function<void(OptionsWindow&, HeadlessForm&)>;
    const struct {
        const char* name;
        Steps steps;
        OptionState expected;
        std::size_t messages;
    } cases[] = {
        {"fresh window deletes", [](auto&, auto&) {}, kDelete, 0},
        {"untick delete", [](auto&, auto& f) { f.Click(选择框_自动删除); }, kNeither, 0},
        {"tick delete, No",
         [](auto&, auto& f) {
             f.Click(选择框_自动删除);
             f.QueueAnswer(MessageAnswer::No);
             f.Click(选择框_自动删除);
         },
         kNeither, 1},
        {"tick move, choose", [](auto& t, auto&) { t.ChooseMusicByMoveBox(); }, kMoveToMusic, 0},
        {"from neither, tick move, choose",
         [](auto& t, auto& f) {
             f.Click(选择框_自动删除);
             t.ChooseMusicByMoveBox();
         },
         kMoveToMusic, 0},
        {"tick move, choose the root",
         [](auto&, auto& f) {
             f.QueueFolder("/");
             f.Click(选择框_自动移动);
         },
         {0, 1, 0, 1, "/"},
         0},
        {"tick move, cancel", [](auto&, auto& f) { f.Click(选择框_自动移动); }, kNeither, 0},
        {"move, then tick delete, Yes",
         [](auto& t, auto& f) {
             t.ChooseMusicByMoveBox();
             f.QueueAnswer(MessageAnswer::Yes);
             f.Click(选择框_自动删除);
         },
         {1, 0, 1, 0, "/music/"},
         1},
        {"move, then untick move",
         [](auto& t, auto& f) {
             t.ChooseMusicByMoveBox();
             f.Click(选择框_自动移动);
         },
         kNeither, 0},
        {"move, then empty the target by typing",
         [](auto& t, auto& f) {
             t.ChooseMusicByMoveBox();
             f.TypeText(编辑框2, "");
         },
         kNeither, 0},
        {"move, then type a path without separator",
         [](auto& t, auto& f) {
             t.ChooseMusicByMoveBox();
             f.TypeText(编辑框2, "/other");
         },
         {0, 1, 0, 1, "/other"},
         0},
        {"double-click, choose",
         [](auto&, auto& f) {
             f.QueueFolder("/music");
             f.DoubleClick(编辑框2);
         },
         kMoveToMusic, 0},
        {"double-click, choose the root",
         [](auto&, auto& f) {
             f.QueueFolder("/");
             f.DoubleClick(编辑框2);
         },
         {0, 1, 0, 1, "/"},
         0},
        {"move, then double-click and cancel",
         [](auto& t, auto& f) {
             t.ChooseMusicByMoveBox();
             f.DoubleClick(编辑框2);
         },
         kNeither, 0},
        {"delete, double-click and cancel", [](auto&, auto& f) { f.DoubleClick(编辑框2); }, kDelete,
         0},
    };
    for (const auto& c : cases) {
        OptionsWindow window;
        c.steps(window, window.form_);
        EXPECT_EQ(window.State(), c.expected) << c.name;
        EXPECT_EQ(window.form_.Messages().size(), c.messages) << c.name;
    }
}

class DisposalOptionsTest : public ::testing::Test, public OptionsWindow {};

TEST_F(DisposalOptionsTest, TheDeleteQuestionAndThePickerAreTheRightOnes) {
    form_.Click(选择框_自动删除);
    form_.QueueAnswer(MessageAnswer::Yes);
    form_.Click(选择框_自动删除);
    ASSERT_EQ(form_.Messages().size(), 1u);
    EXPECT_EQ(form_.Messages()[0].text, "选中此项，处理结果时将删除搜索到的重复文件，且不能恢复！");
    EXPECT_EQ(form_.Messages()[0].title, " 重要提示...");
    EXPECT_EQ(form_.Messages()[0].kind, MessageKind::YesNoInfo);

    form_.QueueFolder("/music");
    form_.DoubleClick(编辑框2);
    EXPECT_EQ(form_.PickerTitles(), std::vector<Text>{"请选择目录..."});
    EXPECT_EQ(form_.FocusRequests(), 1);
}

}  // namespace
}  // namespace murvane
