// The file-system changes a disposal makes. None of them ever replaces an existing file, and a
// failed copy leaves nothing behind. Behind an interface so that tests can make any step fail.
#pragma once

#include <sys/stat.h>

#include "text/text.h"

namespace murvane {

class FileOperations {
public:
    virtual ~FileOperations() = default;
    virtual bool Delete(const Text& path) = 0;
    // Fails when `to` exists, when `from` is a directory, or when they lie on two file systems.
    virtual bool Rename(const Text& from, const Text& to) = 0;
    // Writes the whole file under a temporary name beside `to` and gives it its final name only
    // when every byte is on disk; fails when `to` exists.
    virtual bool Copy(const Text& from, const Text& to) = 0;
};

// The steps of the operations below at which a test may make the system fail.
enum class FileStep { Delete, Rename, CopyRead, CopyWrite, CopySync, CopyName };

class FaultInjector {
public:
    virtual ~FaultInjector() = default;
    // Asked before each step; true makes the step fail as an I/O error would.
    virtual bool Fails(FileStep step) = 0;
};

class PosixFileOperations : public FileOperations {
public:
    PosixFileOperations() = default;
    explicit PosixFileOperations(FaultInjector* faults) : faults_(faults) {}

    bool Delete(const Text& path) override;
    bool Rename(const Text& from, const Text& to) override;
    bool Copy(const Text& from, const Text& to) override;

private:
    bool Injected(FileStep step);
    bool RenameNoReplace(const Text& from, const Text& to);
    bool CopyBytes(int from, int to);
    bool FillTemporary(int source, const struct stat& info, int target);

    FaultInjector* faults_ = nullptr;
};

}  // namespace murvane
