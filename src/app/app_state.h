// The program's state, created once at start-up and released at its end. The values the
// disposal worker shares with the UI thread are atomic.
#pragma once

#include <atomic>
#include <vector>

#include "match/match_options.h"
#include "match/match_state.h"
#include "review/disposal_queue.h"
#include "text/text.h"

namespace murvane {

class AppState {
  public:
    AppState();
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    int ScanStopFlag = 0;
    MatchOptions matchOptions;
    MatchState match;
    std::atomic<int> DisposedCount{0};
    std::vector<Text> Id3v1GenreNames;
    std::vector<Text> WmaAttributeNames;
    std::atomic<int> DeleteMode{0};
    std::atomic<int> MoveMode{0};
    int MainCheckToggle = 0;
    int DetailCheckToggle = 0;
    DisposalQueue disposalQueue;
    std::atomic<int> DisposalStopFlag{0};
    std::atomic<int> DisposalBusy{0};
};

}  // namespace murvane
