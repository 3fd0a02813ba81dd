#include "app/app_state.h"

#include "tags/asf_reader.h"
#include "tags/id3v1_reader.h"

namespace murvane {

AppState::AppState()
    : Id3v1GenreNames(MakeId3v1GenreNames()), WmaAttributeNames(MakeWmaAttributeNames()) {}

// Released in the order the state was created: the groups, the four seen-sets, the two name
// tables, the disposal queue.
AppState::~AppState() {
    ResetScanState(match);
    Id3v1GenreNames.clear();
    WmaAttributeNames.clear();
    disposalQueue.Clear();
}

}  // namespace murvane
