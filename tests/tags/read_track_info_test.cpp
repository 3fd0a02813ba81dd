#include "tags/read_track_info.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "support/bytes.h"
#include "support/temp_dir.h"
#include "tags/asf_reader.h"
#include "tags/id3v1_reader.h"

namespace murvane {
namespace {

using testing::ByteBuilder;
using testing::Hex;
using testing::TempDir;

std::string Id3v2(const std::string& frames) {
    ByteBuilder tag;
    tag.Raw("ID3").Raw(Hex("03 00 00"));
    for (int shift = 21; shift >= 0; shift -= 7) tag.BigEndian((frames.size() >> shift) & 0x7F, 1);
    return tag.Raw(frames).Bytes();
}

std::string Frame(const std::string& id, const std::string& text) {
    return ByteBuilder().Raw(id).BigEndian(text.size() + 1, 4).Zeros(3).Raw(text).Bytes();
}

std::string Id3v1(const std::string& title, const std::string& artist) {
    std::string block = "TAG" + title;
    block.resize(33, '\0');
    block += artist;
    block.resize(125, '\0');
    return block + Hex("00 05 11");
}

const std::string kAudio = Hex("FFFB 9064") + std::string(100, 'U');

class ReadTrackInfoTest : public ::testing::Test {
  protected:
    TrackInfo Read(const std::string& name, const std::string& bytes) {
        return ReadTrackInfo(dir_.Write(name, bytes), tables_);
    }
    TempDir dir_;
    const std::vector<Text> genres_ = MakeId3v1GenreNames();
    const std::vector<Text> attributes_ = MakeWmaAttributeNames();
    const TagTables tables_{genres_, attributes_};
};

TEST_F(ReadTrackInfoTest, KindIsTheLastThreeCharactersInAnyCase) {
    const std::string tagged = Id3v2(Frame("TIT2", "Song"));
    for (const char* name : {"song.mp3", "song.Mp3", "SONG.MP3", "xmp3", "mp3"}) {
        EXPECT_EQ(Read(name, tagged).title, "Song") << name;
    }
    for (const char* name : {"song.mp3.bak", "song.mp", "song.ogg", "song.mp4"}) {
        EXPECT_EQ(Read(name, tagged), TrackInfo{}) << name;
    }
}

TEST_F(ReadTrackInfoTest, WmaFilesGoToTheAsfReader) {
    const std::string asf = ByteBuilder()
                                .Raw(Hex("3026B2758E66CF11A6D900AA0062CE6C 4600000000000000"))
                                .Raw(Hex("01000000 0102"))
                                .Raw(Hex("3326B2758E66CF11A6D900AA0062CE6C 2800000000000000"))
                                .Raw(Hex("0600 0000 0000 0000 0000"))
                                .Utf16(u"So")
                                .Zeros(2)
                                .Bytes();
    EXPECT_EQ(Read("song.WmA", asf).title, "So");
    EXPECT_EQ(Read("song.mp3", asf), TrackInfo{});
    // An ID3v2 tag in a file named .wma is not looked at.
    EXPECT_EQ(Read("song.wma", Id3v2(Frame("TIT2", "Song"))), TrackInfo{});
}

TEST_F(ReadTrackInfoTest, Id3v2TitleKeepsId3v1Away) {
    const TrackInfo info =
        Read("a.mp3", Id3v2(Frame("TIT2", "V2 Title")) + kAudio + Id3v1("V1 Title", "V1 Artist"));
    EXPECT_EQ(info.title, "V2 Title");
    EXPECT_EQ(info.artist, "");
    EXPECT_EQ(info.genre, "");
}

TEST_F(ReadTrackInfoTest, BlankId3v2TitleIsATitle) {
    const TrackInfo info =
        Read("a.mp3", Id3v2(Frame("TIT2", "  ")) + kAudio + Id3v1("V1 Title", "V1 Artist"));
    EXPECT_EQ(info.title, "  ");
    EXPECT_EQ(info.artist, "");
}

TEST_F(ReadTrackInfoTest, Id3v1FillsInWhenId3v2HasNoTitle) {
    const TrackInfo info =
        Read("a.mp3", Id3v2(Frame("TPE1", "V2 Artist") + Frame("TCOP", "V2 Rights")) + kAudio +
                          Id3v1("V1 Title", "   "));
    EXPECT_EQ(info.title, "V1 Title");
    EXPECT_EQ(info.artist, "");  // ID3v1 replaces what it supplies, empty values included
    EXPECT_EQ(info.rights, "V2 Rights");
    EXPECT_EQ(info.track, "5");
    EXPECT_EQ(info.genre, "Rock");
}

TEST_F(ReadTrackInfoTest, EmptyId3v2TitleWithoutId3v1StaysEmpty) {
    const TrackInfo info =
        Read("a.mp3", Id3v2(Frame("TIT2", "") + Frame("TPE1", "Artist")) + kAudio);
    EXPECT_EQ(info.title, "");
    EXPECT_EQ(info.artist, "Artist");
}

TEST_F(ReadTrackInfoTest, Id3v1AloneIsRead) {
    EXPECT_EQ(Read("a.mp3", kAudio + Id3v1("V1 Title", "V1 Artist")).artist, "V1 Artist");
}

TEST_F(ReadTrackInfoTest, UnreadableFilesGiveAnEmptyRecord) {
    EXPECT_EQ(Read("a.mp3", kAudio), TrackInfo{});
    EXPECT_EQ(Read("b.mp3", ""), TrackInfo{});
    EXPECT_EQ(ReadTrackInfo(dir_.Path("missing.mp3").string(), tables_), TrackInfo{});
    EXPECT_EQ(ReadTrackInfo(dir_.MakeDir("folder.mp3"), tables_), TrackInfo{});
    const Text fifo = dir_.Path("pipe.mp3").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadTrackInfo(fifo, tables_), TrackInfo{});  // and does not wait for a writer
}

}  // namespace
}  // namespace murvane
