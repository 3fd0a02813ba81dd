// One listing of one directory's entries, in bytewise sorted order so that scans repeat
// themselves, filtered by the attribute bits that stand in for the file attributes the walk
// asks about.
#pragma once

#include <sys/types.h>

#include <compare>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "text/text.h"

namespace murvane {

namespace attribute {
inline constexpr int kReadOnly = 1;
inline constexpr int kHidden = 2;
inline constexpr int kSystem = 4;
inline constexpr int kDirectory = 16;
inline constexpr int kArchive = 32;
inline constexpr int kAnyEntry = kReadOnly | kHidden | kSystem | kDirectory | kArchive;
}  // namespace attribute

// Identifies one physical file or directory, whatever path leads to it.
struct FileId {
    dev_t device = 0;
    ino_t inode = 0;
    friend auto operator<=>(const FileId&, const FileId&) = default;
};

struct FileIdHash {
    std::size_t operator()(const FileId& id) const {
        return std::hash<ino_t>()(id.inode) ^ (std::hash<dev_t>()(id.device) << 1);
    }
};

// The attribute bits of the entry a path names, following symbolic links: a directory carries
// 16, a regular file 32 (and 1 when this user cannot write it), a name starting with "." adds 2;
// any other kind of entry, or one that cannot be examined, carries nothing. `id`, when given,
// receives the identity of what the path leads to.
int AttributesOf(const Text& path, const Text& name, FileId* id = nullptr);

// The identity of the directory or file at path, following links; none when it cannot be seen.
std::optional<FileId> IdentityOf(const Text& path);

struct DirectoryEntry {
    Text name;  // the bare name as the file system stores it
    int attributes = 0;
    FileId id;  // of what the entry leads to, links followed
};

// A name as the listing gives it, with the kind of entry when the file system tells it.
struct ListedName {
    Text name;
    unsigned char type = 0;  // a DT_ value of <dirent.h>
    ino_t inode = 0;
    friend bool operator<(const ListedName& a, const ListedName& b) { return a.name < b.name; }
};

class DirectorySearch {
  public:
    // Closes what is open, lists `directory` (ending in the separator) and returns the first
    // entry that carries at least one bit of `filter`; none when there is no such entry or the
    // directory cannot be listed.
    std::optional<DirectoryEntry> Start(const Text& directory, int filter);
    // The next accepted entry; none when the listing is exhausted or none is open.
    std::optional<DirectoryEntry> Next();
    void Close();

  private:
    int AttributesOfListed(const ListedName& listed, FileId& id) const;

    Text directory_;
    dev_t device_ = 0;
    std::vector<ListedName> names_;
    std::size_t position_ = 0;
    int filter_ = 0;
};

}  // namespace murvane
