// Reads every file of the shared corpus of tagged files written by other tools, many of them
// truncated or malformed on purpose. The readers must come back from each.
#include <gtest/gtest.h>

#include <filesystem>

#include "tags/asf_reader.h"
#include "tags/id3v1_reader.h"
#include "tags/id3v2_reader.h"
#include "tags/read_track_info.h"

namespace murvane {
namespace {

TEST(SharedCorpus, EveryFileIsReadWithoutHarm) {
    const std::filesystem::path corpus = MURVANE_SHARED_CORPUS;
    std::error_code error;
    if (!std::filesystem::is_directory(corpus, error)) {
        GTEST_SKIP() << "no shared corpus at " << corpus.string();
    }
    const std::vector<Text> genres = MakeId3v1GenreNames();
    const std::vector<Text> attributes = MakeWmaAttributeNames();
    const TagTables tables{genres, attributes};
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
        if (!entry.is_regular_file()) continue;
        const Text path = entry.path().string();
        SCOPED_TRACE(path);
        ReadTrackInfo(path, tables);
        // Every reader on every file, whatever its name says.
        TrackInfo info;
        ReadId3v2Tag(path, info);
        ReadId3v1Tag(path, info, genres);
        ReadWmaHeader(path, info, attributes);
        ++files;
    }
    EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace murvane
