// Files that once made a reader misbehave, kept in tests/data/regressions and named after the
// fault. make_asf_regressions.py there writes the hand-made ones; the others are inputs that
// the fuzz targets found, cut down to what shows the fault.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "tags/asf_reader.h"
#include "tags/id3v1_reader.h"
#include "tags/id3v2_reader.h"
#include "tags/read_track_info.h"

namespace murvane {
namespace {

const std::filesystem::path kDir = MURVANE_TEST_DATA "/regressions";

class RegressionsTest : public ::testing::Test {
  protected:
    TrackInfo Read(const std::string& name) const {
        return ReadTrackInfo((kDir / name).string(), TagTables{genres_, attributes_});
    }

    const std::vector<Text> genres_ = MakeId3v1GenreNames();
    const std::vector<Text> attributes_ = MakeWmaAttributeNames();
};

// Bytes this process has read from files so far, as the kernel counts them; -1 if unknown.
long long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") return value;
    }
    return -1;
}

TEST_F(RegressionsTest, EveryFileIsReadByEveryReader) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kDir)) {
        const Text path = entry.path().string();
        if (entry.path().extension() == ".py") continue;
        SCOPED_TRACE(path);
        const auto size = static_cast<std::size_t>(entry.file_size());
        TrackInfo info = Read(entry.path().filename().string());
        ReadId3v2Tag(path, info);
        ReadId3v1Tag(path, info, genres_);
        ReadWmaHeader(path, info, attributes_);
        // Whatever a reader keeps was read from the file, not made up from a size in it.
        EXPECT_LE(info.picture.size(), size);
        for (const Text& text : {info.title, info.artist, info.album, info.comment, info.lyrics,
                                 info.encodedBy, info.genre, info.extra1, info.extra2}) {
            EXPECT_LE(text.size(), 3 * size + 64);
        }
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST_F(RegressionsTest, AsfStringsEndAtTheEndOfTheirObject) {
    // The title announces 65535 bytes; the object ends after "First" and a Padding Object
    // follows, whose bytes are not part of the title.
    EXPECT_EQ(Read("asf-title-past-object-end.wma").title, "First");
}

TEST_F(RegressionsTest, AsfDescriptorsEndAtTheEndOfTheirObject) {
    // Two descriptors announced, one inside the object's size; the bytes after it are not read.
    const TrackInfo info = Read("asf-descriptors-past-object-end.wma");
    EXPECT_EQ(info.album, "Inside");
    EXPECT_EQ(info.genre, "");
}

TEST_F(RegressionsTest, SmallAsfObjectsDoNotRereadTheRestOfTheFile) {
    // A thousand small objects that announce long strings and many descriptors. Read past
    // their own ends, each one read on towards the end of the file, so that the bytes read grew
    // with the square of the file's size: megabytes from this 37 KB file, hours of reading from
    // a few megabytes of the same.
    const std::filesystem::path file = kDir / "asf-small-objects-reread-the-file.wma";
    const long long size = static_cast<long long>(std::filesystem::file_size(file));
    const long long before = BytesReadSoFar();
    if (before < 0) GTEST_SKIP() << "/proc/self/io cannot be read here";
    const TrackInfo info = Read(file.filename().string());
    EXPECT_LE(BytesReadSoFar() - before, 2 * size + 4096);
    EXPECT_EQ(info.encodedBy, "");
}

}  // namespace
}  // namespace murvane
