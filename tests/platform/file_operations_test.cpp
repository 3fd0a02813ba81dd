#include "platform/file_operations.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_dir.h"
#include "support/tree_snapshot.h"

namespace murvane {
namespace {

using testing::SnapshotOf;
using testing::TempDir;
using testing::TreeSnapshot;

// Fails the n-th time (from 1) the chosen step is reached.
class FailAt : public FaultInjector {
  public:
    FailAt(FileStep step, int occurrence) : step_(step), occurrence_(occurrence) {}
    bool Fails(FileStep step) override { return step == step_ && ++seen_ == occurrence_; }

  private:
    FileStep step_;
    int occurrence_;
    int seen_ = 0;
};

class FileOperationsTest : public ::testing::Test {
  protected:
    FileOperationsTest() {
        // Larger than one copy chunk, so that a copy can fail half-way.
        source_ = tree_.Write("music/song.mp3", std::string(3 << 20, 'm') + "end");
        target_ = tree_.MakeDir("target") + "/song.mp3";
        before_ = SnapshotOf(tree_.Path());
    }

    TempDir tree_;
    Text source_;
    Text target_;
    TreeSnapshot before_;
};

TEST_F(FileOperationsTest, AFailedCopyLeavesNoPartialFileAtAnyStep) {
    const struct {
        FileStep step;
        int occurrence;
    } faults[] = {
        {FileStep::CopyRead, 1}, {FileStep::CopyRead, 2}, {FileStep::CopyWrite, 2},
        {FileStep::CopySync, 1}, {FileStep::CopyName, 1},
    };
    for (const auto& fault : faults) {
        FailAt injector(fault.step, fault.occurrence);
        PosixFileOperations files(&injector);
        EXPECT_FALSE(files.Copy(source_, target_));
        EXPECT_EQ(SnapshotOf(tree_.Path()), before_) << static_cast<int>(fault.step);
    }
}

TEST_F(FileOperationsTest, ACompleteCopyKeepsTheBytesAndNeverReplaces) {
    PosixFileOperations files;
    ASSERT_TRUE(files.Copy(source_, target_));
    TreeSnapshot after = SnapshotOf(tree_.Path());
    EXPECT_EQ(after["target/song.mp3"], after["music/song.mp3"]);
    EXPECT_EQ(after.size(), before_.size() + 1) << "no temporary file is left";

    const Text other = tree_.Write("other/song.mp3", "other bytes");
    EXPECT_FALSE(files.Copy(other, target_));
    EXPECT_FALSE(files.Rename(other, target_));
    EXPECT_EQ(SnapshotOf(tree_.Path())["target/song.mp3"], after["music/song.mp3"]);
}

TEST_F(FileOperationsTest, RenameAndDeleteFailuresChangeNothing) {
    FailAt renameFault(FileStep::Rename, 1);
    EXPECT_FALSE(PosixFileOperations(&renameFault).Rename(source_, target_));
    FailAt deleteFault(FileStep::Delete, 1);
    EXPECT_FALSE(PosixFileOperations(&deleteFault).Delete(source_));
    EXPECT_EQ(SnapshotOf(tree_.Path()), before_);
}

TEST_F(FileOperationsTest, MissingSourcesAndTargetsFailCleanly) {
    PosixFileOperations files;
    const Text gone = tree_.Dir() + "music/gone.mp3";
    EXPECT_FALSE(files.Delete(gone));
    EXPECT_FALSE(files.Rename(gone, target_));
    EXPECT_FALSE(files.Copy(gone, target_));
    const Text nowhere = tree_.Dir() + "vanished/song.mp3";
    EXPECT_FALSE(files.Rename(source_, nowhere));
    EXPECT_FALSE(files.Copy(source_, nowhere));
    EXPECT_EQ(SnapshotOf(tree_.Path()), before_);
}

TEST_F(FileOperationsTest, AFileReplacedByADirectoryIsLeftAlone) {
    std::filesystem::remove(source_);
    tree_.Write("music/song.mp3/inside.txt", "keep me");
    const TreeSnapshot replaced = SnapshotOf(tree_.Path());
    PosixFileOperations files;
    EXPECT_FALSE(files.Delete(source_));
    EXPECT_FALSE(files.Rename(source_, target_));
    EXPECT_FALSE(files.Copy(source_, target_));
    EXPECT_EQ(SnapshotOf(tree_.Path()), replaced);
}

TEST_F(FileOperationsTest, AReadOnlyDirectoryRefusesWithoutLoss) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
    std::filesystem::permissions(tree_.Path("music"), std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::owner_exec);
    PosixFileOperations files;
    EXPECT_FALSE(files.Delete(source_));
    EXPECT_FALSE(files.Rename(source_, target_));
    EXPECT_EQ(SnapshotOf(tree_.Path()), before_);
}

}  // namespace
}  // namespace murvane
