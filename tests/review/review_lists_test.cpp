#include "review/review_lists.h"

#include "review_fixture.h"

namespace murvane {
namespace {

using enum Control;
using Rows = std::vector<std::vector<Text>>;
using TickList = std::vector<int>;

class ReviewListsTest : public testing::ReviewFixture {
  protected:
    ReviewListsTest() {
        AddGroup("T", {"/a/1.mp3", "/b/1.mp3"}, "A1");
        AddGroup("U", {"/a/2.mp3"});
        AddGroup("T", {"/c/1.mp3", "/d/1.mp3"}, "A2");
        AddMainRow("T");
        AddMainRow("U");
    }

    void ClickMainRow(std::vector<int> rows) {
        form_.SelectRows(超级列表框_主, std::move(rows));
        form_.ClickList(超级列表框_主);
    }
};

TEST_F(ReviewListsTest, ShowsEveryGroupOfTheTitleAndTicksAllButTheFirstFile) {
    ClickMainRow({0});
    EXPECT_EQ(DetailRows(), (Rows{{"1", "T", "A1", "/a/1.mp3"},
                                  {"2", "T", "A1", "/b/1.mp3"},
                                  {"1", "T", "A2", "/c/1.mp3"},
                                  {"2", "T", "A2", "/d/1.mp3"}}));
    EXPECT_EQ(Ticks(超级列表框_辅), (TickList{0, 1, 1, 1}));
}

TEST_F(ReviewListsTest, AutoSelectOffTicksNothingAndASingleFileStaysUnticked) {
    ClickMainRow({1});
    EXPECT_EQ(DetailRows(), (Rows{{"1", "U", "", "/a/2.mp3"}}));
    EXPECT_EQ(Ticks(超级列表框_辅), TickList{0});

    form_.Click(选择框3);
    ClickMainRow({0});
    EXPECT_EQ(Ticks(超级列表框_辅), (TickList{0, 0, 0, 0}));
}

TEST_F(ReviewListsTest, TheLowestSelectedRowIsShownAndNoSelectionMeansTheEmptyTitle) {
    ClickMainRow({1, 0});
    EXPECT_EQ(DetailRows().size(), 4u);
    ClickMainRow({});
    EXPECT_EQ(DetailRows(), (Rows{{"1", "", "", ""}})) << "the placeholder group";
}

TEST_F(ReviewListsTest, AnEmptyMainListLeavesTheDetailListAsItWas) {
    ClickMainRow({0});
    form_.ClearRows(超级列表框_主);
    form_.ClickList(超级列表框_主);
    EXPECT_EQ(DetailRows().size(), 4u);
}

TEST_F(ReviewListsTest, HeaderClicksOnColumnZeroTickAndUntickInTurn) {
    ClickMainRow({0});
    form_.ClickHeader(超级列表框_辅, 0);
    EXPECT_EQ(Ticks(超级列表框_辅), (TickList{1, 1, 1, 1}));
    form_.ClickHeader(超级列表框_辅, 2);
    EXPECT_EQ(Ticks(超级列表框_辅), (TickList{1, 1, 1, 1})) << "other columns change nothing";

    // A rebuild does not reset the toggle: the next click unticks.
    ClickMainRow({1});
    form_.ClickHeader(超级列表框_辅, 0);
    EXPECT_EQ(Ticks(超级列表框_辅), TickList{0});
    EXPECT_EQ(state_.DetailCheckToggle, 0);

    form_.ClickHeader(超级列表框_主, 0);
    EXPECT_EQ(Ticks(超级列表框_主), (TickList{1, 1}));
    EXPECT_EQ(state_.MainCheckToggle, 1);
}

TEST_F(ReviewListsTest, AHeaderClickOnAnEmptyListKeepsTheToggle) {
    form_.ClickHeader(超级列表框_辅, 0);
    EXPECT_EQ(state_.DetailCheckToggle, 0);
}

}  // namespace
}  // namespace murvane
