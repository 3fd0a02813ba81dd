#include "platform/file_operations.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/path.h"

namespace murvane {
namespace {

constexpr std::size_t kCopyChunk = 1 << 20;

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// The temporary file's name pattern, in the target's own directory so that the final rename
// stays on one file system.
Text TemporaryPatternFor(const Text& to) {
    const auto separator = to.rfind(kPathSeparator);
    const Text directory = separator == Text::npos ? Text() : to.substr(0, separator + 1);
    return directory + ".murvane-copy-XXXXXX";
}

bool IsDirectory(const Text& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

class FileCloser {
public:
    explicit FileCloser(int fd) : fd_(fd) {}
    ~FileCloser() {
        if (fd_ >= 0) close(fd_);
    }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;
    // Closes now, reporting whether the last buffered writes failed.
    bool CloseNow() {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

private:
    int fd_;
};

}  // namespace

bool PosixFileOperations::Injected(FileStep step) {
    if (faults_ == nullptr || !faults_->Fails(step)) return false;
    errno = EIO;
    return true;
}

bool PosixFileOperations::Delete(const Text& path) {
    return !Injected(FileStep::Delete) && unlink(path.c_str()) == 0;
}

bool PosixFileOperations::Rename(const Text& from, const Text& to) {
    // A scanned file that has since been replaced by a directory is not what the user chose.
    return !IsDirectory(from) && RenameNoReplace(from, to);
}

// Renames without ever replacing `to`. File systems that refuse the no-replace flag get a hard
// link and an unlink, which cannot replace either.
bool PosixFileOperations::RenameNoReplace(const Text& from, const Text& to) {
    if (Injected(FileStep::Rename)) return false;
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (link(from.c_str(), to.c_str()) != 0) return false;
    unlink(from.c_str());
    return true;
}

bool PosixFileOperations::CopyBytes(int from, int to) {
    std::vector<char> buffer(kCopyChunk);
    for (;;) {
        if (Injected(FileStep::CopyRead)) return false;
        const ssize_t got = read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (Injected(FileStep::CopyWrite)) return false;
        if (!WriteAll(to, buffer.data(), static_cast<std::size_t>(got))) return false;
    }
}

bool PosixFileOperations::FillTemporary(int source, const struct stat& info, int target) {
    if (!CopyBytes(source, target)) return false;
    fchmod(target, info.st_mode & 07777);
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    futimens(target, times);
    return !Injected(FileStep::CopySync) && fsync(target) == 0;
}

bool PosixFileOperations::Copy(const Text& from, const Text& to) {
    const int source = open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (source < 0) return false;
    FileCloser sourceCloser(source);
    struct stat info {};
    if (fstat(source, &info) != 0 || !S_ISREG(info.st_mode)) return false;

    Text temporary = TemporaryPatternFor(to);
    const int target = mkostemp(temporary.data(), O_CLOEXEC);
    if (target < 0) return false;
    FileCloser targetCloser(target);
    const bool complete = FillTemporary(source, info, target) && targetCloser.CloseNow() &&
                          !Injected(FileStep::CopyName) && RenameNoReplace(temporary, to);
    if (!complete) unlink(temporary.c_str());
    return complete;
}

}  // namespace murvane
