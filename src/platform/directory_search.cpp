#include "platform/directory_search.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace murvane {
namespace {

bool UserCanWrite(const struct stat& info) {
    static const uid_t user = geteuid();
    static const gid_t group = getegid();
    if (user == 0) return true;
    if (info.st_uid == user) return (info.st_mode & S_IWUSR) != 0;
    if (info.st_gid == group) return (info.st_mode & S_IWGRP) != 0;
    return (info.st_mode & S_IWOTH) != 0;
}

// Reads every name of the directory at once, so that no descriptor stays open while the walk
// descends (a deep tree would otherwise run out of them).
std::vector<Text> ReadNames(const Text& directory) {
    std::vector<Text> names;
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr) return names;
    while (const dirent* entry = readdir(listing)) names.emplace_back(entry->d_name);
    closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

int AttributesOf(const Text& path, const Text& name, FileId* id) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return 0;
    if (id != nullptr) *id = FileId{info.st_dev, info.st_ino};
    const int hidden = !name.empty() && name.front() == '.' ? attribute::kHidden : 0;
    if (S_ISDIR(info.st_mode)) return attribute::kDirectory | hidden;
    if (S_ISREG(info.st_mode)) {
        return attribute::kArchive | hidden | (UserCanWrite(info) ? 0 : attribute::kReadOnly);
    }
    return 0;
}

std::optional<FileId> IdentityOf(const Text& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileId{info.st_dev, info.st_ino};
}

std::optional<DirectoryEntry> DirectorySearch::Start(const Text& directory, int filter) {
    Close();
    directory_ = directory;
    filter_ = filter;
    names_ = ReadNames(directory);
    return Next();
}

std::optional<DirectoryEntry> DirectorySearch::Next() {
    while (position_ < names_.size()) {
        DirectoryEntry entry;
        entry.name = std::move(names_[position_++]);
        entry.attributes = AttributesOf(directory_ + entry.name, entry.name, &entry.id);
        if ((entry.attributes & filter_) != 0) return entry;
    }
    Close();
    return std::nullopt;
}

void DirectorySearch::Close() {
    names_.clear();
    names_.shrink_to_fit();
    position_ = 0;
}

}  // namespace murvane
