#include "tags/read_track_info.h"

#include "tags/asf_reader.h"
#include "tags/id3v1_reader.h"
#include "tags/id3v2_reader.h"

namespace murvane {

TrackInfo ReadTrackInfo(const Text& path, const TagTables& tables) {
    TrackInfo info;
    // The kind is the name's last three characters, with or without a dot before them.
    const Text kind = UpperAscii(LastBytes(path, 3));
    if (kind == "MP3") {
        // A title made of blanks counts as a title: only an exactly empty one calls for ID3v1.
        if (!ReadId3v2Tag(path, info) || info.title.empty()) {
            ReadId3v1Tag(path, info, tables.id3v1GenreNames);
        }
    } else if (kind == "WMA") {
        ReadWmaHeader(path, info, tables.wmaAttributeNames);
    }
    return info;
}

}  // namespace murvane
