// The file-system changes a disposal makes. None of them ever replaces an existing file, and a
// failed copy leaves nothing behind. Behind an interface so that tests can make any step fail.
#pragma once

#include "text/text.h"

namespace murvane {

class FileOperations {
  public:
    virtual ~FileOperations() = default;
    virtual bool Delete(const Text& path) = 0;
    // Fails when `to` exists, or lies on another file system.
    virtual bool Rename(const Text& from, const Text& to) = 0;
    // Writes the whole file under a temporary name beside `to` and gives it its final name only
    // when every byte is on disk; fails when `to` exists.
    virtual bool Copy(const Text& from, const Text& to) = 0;
};

class PosixFileOperations : public FileOperations {
  public:
    bool Delete(const Text& path) override;
    bool Rename(const Text& from, const Text& to) override;
    bool Copy(const Text& from, const Text& to) override;
};

}  // namespace murvane
