// Checks that hold for every record a reader fills from an input of a given size.
#pragma once

#include <array>
#include <cstddef>

#include "input_file.h"
#include "tags/track_info.h"
#include "text/text.h"

namespace murvane::fuzz {

inline auto TextsOf(const TrackInfo& info) {
    return std::array<const Text*, 21>{
        &info.artist,     &info.title,     &info.album,  &info.rights, &info.comment,
        &info.track,      &info.encodedBy, &info.genre,  &info.lyrics, &info.year,
        &info.url,        &info.composer,  &info.extra1, &info.spare1, &info.bitrate,
        &info.sampleRate, &info.channels,  &info.spare2, &info.spare3, &info.duration,
        &info.extra2,
    };
}

inline void CheckRecord(const TrackInfo& info, std::size_t inputSize) {
    for (const Text* text : TextsOf(info)) {
        if (!FitsTheInput(text->size(), inputSize)) __builtin_trap();
    }
    // The picture is raw bytes of the file.
    if (info.picture.size() > inputSize) __builtin_trap();
    // No reader fills the spare fields.
    if (!info.spare1.empty() || !info.spare2.empty() || !info.spare3.empty()) __builtin_trap();
}

inline void CheckValidUtf8(const TrackInfo& info) {
    for (const Text* text : TextsOf(info)) {
        if (!IsValidUtf8(*text)) __builtin_trap();
    }
}

}  // namespace murvane::fuzz
