// What a scan remembers: its counters, the seen-sets, the group table and the main-list row of
// every listed title.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "match/group_table.h"
#include "match/seen_set.h"

namespace murvane {

struct MatchState {
    std::int32_t FilesSeenCount = 0;
    std::int32_t DuplicateCount = 0;
    GroupTable groupTable;
    SeenSet SeenFileNames;
    SeenSet SeenArtists;
    SeenSet SeenTitles;
    SeenSet ListedTitles;
    // The main-list row written for each key of ListedTitles; one row per listed title.
    std::unordered_map<Text, int> listedRows;
};

// Zeroes the counters, installs a table holding only the placeholder group, empties the sets.
void ResetScanState(MatchState& state);

}  // namespace murvane
