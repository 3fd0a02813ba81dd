#include "app/app_state.h"

namespace murvane {

AppState::AppState() = default;

// Released in the order the state was created: the groups, the four seen-sets, the two name
// tables.
AppState::~AppState() {
    ResetScanState(match);
    Id3v1GenreNames.clear();
    WmaAttributeNames.clear();
}

}  // namespace murvane
