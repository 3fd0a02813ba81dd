#include "scan/directory_walker.h"

#include "platform/path.h"

namespace murvane {

bool NameEndsInKind(const Text& name, const char* kind) {
    return UpperAscii(LastBytes(name, 3)) == kind;
}

void DirectoryWalker::WalkDirectory(Text& dir) {
    if (dir.empty() || dir.back() != kPathSeparator) dir += kPathSeparator;
    if (const auto id = IdentityOf(dir); id && !enteredDirectories_.insert(*id).second) return;

    DirectorySearch search;
    MatchMusicFiles(dir);
    EnterSubdirectories(dir, search);
    search.Close();
}

// First pass: every entry, with the window's events handled before each one so that a stop
// request is seen at once.
void DirectoryWalker::MatchMusicFiles(const Text& dir) {
    DirectorySearch search;
    for (auto entry = search.Start(dir, attribute::kAnyEntry); entry; entry = search.Next()) {
        host_.ProcessPendingEvents();
        if (host_.StopRequested()) break;
        if (entry->name.back() == '.') continue;  // "." and ".."
        const bool mp3 = host_.WantMp3() && NameEndsInKind(entry->name, "MP3");
        const bool wma = host_.WantWma() && NameEndsInKind(entry->name, "WMA");
        if ((mp3 || wma) && handedOver_.insert(entry->id).second) {
            host_.MatchFile(dir + entry->name);
        }
    }
    search.Close();
}

// Second pass: directories whose names hold no full stop, each walked completely before the
// next one. Every level adds at least two bytes to the path, and a directory whose path is
// longer than the system accepts cannot be listed, so the recursion stays a few thousand levels
// deep at most.
void DirectoryWalker::EnterSubdirectories(const Text& dir, DirectorySearch& search) {
    for (auto entry = search.Start(dir, attribute::kDirectory); entry && !host_.StopRequested();
         entry = search.Next()) {
        if (entry->name.find('.') != Text::npos) continue;
        Text subdirectory = dir + entry->name;
        WalkDirectory(subdirectory);
    }
}

}  // namespace murvane
