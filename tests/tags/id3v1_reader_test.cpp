#include "tags/id3v1_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "kept_record.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

namespace murvane {
namespace {

using testing::Hex;
using testing::TempDir;

using testing::Kept;

std::string Field(const std::string& text, std::size_t length) {
    std::string field = text.substr(0, length);
    field.resize(length, '\0');
    return field;
}

struct Block {
    std::string title{}, artist{}, album{}, year{}, comment{};
    unsigned char byte125 = 0, track = 0, genre = 0;

    std::string Bytes() const {
        return "TAG" + Field(title, 30) + Field(artist, 30) + Field(album, 30) + Field(year, 4) +
               Field(comment, 28) + std::string{static_cast<char>(byte125)} +
               std::string{static_cast<char>(track)} + std::string{static_cast<char>(genre)};
    }
};

const std::string kAudio = Hex("FFFB 9064") + std::string(300, 'U');

class Id3v1ReaderTest : public ::testing::Test {
  protected:
    bool Read(const std::string& bytes, TrackInfo& info) {
        return ReadId3v1Tag(dir_.Write("song.mp3", bytes), info, genres_);
    }
    TrackInfo Read(const Block& block) {
        TrackInfo info;
        EXPECT_TRUE(Read(kAudio + block.Bytes(), info));
        return info;
    }
    TempDir dir_;
    const std::vector<Text> genres_ = MakeId3v1GenreNames();
};

TEST_F(Id3v1ReaderTest, ReadsEveryField) {
    const TrackInfo info = Read(Block{"Song", "Artist", "Album", "1999", "Comment", 0, 7, 17});
    EXPECT_EQ(info.title, "Song");
    EXPECT_EQ(info.artist, "Artist");
    EXPECT_EQ(info.album, "Album");
    EXPECT_EQ(info.year, "1999");
    EXPECT_EQ(info.comment, "Comment");
    EXPECT_EQ(info.track, "7");
    EXPECT_EQ(info.genre, "Rock");
}

TEST_F(Id3v1ReaderTest, TextFieldsEndAtAZeroAndLoseTheirBlanks) {
    const struct {
        std::string field;
        Text expected;
    } cases[] = {
        {"Song", "Song"},
        {"Song" + std::string(26, ' '), "Song"},
        {"  \xE3\x80\x80Song", "Song"},  // full-width space
        {"\tSong\t", "\tSong\t"},
        {std::string(30, ' '), ""},
        {"", ""},
        {Hex("'Ab' 00 'cd'"), "Ab"},
        {"Caf\xE9", "Caf\xE9"},  // bytes as they are
        {std::string(30, 'x'), std::string(30, 'x')},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(Block{.title = c.field}).title, c.expected) << c.field;
    }
}

TEST_F(Id3v1ReaderTest, EmptyFieldsReplaceEarlierValues) {
    TrackInfo info;
    info.artist = "From ID3v2";
    info.rights = "From ID3v2";
    ASSERT_TRUE(Read(Block{.title = "Song", .artist = "   "}.Bytes(), info));
    EXPECT_EQ(info.artist, "");
    EXPECT_EQ(info.rights, "From ID3v2");
}

TEST_F(Id3v1ReaderTest, TrackIsTheDecimalByte) {
    for (const int track : {0, 12, 200, 255}) {
        EXPECT_EQ(Read(Block{.track = static_cast<unsigned char>(track)}).track,
                  std::to_string(track));
    }
}

TEST_F(Id3v1ReaderTest, Byte125DoesNotMatter) {
    const TrackInfo info = Read(Block{.comment = std::string(28, 'c'), .byte125 = 'Z', .track = 9});
    EXPECT_EQ(info.comment, std::string(28, 'c'));
    EXPECT_EQ(info.track, "9");
}

TEST_F(Id3v1ReaderTest, GenreNumbersBeyondTheTableLeaveTheGenreAlone) {
    const auto genreAfter = [&](unsigned char genre) {
        TrackInfo info;
        info.genre = "(13)";
        EXPECT_TRUE(Read(Block{.genre = genre}.Bytes(), info));
        return info.genre;
    };
    EXPECT_EQ(genreAfter(0), "Blues");
    EXPECT_EQ(genreAfter(17), "Rock");
    EXPECT_EQ(genreAfter(147), "Synthpop");
    EXPECT_EQ(genreAfter(148), "(13)");
    EXPECT_EQ(genreAfter(255), "(13)");
}

TEST_F(Id3v1ReaderTest, ShortFileIsReadFromItsStart) {
    // 100 bytes: the comment gets bytes 97 to 99, track and genre bytes are absent.
    std::string bytes = "TAG" + std::string(94, 'x') + "abc";
    ASSERT_EQ(bytes.size(), 100u);
    TrackInfo info;
    ASSERT_TRUE(Read(bytes, info));
    EXPECT_EQ(info.title, std::string(30, 'x'));
    EXPECT_EQ(info.comment, "abc");
    EXPECT_EQ(info.track, "0");
    EXPECT_EQ(info.genre, "Blues");
}

TEST_F(Id3v1ReaderTest, WithoutTheMarkerNothingChanges) {
    TrackInfo info = Kept();
    EXPECT_FALSE(Read(std::string(100, 'x'), info));
    EXPECT_FALSE(Read("", info));
    EXPECT_FALSE(Read(Block{.title = "Song"}.Bytes() + "x", info));  // not at the very end
    EXPECT_FALSE(Read("tag" + Block{}.Bytes().substr(3), info));
    EXPECT_FALSE(ReadId3v1Tag(dir_.Path("missing.mp3").string(), info, genres_));
    EXPECT_EQ(info, Kept());
}

TEST(MakeId3v1GenreNames, NamesTheStandardNumbers) {
    const std::vector<Text> names = MakeId3v1GenreNames();
    ASSERT_EQ(names.size(), 148u);
    EXPECT_EQ(names[0], "Blues");
    EXPECT_EQ(names[79], "Hard Rock");
    EXPECT_EQ(names[80], "Folk");
    EXPECT_EQ(names[125], "Dance Hall");
    EXPECT_EQ(names[147], "Synthpop");
    for (const Text& name : names) EXPECT_FALSE(name.empty());
}

}  // namespace
}  // namespace murvane
