// The tag and stream data of one music file. Every field is a Text as its source gives it (the
// empty text means "no value"); `picture` holds the raw bytes of an embedded image.
#pragma once

#include <vector>

#include "text/text.h"

namespace murvane {

struct TrackInfo {
    Text artist;
    Text title;
    Text album;
    Text rights;
    Text comment;
    Text track;
    Text encodedBy;
    Text genre;
    Text lyrics;
    Text year;
    Text url;
    Text composer;
    Text extra1;  // WMA publisher
    Text spare1;  // never filled
    Text bitrate;
    Text sampleRate;
    Text channels;
    Text spare2;  // never filled
    Text spare3;  // never filled
    Text duration;
    std::vector<unsigned char> picture;
    Text extra2;  // WMA track attribute

    bool operator==(const TrackInfo&) const = default;
};

// The two name tables that the application state builds once at start-up.
struct TagTables {
    const std::vector<Text>& id3v1GenreNames;    // 148 entries, genre numbers 0..147
    const std::vector<Text>& wmaAttributeNames;  // 11 entries, slot 1..11 at index 0..10
};

}  // namespace murvane
