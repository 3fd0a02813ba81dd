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
std::vector<ListedName> ReadNames(const Text& directory) {
    std::vector<ListedName> names;
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr) return names;
    while (const dirent* entry = readdir(listing)) {
        names.push_back({entry->d_name, entry->d_type, entry->d_ino});
    }
    closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

int HiddenBit(const Text& name) {
    return !name.empty() && name.front() == '.' ? attribute::kHidden : 0;
}

}  // namespace

int AttributesOf(const Text& path, const Text& name, FileId* id) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return 0;
    if (id != nullptr) *id = FileId{info.st_dev, info.st_ino};
    const int hidden = HiddenBit(name);
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
    device_ = names_.empty() ? 0 : IdentityOf(directory).value_or(FileId{}).device;
    return Next();
}

std::optional<DirectoryEntry> DirectorySearch::Next() {
    while (position_ < names_.size()) {
        ListedName& listed = names_[position_++];
        FileId id;
        const int attributes = AttributesOfListed(listed, id);
        if ((attributes & filter_) != 0) {
            return DirectoryEntry{std::move(listed.name), attributes, id};
        }
    }
    Close();
    return std::nullopt;
}

// Directories and regular files are known from the listing itself, with the inode it names
// and the device of this directory; links and entries of unknown kind are looked at. The
// read-only bit is not worked out for files known from the listing: no filter depends on it.
int DirectorySearch::AttributesOfListed(const ListedName& listed, FileId& id) const {
    id = FileId{device_, listed.inode};
    switch (listed.type) {
        case DT_DIR:
            return attribute::kDirectory | HiddenBit(listed.name);
        case DT_REG:
            return attribute::kArchive | HiddenBit(listed.name);
        case DT_LNK:
        case DT_UNKNOWN:
            return AttributesOf(directory_ + listed.name, listed.name, &id);
        default:
            return 0;
    }
}

void DirectorySearch::Close() {
    names_.clear();
    names_.shrink_to_fit();
    position_ = 0;
}

}  // namespace murvane
