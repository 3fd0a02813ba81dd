#pragma once

#include <vector>

#include "tags/track_info.h"

namespace murvane {

// The names of the ID3v1 genre numbers 0 to 147 (the original list and its Winamp extension).
std::vector<Text> MakeId3v1GenreNames();

// Reads the 128-byte ID3v1 block at the end of the file (the whole file when it is shorter)
// into `info`. Returns true when the block starts with "TAG"; otherwise, or when the file
// cannot be opened, returns false and leaves `info` alone.
bool ReadId3v1Tag(const Text& path, TrackInfo& info, const std::vector<Text>& genreNames);

}  // namespace murvane
