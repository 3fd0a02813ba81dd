// Checks that hold for every record a reader fills from an input of a given size.
#pragma once

#include <cstddef>

#include "input_file.h"
#include "tags/track_info.h"

namespace murvane::fuzz {

inline void CheckRecord(const TrackInfo& info, std::size_t inputSize) {
    const Text* const texts[] = {
        &info.artist,     &info.title,     &info.album,  &info.rights, &info.comment,
        &info.track,      &info.encodedBy, &info.genre,  &info.lyrics, &info.year,
        &info.url,        &info.composer,  &info.extra1, &info.spare1, &info.bitrate,
        &info.sampleRate, &info.channels,  &info.spare2, &info.spare3, &info.duration,
        &info.extra2,
    };
    for (const Text* text : texts) {
        if (!FitsTheInput(text->size(), inputSize)) __builtin_trap();
    }
    // The picture is raw bytes of the file.
    if (info.picture.size() > inputSize) __builtin_trap();
    // No reader fills the spare fields.
    if (!info.spare1.empty() || !info.spare2.empty() || !info.spare3.empty()) __builtin_trap();
}

}  // namespace murvane::fuzz
