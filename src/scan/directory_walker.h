// The depth-first walk of a search directory: each directory is listed twice, first to hand its
// music files to the matcher, then to descend into its subdirectories.
#pragma once

#include <unordered_set>

#include "platform/directory_search.h"
#include "text/text.h"

namespace murvane {

// What the walk needs from the program around it.
class WalkHost {
  public:
    virtual ~WalkHost() = default;
    virtual void ProcessPendingEvents() = 0;  // may run reactions, a stop request among them
    virtual bool StopRequested() const = 0;
    virtual bool WantMp3() const = 0;
    virtual bool WantWma() const = 0;
    virtual void MatchFile(const Text& path) = 0;
};

// One walker serves one scan: it remembers the directories it entered and the files it handed
// over, so that no physical directory is entered twice (links that loop end) and no file
// reached by two paths becomes its own duplicate.
class DirectoryWalker {
  public:
    explicit DirectoryWalker(WalkHost& host) : host_(host) {}

    // Appends the separator to `dir` itself when it lacks one, as callers may rely on.
    void WalkDirectory(Text& dir);

  private:
    void MatchMusicFiles(const Text& dir);
    void EnterSubdirectories(const Text& dir, DirectorySearch& search);

    WalkHost& host_;
    std::unordered_set<FileId, FileIdHash> enteredDirectories_;
    std::unordered_set<FileId, FileIdHash> handedOver_;
};

// True when the name's last three bytes, ASCII letters upper-cased, equal `kind` ("MP3").
bool NameEndsInKind(const Text& name, const char* kind);

}  // namespace murvane
