// Reads a regular file through a POSIX descriptor with a small buffer of its own. Tag readers
// distrust the sizes they find in a file, so every read is clamped to the bytes that remain:
// a read never reserves more memory than the file could give.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

#include "text/text.h"

namespace murvane {

class FileReader {
  public:
    enum class Origin { Start, Current, End };

    FileReader() = default;
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    // Opens `path` for reading. Anything that is not a regular file (a directory, a fifo, a
    // device) is refused, and opening never blocks.
    bool Open(const Text& path);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    long long Size() const { return size_; }
    long long Position() const { return position_; }
    // Bytes between the position and the end of the file (or the read limit, when it comes
    // first); 0 at or past it.
    long long Remaining() const;
    bool AtEnd() const { return Remaining() == 0; }

    // Reads stop at `end` as they stop at the end of the file, until the limit is lifted. A
    // reader of nested parts uses it to keep the reads of one part inside the size that the
    // part declares. Moves are not limited.
    void LimitReadsTo(long long end) { limit_ = end < 0 ? 0 : end; }
    void LiftReadLimit() { limit_ = kNoLimit; }

    // Reads up to `count` bytes at the position and moves past them: fewer at the end of the
    // file, none for a count of 0 or less.
    std::vector<unsigned char> Read(long long count);
    // Fills `out` as far as the file allows; returns how many bytes it wrote.
    std::size_t ReadInto(std::span<unsigned char> out);

    // How many zero bytes follow the position, up to `end` or the end of what may be read. The
    // position does not move.
    long long ZeroBytesAhead(long long end);

    // Moves the position; a target before the start of the file is refused and leaves the
    // position where it was. A target past the end is allowed: reads there give nothing.
    bool Seek(long long offset, Origin origin);

  private:
    static constexpr long long kNoLimit = -1;

    long long ReadEnd() const;
    std::size_t ReadFromBuffer(std::span<unsigned char> out);
    bool FillBuffer();
    std::size_t ReadAt(long long offset, std::span<unsigned char> out) const;

    int fd_ = -1;
    long long size_ = 0;
    long long position_ = 0;
    long long limit_ = kNoLimit;
    std::unique_ptr<unsigned char[]> buffer_;
    std::size_t bufferSize_ = 0;
    long long bufferStart_ = 0;
    std::size_t bufferLength_ = 0;
};

}  // namespace murvane
