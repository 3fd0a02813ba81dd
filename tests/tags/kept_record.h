#pragma once

#include "tags/track_info.h"

namespace murvane::testing {

// A record whose only value is the title "kept": a reader that refuses a file must leave it so.
inline TrackInfo Kept() {
    TrackInfo info;
    info.title = "kept";
    return info;
}

}  // namespace murvane::testing
