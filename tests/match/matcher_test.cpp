#include "match/matcher.h"

#include <gtest/gtest.h>

#include <map>

#include "ui/headless/headless_form.h"

namespace murvane {
namespace {

constexpr Control kMainList = Control::超级列表框_主;
using Rows = std::vector<std::vector<Text>>;
using Paths = std::vector<Text>;

struct Tags {
    Text title;
    Text artist;
};

// Runs the matcher over files whose tags are given, as one scan would.
class MatcherTest : public ::testing::Test {
  protected:
    MatcherTest() { ResetScanState(state_); }

    void Scan(const std::vector<std::pair<Text, Tags>>& files) {
        std::map<Text, Tags> tags(files.begin(), files.end());
        Matcher matcher(state_, options_, form_, [&tags](const Text& path) {
            TrackInfo info;
            info.title = tags.at(path).title;
            info.artist = tags.at(path).artist;
            return info;
        });
        for (const auto& file : files) matcher.MatchFile(file.first);
    }

    Rows MainRows() const {
        Rows rows;
        for (int row = 0; row < form_.RowCount(kMainList); ++row) {
            rows.push_back({});
            for (int column = 0; column < kListColumns; ++column) {
                rows.back().push_back(form_.Cell(kMainList, row, column));
            }
        }
        return rows;
    }

    Paths PathsOf(int position) const { return state_.groupTable.At(position).paths; }

    MatchState state_;
    MatchOptions options_{.byTitle = 1, .wantMp3 = 1};
    HeadlessForm form_;
};

TEST_F(MatcherTest, DuplicatesJoinTheFoundersGroupAndShareOneRow) {
    Scan({{"/m/a.mp3", {"X", "Ann"}},
          {"/m/b.mp3", {"X", "Bob"}},
          {"/m/c.mp3", {"Y", "Cid"}},
          {"/m/d.mp3", {"X", "Dan"}}});

    ASSERT_EQ(state_.groupTable.Count(), 3);
    EXPECT_EQ(PathsOf(1), Paths{""}) << "the placeholder";
    EXPECT_EQ(PathsOf(2), (Paths{"/m/a.mp3", "/m/b.mp3", "/m/d.mp3"}));
    EXPECT_EQ(state_.groupTable.At(2).artist, "Ann");
    EXPECT_EQ(PathsOf(3), Paths{"/m/c.mp3"});
    EXPECT_EQ(MainRows(), (Rows{{"1", "X", "Bob", "3"}}));
    EXPECT_EQ(state_.FilesSeenCount, 4);
    EXPECT_EQ(state_.DuplicateCount, 2);
    EXPECT_EQ(form_.Pane(6), "4");
    EXPECT_EQ(form_.Pane(10), "2");
}

TEST_F(MatcherTest, TitlesAreSeenTrimmedButGroupedRaw) {
    Scan({{"/a.mp3", {"Song", ""}},
          {"/b.mp3", {" Song\xE3\x80\x80", ""}},
          {"/c.mp3", {"Song", ""}}});

    EXPECT_EQ(PathsOf(2), (Paths{"/a.mp3", "/c.mp3"}));
    EXPECT_EQ(MainRows(), (Rows{{"1", " Song\xE3\x80\x80", "", "1"}, {"2", "Song", "", "2"}}));
    EXPECT_EQ(state_.DuplicateCount, 2) << "counted although no group took it";
}

TEST_F(MatcherTest, EmptyOrBlankTitlesNeverMatchByTitle) {
    Scan({{"/a.mp3", {"", ""}},
          {"/b.mp3", {"", ""}},
          {"/c.mp3", {"  ", ""}},
          {"/d.mp3", {"\xE3\x80\x80", ""}}});
    EXPECT_EQ(state_.groupTable.Count(), 5);
    EXPECT_TRUE(MainRows().empty());
    EXPECT_EQ(state_.DuplicateCount, 0);
}

TEST_F(MatcherTest, WithNoCriterionEveryFileIsADuplicate) {
    options_ = {};
    Scan({{"/a.mp3", {"A", ""}},
          {"/b.mp3", {"B", ""}},
          {"/c.mp3", {"", "E"}},
          {"/d.mp3", {"A", ""}}});

    EXPECT_EQ(state_.groupTable.Count(), 1);
    EXPECT_EQ(PathsOf(1), (Paths{"", "/c.mp3"})) << "empty titles join the placeholder";
    // The empty title's row (index 2) lies past the single group and keeps "1".
    EXPECT_EQ(MainRows(), (Rows{{"1", "A", "", "1"}, {"2", "B", "", "1"}, {"3", "", "E", "1"}}));
    EXPECT_EQ(state_.DuplicateCount, state_.FilesSeenCount);
}

TEST_F(MatcherTest, TwoGroupsWithOneTitleFeedOnlyTheFirst) {
    options_.byArtist = 1;
    Scan({{"/a.mp3", {"T", "A1"}},
          {"/b.mp3", {"T", "A2"}},
          {"/c.mp3", {"T", "A1"}},
          {"/d.mp3", {"T", "A2"}}});

    ASSERT_EQ(state_.groupTable.Count(), 3);
    EXPECT_EQ(PathsOf(2), (Paths{"/a.mp3", "/c.mp3", "/d.mp3"}));
    EXPECT_EQ(PathsOf(3), Paths{"/b.mp3"});
    EXPECT_EQ(MainRows(), (Rows{{"1", "T", "A1", "3"}}));
}

TEST_F(MatcherTest, SizeOrMd5TickedFindsNothingAndLeavesTheDuplicatesPane) {
    for (auto tick : {&MatchOptions::bySize, &MatchOptions::byMd5}) {
        ResetScanState(state_);
        form_.SetPane(10, "7");
        options_ = {.byTitle = 1};
        options_.*tick = 1;
        Scan({{"/a.mp3", {"X", ""}}, {"/b.mp3", {"X", ""}}});
        EXPECT_EQ(state_.groupTable.Count(), 3);
        EXPECT_TRUE(MainRows().empty());
        EXPECT_EQ(form_.Pane(10), "7");
    }
}

TEST_F(MatcherTest, FileNamesCompareByteForByte) {
    options_ = {.byFileName = 1};
    Scan({{"/1/Song.mp3", {"a", ""}},
          {"/2/song.mp3", {"b", ""}},
          {"/3/Song.MP3", {"c", ""}},
          {"/4/Song.mp3", {"d", ""}}});
    EXPECT_EQ(state_.DuplicateCount, 1);
    EXPECT_EQ(MainRows(), (Rows{{"1", "d", "", "1"}}));
}

TEST_F(MatcherTest, CriteriaMayBeSatisfiedByDifferentEarlierFiles) {
    options_ = {.byFileName = 1, .byTitle = 1};
    Scan({{"/1/x.mp3", {"T1", ""}}, {"/2/y.mp3", {"T2", ""}}, {"/3/x.mp3", {"T2", ""}}});
    EXPECT_EQ(PathsOf(3), (Paths{"/2/y.mp3", "/3/x.mp3"}));
    EXPECT_EQ(MainRows(), (Rows{{"1", "T2", "", "2"}}));
}

TEST_F(MatcherTest, ResetLeavesOnlyThePlaceholder) {
    Scan({{"/a.mp3", {"X", ""}}, {"/b.mp3", {"X", ""}}});
    ResetScanState(state_);
    EXPECT_EQ(state_.groupTable.Count(), 1);
    EXPECT_EQ(state_.FilesSeenCount, 0);
    EXPECT_EQ(state_.DuplicateCount, 0);
    EXPECT_EQ(state_.SeenTitles.Size() + state_.ListedTitles.Size(), 0u);
    form_.ClearRows(kMainList);
    Scan({{"/a.mp3", {"X", ""}}, {"/b.mp3", {"X", ""}}});
    EXPECT_EQ(MainRows(), (Rows{{"1", "X", "", "2"}}));
}

TEST(ProgressText, ShortensPathsLongerThanFiftyBytes) {
    const Text name40(40, 'n');
    const struct {
        Text path;
        Text shown;
    } cases[] = {
        {"/music/" + Text(39, 'a') + ".mp3", "/music/" + Text(39, 'a') + ".mp3"},  // 50 bytes
        {"/music/" + Text(40, 'a') + ".mp3", "/music/.../" + Text(40, 'a') + ".mp3"},
        {"/music/deep/er/" + name40, "/music/.../" + name40},
        {"/" + Text(50, 'r') + ".mp3", ".../" + Text(50, 'r') + ".mp3"},  // nothing from byte 4
        {"/ab/" + Text(47, 'x'), "/ab/.../" + Text(47, 'x')},             // "/" at byte 4
        {"/\xE4\xB8\xAD/" + Text(46, 'x'), "/\xE4\xB8\xAD/.../" + Text(46, 'x')},
    };
    for (const auto& c : cases) EXPECT_EQ(ProgressText(c.path), c.shown) << c.path;
}

TEST(FileNameOf, TakesWhatFollowsTheLastSeparator) {
    EXPECT_EQ(FileNameOf("/a/b.mp3"), "b.mp3");
    EXPECT_EQ(FileNameOf("b.mp3"), "b.mp3");
    EXPECT_EQ(FileNameOf("/a/"), "");
}

TEST(SeenSet, AddsOnceAndKeepsTheOrder) {
    SeenSet set;
    EXPECT_TRUE(set.Add("b"));
    EXPECT_TRUE(set.Add(""));
    EXPECT_TRUE(set.Add("a"));
    EXPECT_FALSE(set.Add("b"));
    EXPECT_EQ(set.Keys(), (std::vector<Text>{"b", "", "a"}));
    EXPECT_TRUE(set.Remove(""));
    EXPECT_FALSE(set.Remove(""));
    set.Clear();
    EXPECT_TRUE(set.Keys().empty());
}

}  // namespace
}  // namespace murvane
