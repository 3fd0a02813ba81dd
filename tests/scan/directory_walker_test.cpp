#include "scan/directory_walker.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "support/temp_dir.h"

namespace murvane {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// Records what the walk hands over, relative to the search directory.
class RecordingHost : public WalkHost {
  public:
    explicit RecordingHost(Text root) : root_(std::move(root)) {}

    void ProcessPendingEvents() override {
        ++events;
        if (onEvents) onEvents(events);
    }
    bool StopRequested() const override { return stop; }
    bool WantMp3() const override { return mp3; }
    bool WantWma() const override { return wma; }
    void MatchFile(const Text& path) override {
        ASSERT_EQ(path.rfind(root_, 0), 0u) << path;
        handed.push_back(path.substr(root_.size()));
        if (onMatch) onMatch();
    }

    bool mp3 = true;
    bool wma = false;
    bool stop = false;
    int events = 0;
    std::function<void(int)> onEvents;
    std::function<void()> onMatch;
    std::vector<Text> handed;

  private:
    Text root_;
};

std::vector<Text> Walk(const TempDir& tree, RecordingHost& host) {
    Text dir = tree.Path().string();
    DirectoryWalker(host).WalkDirectory(dir);
    return host.handed;
}

using Paths = std::vector<Text>;

TEST(DirectoryWalker, HandsOverNamesByTheirLastThreeBytes) {
    TempDir tree;
    for (const char* name : {"song.mp3", "SONG.Mp3", "songmp3", "mp3", "song.wma", "song.mp3.bak",
                             "mp", "a.mp", "x.WmA"}) {
        tree.Write(name);
    }
    const struct {
        bool mp3;
        bool wma;
        Paths expected;
    } cases[] = {
        {true, false, {"SONG.Mp3", "mp3", "song.mp3", "songmp3"}},
        {false, true, {"song.wma", "x.WmA"}},
        {true, true, {"SONG.Mp3", "mp3", "song.mp3", "song.wma", "songmp3", "x.WmA"}},
        {false, false, {}},
    };
    for (const auto& c : cases) {
        RecordingHost host(tree.Dir());
        host.mp3 = c.mp3;
        host.wma = c.wma;
        EXPECT_EQ(Walk(tree, host), c.expected) << c.mp3 << c.wma;
        EXPECT_EQ(host.events, 9 + 2) << "one event batch per entry, \".\" and \"..\" included";
    }
}

TEST(DirectoryWalker, ListsFilesBeforeSubdirectoriesAndSkipsNamesWithAFullStop) {
    TempDir tree;
    tree.Write("b.mp3");
    tree.Write("a sub/inner/deep.mp3");
    tree.Write("a sub/one.mp3");
    tree.Write("z sub/two.mp3");
    tree.Write("Album.2003/hidden-away.mp3");
    tree.Write(".hidden/also-away.mp3");
    tree.Write(".dotfile.mp3");
    tree.Write("Hits MP3/inside.mp3");
    tree.Write("y.mp3");

    RecordingHost host(tree.Dir());
    EXPECT_EQ(Walk(tree, host),
              (Paths{".dotfile.mp3", "Hits MP3", "b.mp3", "y.mp3", "Hits MP3/inside.mp3",
                     "a sub/one.mp3", "a sub/inner/deep.mp3", "z sub/two.mp3"}));
}

TEST(DirectoryWalker, AppendsTheSeparatorToTheCallersText) {
    TempDir tree;
    tree.Write("a.mp3");
    for (Text dir : {tree.Path().string(), tree.Dir()}) {
        RecordingHost host(tree.Dir());
        DirectoryWalker(host).WalkDirectory(dir);
        EXPECT_EQ(dir, tree.Dir());
        EXPECT_EQ(host.handed, Paths{"a.mp3"});
    }
}

TEST(DirectoryWalker, SkipsWhatIsNotARegularFileOrDirectory) {
    TempDir tree;
    ASSERT_EQ(mkfifo(tree.Path("fifo.mp3").c_str(), 0644), 0);
    fs::create_symlink(tree.Path("nowhere.mp3"), tree.Path("dangling.mp3"));
    tree.Write("real.mp3");

    RecordingHost host(tree.Dir());
    EXPECT_EQ(Walk(tree, host), Paths{"real.mp3"});
}

TEST(DirectoryWalker, MissingDirectoryYieldsNothing) {
    TempDir tree;
    RecordingHost host(tree.Dir());
    Text dir = tree.Dir() + "absent";
    DirectoryWalker(host).WalkDirectory(dir);
    EXPECT_TRUE(host.handed.empty());
    EXPECT_EQ(host.events, 0);
}

TEST(DirectoryWalker, EndsInALinkLoopAndEntersEachDirectoryOnce) {
    TempDir tree;
    tree.Write("music/a.mp3");
    fs::create_directory_symlink(tree.Path(), tree.Path("music/back"));
    fs::create_directory_symlink(tree.Path("music"), tree.Path("other"));

    RecordingHost host(tree.Dir());
    EXPECT_EQ(Walk(tree, host), Paths{"music/a.mp3"});
}

TEST(DirectoryWalker, HandsOverOnePhysicalFileOnce) {
    TempDir tree;
    const Text original = tree.Write("a.mp3");
    fs::create_symlink(original, tree.Path("b.mp3"));
    fs::create_hard_link(original, tree.Path("c.mp3"));
    tree.Write("d.mp3");

    RecordingHost host(tree.Dir());
    EXPECT_EQ(Walk(tree, host), (Paths{"a.mp3", "d.mp3"}));
}

TEST(DirectoryWalker, StopsHandingOverOnceTheFlagIsSeen) {
    TempDir tree;
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3", "sub/d.mp3", "sub/e.mp3"}) {
        tree.Write(name);
    }
    RecordingHost host(tree.Dir());
    // Events 1 and 2 are "." and ".."; the stop arrives with the batch before "b.mp3".
    host.onEvents = [&host](int events) { host.stop = host.stop || events == 4; };
    EXPECT_EQ(Walk(tree, host), Paths{"a.mp3"});
    EXPECT_EQ(host.events, 4) << "the second pass and the subdirectory are skipped";
}

TEST(DirectoryWalker, AStopInsideASubdirectoryUnwindsEveryLevel) {
    TempDir tree;
    for (const char* name : {"a/1.mp3", "a/2.mp3", "b/3.mp3", "c/4.mp3"}) tree.Write(name);
    RecordingHost host(tree.Dir());
    host.onEvents = [&host](int) { host.stop = host.stop || host.handed.size() == 2; };
    EXPECT_EQ(Walk(tree, host), (Paths{"a/1.mp3", "a/2.mp3"}));
}

}  // namespace
}  // namespace murvane

namespace murvane {
namespace {

TEST(DirectoryWalkerUnusual, NamesAreHandedOverAsTheBytesOnDisk) {
    TempDir tree;
    const Paths names = {"a\nb.mp3", "back\\slash.mp3", "caf\xE9.mp3", "\xE4\xB8\xAD.mp3",
                         "\xFF\xFE.mp3"};
    for (const Text& name : names) tree.Write(name);
    tree.Write("\xE9t\xE9/deep.mp3");
    RecordingHost host(tree.Dir());
    Paths expected = names;
    std::sort(expected.begin(), expected.end());
    expected.push_back("\xE9t\xE9/deep.mp3");
    EXPECT_EQ(Walk(tree, host), expected);
}

TEST(DirectoryWalkerUnusual, WhatCannotBeListedYieldsNothingAndTheWalkGoesOn) {
    TempDir tree;
    tree.Write("a/1.mp3");
    tree.Write("b/2.mp3");
    tree.Write("c/3.mp3");
    tree.Write("file-not-dir");
    RecordingHost host(tree.Dir());
    // The second directory disappears while the first one is walked.
    host.onMatch = [&] { fs::remove_all(tree.Path("b")); };
    EXPECT_EQ(Walk(tree, host), (Paths{"a/1.mp3", "c/3.mp3"}));

    RecordingHost fileHost(tree.Dir());
    Text notADirectory = tree.Dir() + "file-not-dir";
    DirectoryWalker(fileHost).WalkDirectory(notADirectory);
    EXPECT_TRUE(fileHost.handed.empty());
}

TEST(DirectoryWalkerUnusual, AnUnreadableDirectoryIsSkipped) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every directory";
    TempDir tree;
    tree.Write("locked/1.mp3");
    tree.Write("open/2.mp3");
    fs::permissions(tree.Path("locked"), fs::perms::none);
    RecordingHost host(tree.Dir());
    EXPECT_EQ(Walk(tree, host), Paths{"open/2.mp3"});
}

TEST(DirectoryWalkerUnusual, AHundredThousandEntriesInOneDirectory) {
    TempDir tree;
    constexpr int kEntries = 100000;
    for (int i = 0; i < kEntries; ++i) {
        std::ofstream(tree.Path(std::to_string(i) + ".mp3"));
    }
    RecordingHost host(tree.Dir());
    const Paths handed = Walk(tree, host);
    ASSERT_EQ(handed.size(), static_cast<std::size_t>(kEntries));
    EXPECT_TRUE(std::is_sorted(handed.begin(), handed.end()));
}

// Builds `depth` nested directories named "d" below `root`, one level at a time, since the
// whole path may be longer than a single call accepts; leaves `file` at the bottom.
void MakeDeepTree(const fs::path& root, int depth, const char* file) {
    int fd = open(root.c_str(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < depth; ++level) {
        ASSERT_EQ(mkdirat(fd, "d", 0755), 0);
        const int next = openat(fd, "d", O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
    }
    close(openat(fd, file, O_CREAT | O_WRONLY, 0644));
    close(fd);
}

TEST(DirectoryWalkerUnusual, ATreeTwoThousandDirectoriesDeep) {
    TempDir tree;
    MakeDeepTree(tree.Path(), 2000, "deep.mp3");
    std::ofstream(tree.Path("d/d/shallow.mp3"));
    Text relative;
    for (int depth = 0; depth < 2000; ++depth) relative += "d/";
    RecordingHost host(tree.Dir());
    EXPECT_EQ(Walk(tree, host), (Paths{"d/d/shallow.mp3", relative + "deep.mp3"}));
}

TEST(DirectoryWalkerUnusual, ATreeDeeperThanAPathCanNameEndsWhereThePathsDo) {
    TempDir tree;
    MakeDeepTree(tree.Path(), 2100, "unreachable.mp3");
    std::ofstream(tree.Path("d/near.mp3"));
    RecordingHost host(tree.Dir());
    EXPECT_EQ(Walk(tree, host), Paths{"d/near.mp3"});
}

}  // namespace
}  // namespace murvane
