#include "platform/file_operations.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
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

// Makes a directory refuse changes for as long as it lives: by its permissions for an ordinary
// user, and by the immutable attribute for root, whom permissions do not stop.
class ReadOnlyDirectory {
  public:
    explicit ReadOnlyDirectory(const std::filesystem::path& path) : path_(path) {
        if (geteuid() != 0) {
            std::filesystem::permissions(
                path_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
            locked_ = true;
            return;
        }
        fd_ = open(path_.c_str(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd_ >= 0 && ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            locked_ = ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
        }
    }
    ~ReadOnlyDirectory() {
        if (fd_ >= 0) {
            int flags = 0;
            if (ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ioctl(fd_, FS_IOC_SETFLAGS, &flags);
            }
            close(fd_);
        }
    }
    ReadOnlyDirectory(const ReadOnlyDirectory&) = delete;
    ReadOnlyDirectory& operator=(const ReadOnlyDirectory&) = delete;
    bool Locked() const { return locked_; }

  private:
    std::filesystem::path path_;
    int fd_ = -1;
    bool locked_ = false;
};

TEST_F(FileOperationsTest, AReadOnlyDirectoryRefusesWithoutLoss) {
    ReadOnlyDirectory music(tree_.Path("music"));
    if (!music.Locked()) GTEST_SKIP() << "this file system cannot make the directory read-only";
    PosixFileOperations files;
    EXPECT_FALSE(files.Delete(source_));
    EXPECT_FALSE(files.Rename(source_, target_));
    EXPECT_TRUE(files.Copy(source_, target_)) << "reading is still allowed";
    std::filesystem::remove(target_);
    EXPECT_EQ(SnapshotOf(tree_.Path()), before_);
}

}  // namespace
}  // namespace murvane
