#include "platform/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

namespace murvane {
namespace {

// Tag readers ask for a few bytes at a time; one buffer refill serves many such reads. A tag
// with its padding mostly fits in the first one, and a larger picture bypasses the buffer.
constexpr long long kBufferSize = 4 * 1024;

// Padding runs to a kilobyte or more in most tags, so it is looked at a word at a time.
const unsigned char* FirstNonZero(const unsigned char* from, const unsigned char* to) {
    std::uint64_t word = 0;
    while (to - from >= static_cast<std::ptrdiff_t>(sizeof word)) {
        std::memcpy(&word, from, sizeof word);
        if (word != 0) break;
        from += sizeof word;
    }
    while (from != to && *from == 0) ++from;
    return from;
}

// A scan opens every file once or twice; the buffers go round a small per-thread pool instead of
// being allocated for each file.
thread_local std::vector<std::unique_ptr<unsigned char[]>> spareBuffers;
constexpr std::size_t kSpareBuffersKept = 4;

std::unique_ptr<unsigned char[]> TakeBuffer() {
    if (spareBuffers.empty()) {
        return std::make_unique_for_overwrite<unsigned char[]>(
            static_cast<std::size_t>(kBufferSize));
    }
    std::unique_ptr<unsigned char[]> buffer = std::move(spareBuffers.back());
    spareBuffers.pop_back();
    return buffer;
}

void GiveBack(std::unique_ptr<unsigned char[]> buffer) {
    if (buffer && spareBuffers.size() < kSpareBuffersKept)
        spareBuffers.push_back(std::move(buffer));
}

}  // namespace

FileReader::~FileReader() {
    Close();
}

bool FileReader::Open(const Text& path) {
    Close();
    // A path with a zero byte inside would name a different file once handed to the system.
    if (path.empty() || path.find('\0') != Text::npos) return false;
    // O_NONBLOCK: a fifo that happens to be called song.mp3 must not stall the scan in open().
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    size_ = static_cast<long long>(info.st_size);
    position_ = 0;
    limit_ = kNoLimit;
    bufferSize_ = static_cast<std::size_t>(std::min(kBufferSize, size_));
    buffer_ = TakeBuffer();
    bufferStart_ = 0;
    bufferLength_ = 0;
    return true;
}

void FileReader::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    size_ = 0;
    position_ = 0;
    limit_ = kNoLimit;
    GiveBack(std::move(buffer_));
    bufferSize_ = 0;
    bufferStart_ = 0;
    bufferLength_ = 0;
}

long long FileReader::ReadEnd() const {
    return limit_ == kNoLimit ? size_ : std::min(size_, limit_);
}

long long FileReader::Remaining() const {
    const long long end = ReadEnd();
    return position_ < end ? end - position_ : 0;
}

std::vector<unsigned char> FileReader::Read(long long count) {
    std::vector<unsigned char> bytes;
    const long long wanted = std::min(count, Remaining());
    if (wanted <= 0) return bytes;
    bytes.resize(static_cast<std::size_t>(wanted));
    bytes.resize(ReadInto(bytes));
    return bytes;
}

std::size_t FileReader::ReadInto(std::span<unsigned char> out) {
    if (!IsOpen()) return 0;
    out = out.first(std::min(out.size(), static_cast<std::size_t>(Remaining())));
    std::size_t done = 0;
    while (done < out.size()) {
        std::span<unsigned char> rest = out.subspan(done);
        std::size_t got = ReadFromBuffer(rest);
        if (got == 0 && rest.size() >= bufferSize_) {
            got = ReadAt(position_, rest);  // large reads bypass the buffer
        } else if (got == 0) {
            if (!FillBuffer()) break;
            got = ReadFromBuffer(rest);
        }
        if (got == 0) break;  // the file shrank since it was opened
        done += got;
        position_ += static_cast<long long>(got);
    }
    return done;
}

std::size_t FileReader::ReadFromBuffer(std::span<unsigned char> out) {
    const long long bufferEnd = bufferStart_ + static_cast<long long>(bufferLength_);
    if (position_ < bufferStart_ || position_ >= bufferEnd) return 0;
    const auto offset = static_cast<std::size_t>(position_ - bufferStart_);
    const std::size_t count = std::min(out.size(), bufferLength_ - offset);
    std::memcpy(out.data(), buffer_.get() + offset, count);
    return count;
}

bool FileReader::FillBuffer() {
    bufferStart_ = position_;
    bufferLength_ = ReadAt(position_, {buffer_.get(), bufferSize_});
    return bufferLength_ > 0;
}

long long FileReader::ZeroBytesAhead(long long end) {
    const long long stop = std::min(end, ReadEnd());
    const long long start = position_;
    long long at = start;
    while (at < stop) {
        const long long bufferEnd = bufferStart_ + static_cast<long long>(bufferLength_);
        if (at < bufferStart_ || at >= bufferEnd) {
            position_ = at;
            const bool filled = FillBuffer();
            position_ = start;
            if (!filled) break;
            continue;
        }
        const unsigned char* from = buffer_.get() + (at - bufferStart_);
        const unsigned char* to = from + (std::min(stop, bufferEnd) - at);
        const unsigned char* nonZero = FirstNonZero(from, to);
        at += nonZero - from;
        if (nonZero != to) break;
    }
    return at - start;
}

std::size_t FileReader::ReadAt(long long offset, std::span<unsigned char> out) const {
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got = ::pread(fd_, out.data() + done, out.size() - done,
                                    static_cast<off_t>(offset) + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool FileReader::Seek(long long offset, Origin origin) {
    if (!IsOpen()) return false;
    long long base = 0;
    if (origin == Origin::Current) base = position_;
    if (origin == Origin::End) base = size_;
    long long target = 0;
    if (__builtin_add_overflow(base, offset, &target) || target < 0) return false;
    position_ = target;
    return true;
}

}  // namespace murvane
