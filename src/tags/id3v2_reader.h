#pragma once

#include "tags/track_info.h"

namespace murvane {

// Reads the ID3v2 tag at the start of the file into `info`, frame by frame; thirteen frame kinds
// are taken, all others skipped. Returns true when the file begins with "ID3", whatever the
// frames held, and false (leaving `info` alone) when it does not or cannot be opened.
bool ReadId3v2Tag(const Text& path, TrackInfo& info);

}  // namespace murvane
