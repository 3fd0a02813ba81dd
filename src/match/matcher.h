// The per-file decision: has every ticked criterion of this file been seen before in this scan?
// A file that is new on any of them founds a group; a duplicate joins the first group with its
// raw title and gets or updates the main-list row of that title.
#pragma once

#include <functional>

#include "match/match_options.h"
#include "match/match_state.h"
#include "tags/track_info.h"
#include "text/text.h"
#include "ui/form.h"

namespace murvane {

// The file name: what follows the path's last separator (the whole path when it has none).
Text FileNameOf(const Text& path);

// The path as the status bar shows it: whole up to 50 bytes, otherwise its first directory,
// ".../" and the file name.
Text ProgressText(const Text& path);

using TrackReader = std::function<TrackInfo(const Text& path)>;

class Matcher {
  public:
    Matcher(MatchState& state, const MatchOptions& options, Form& form, TrackReader readTrack)
        : state_(state), options_(options), form_(form), readTrack_(std::move(readTrack)) {}

    void MatchFile(const Text& path);

  private:
    struct MatchFlags {
        int fileName = 0;
        int title = 0;
        int artist = 0;
        int size = 0;
        int md5 = 0;
        bool All() const { return fileName && title && artist && size && md5; }
    };

    MatchFlags ComputeFlags(const Text& fileName, const TrackInfo& info);
    void RecordDuplicate(const Text& path, const TrackInfo& info);
    int ListRowFor(const TrackInfo& info);

    MatchState& state_;
    const MatchOptions& options_;
    Form& form_;
    TrackReader readTrack_;
};

}  // namespace murvane
