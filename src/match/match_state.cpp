#include "match/match_state.h"

namespace murvane {

void ResetScanState(MatchState& state) {
    state.FilesSeenCount = 0;
    state.DuplicateCount = 0;
    state.groupTable.ResetToPlaceholder();
    state.SeenFileNames.Clear();
    state.SeenArtists.Clear();
    state.SeenTitles.Clear();
    state.ListedTitles.Clear();
    state.listedRows.clear();
}

}  // namespace murvane
