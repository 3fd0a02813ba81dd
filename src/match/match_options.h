#pragma once

namespace murvane {

// The option boxes as they were ticked when the scan started; 1 ticked, 0 not.
struct MatchOptions {
    int byMd5 = 0;
    int bySize = 0;
    int byFileName = 0;
    int byTitle = 0;
    int byArtist = 0;
    int wantMp3 = 0;
    int wantWma = 0;
};

}  // namespace murvane
