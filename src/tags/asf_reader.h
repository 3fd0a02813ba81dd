#pragma once

#include <vector>

#include "tags/track_info.h"

namespace murvane {

// The Extended Content Description attribute names that fill a record, in slot order:
// WM/AlbumTitle, WM/EncodedBy, WM/Genre, WM/Lyrics, WM/Track, WM/Year, WM/AuthorURL,
// WM/Composer, WM/Publisher, WM/TrackNumber, WM/Picture.
std::vector<Text> MakeWmaAttributeNames();

// Reads the ASF Header Object of a WMA file into `info`: the Content Description, Extended
// Content Description, Codec List and File Properties Objects. Returns false, leaving `info`
// alone, when the file cannot be opened or does not start with the ASF header identifier.
bool ReadWmaHeader(const Text& path, TrackInfo& info, const std::vector<Text>& attributeNames);

// Whole seconds as minutes ":" seconds, each with at least two digits: 65 gives "01:05" and
// 6000 gives "100:00". A negative count, which only a damaged header gives, reads "00:00".
Text FormatDuration(long long seconds);

}  // namespace murvane
