// Every file below a directory with its bytes, so that a test can show that nothing was lost.
#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace murvane::testing {

using TreeSnapshot = std::map<std::string, std::string>;  // relative path -> bytes ("/" dirs)

inline TreeSnapshot SnapshotOf(const std::filesystem::path& root) {
    TreeSnapshot snapshot;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string relative = entry.path().lexically_relative(root).string();
        if (entry.is_directory()) {
            snapshot[relative + "/"] = "";
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        snapshot[relative] = bytes.str();
    }
    return snapshot;
}

}  // namespace murvane::testing
