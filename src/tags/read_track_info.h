#pragma once

#include "tags/track_info.h"

namespace murvane {

// Reads the tags of one file, choosing the readers by the last three characters of its name:
// ID3v2 and then, when that gave no title, ID3v1 for MP3; the ASF header for WMA. Never fails:
// a file that cannot be read gives a record with every field empty.
TrackInfo ReadTrackInfo(const Text& path, const TagTables& tables);

}  // namespace murvane
