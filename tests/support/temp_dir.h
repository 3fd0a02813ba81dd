// A temporary directory for one test, removed with everything below it when the test ends.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "text/text.h"

namespace murvane::testing {

class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "murvane-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        // Undo what tests do to permissions so that everything can be removed.
        for (auto it = std::filesystem::recursive_directory_iterator(
                 path_, std::filesystem::directory_options::skip_permission_denied, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ignored);
            }
        }
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory as a Text ending in the separator, as the walk hands paths on.
    Text Dir() const { return path_.string() + "/"; }
    std::filesystem::path Path(const std::string& relative = {}) const {
        return relative.empty() ? path_ : path_ / relative;
    }

    // Writes a file (and the directories above it) holding `bytes`; returns its full path.
    Text Write(const std::string& relative, const std::string& bytes = {}) const {
        const std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    Text MakeDir(const std::string& relative) const {
        std::filesystem::create_directories(path_ / relative);
        return (path_ / relative).string();
    }

  private:
    std::filesystem::path path_;
};

}  // namespace murvane::testing
