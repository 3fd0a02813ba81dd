// The readers take a path, not bytes: a fuzz target writes each input to a file of its own,
// in a private directory below $TMPDIR that is removed when the process ends normally.
#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

namespace murvane::fuzz {

class InputFile {
  public:
    // `name` is the file's name inside the directory; its ending chooses the reader.
    explicit InputFile(const std::string& name) {
        const char* base = ::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/murvane-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) ::abort();
        dir_ = pattern;
        path_ = dir_ + "/" + name;
    }
    ~InputFile() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Replaces the file's bytes with `data`; returns its path.
    const std::string& Write(const std::uint8_t* data, std::size_t size) const {
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0) ::abort();
        for (std::size_t done = 0; done < size;) {
            const ssize_t wrote = ::write(fd, data + done, size - done);
            if (wrote <= 0) ::abort();  // a short file would fuzz something else than asked
            done += static_cast<std::size_t>(wrote);
        }
        ::close(fd);
        return path_;
    }

  private:
    std::string dir_;
    std::string path_;
};

// Every text a reader keeps comes from bytes of the file: at most three bytes of UTF-8 for
// each byte read (an invalid UTF-8 byte becomes U+FFFD), plus the reader's own short texts
// (genre names, channel words, a duration). Anything longer was made up, not read.
inline bool FitsTheInput(std::size_t length, std::size_t inputSize) {
    return length <= 3 * inputSize + 64;
}

}  // namespace murvane::fuzz
