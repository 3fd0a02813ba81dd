// Files made by ffmpeg, lame, id3v2 and mutagen (tests/data/make_tag_files.sh), read as the scan
// reads them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tags/asf_reader.h"
#include "tags/id3v1_reader.h"
#include "tags/read_track_info.h"

namespace murvane {
namespace {

const std::string kDir = MURVANE_TEST_DATA "/tags/";

std::vector<unsigned char> FileBytes(const std::string& name) {
    std::ifstream in(kDir + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const Text kLatin1Title = "Caf\xE9 Song";  // encoding 0 keeps the file's bytes
const Text kUnicodeTitle = "Café 中文 仿 \xF0\x9F\x8E\xB5";

class RealFilesTest : public ::testing::Test {
  protected:
    TrackInfo Read(const std::string& name) { return ReadTrackInfo(kDir + name, tables_); }
    const std::vector<Text> genres_ = MakeId3v1GenreNames();
    const std::vector<Text> attributes_ = MakeWmaAttributeNames();
    const TagTables tables_{genres_, attributes_};
};

TEST_F(RealFilesTest, Id3v2InEveryVersionAndEncoding) {
    const struct {
        const char* file;
        Text title;
        Text year;  // version 2.4 has TDRC instead of TYER, and TDRC is not read
    } cases[] = {
        {"id3v22_enc0.mp3", kLatin1Title, "2004"}, {"id3v22_enc1.mp3", kUnicodeTitle, "2004"},
        {"id3v23_enc0.mp3", kLatin1Title, "2004"}, {"id3v23_enc1.mp3", kUnicodeTitle, "2004"},
        {"id3v24_enc0.mp3", kLatin1Title, ""},     {"id3v24_enc1.mp3", kUnicodeTitle, ""},
        {"id3v24_enc2.mp3", kUnicodeTitle, ""},    {"id3v24_enc3.mp3", kUnicodeTitle, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const TrackInfo info = Read(c.file);
        EXPECT_EQ(info.title, c.title);
        EXPECT_EQ(info.artist, "The Artist");
        EXPECT_EQ(info.album, "The Album");
        EXPECT_EQ(info.comment, "Nice comment");
        EXPECT_EQ(info.track, "3/12");
        EXPECT_EQ(info.year, c.year);
        EXPECT_EQ(info.composer, "The Composer");
        EXPECT_EQ(info.encodedBy, "The Encoder");
        EXPECT_EQ(info.rights, "2004 The Label");
        EXPECT_EQ(info.url, "http://example.com/");
        EXPECT_EQ(info.genre, "Rock");
        EXPECT_EQ(info.lyrics, "La la la");
    }
}

TEST_F(RealFilesTest, PicturesAreTheEmbeddedImages) {
    EXPECT_EQ(Read("id3v22_enc0.mp3").picture, FileBytes("cover.png"));
    const TrackInfo png = Read("apic_png_v23.mp3");
    EXPECT_EQ(png.title, "PNG Cover");
    EXPECT_EQ(png.picture, FileBytes("cover.png"));
    // Version 2.4 frame sizes of more than 127 bytes: found only when read as synchsafe.
    const TrackInfo jpeg = Read("apic_jpeg_v24.mp3");
    EXPECT_EQ(jpeg.title, "JPEG Cover");
    EXPECT_EQ(jpeg.lyrics.size(), 150u);
    EXPECT_EQ(jpeg.picture, FileBytes("cover.jpg"));
}

TEST_F(RealFilesTest, Id3v1Only) {
    const TrackInfo info = Read("id3v1_only.mp3");
    EXPECT_EQ(info.title, "Rain Song");
    EXPECT_EQ(info.artist, "The Band");
    EXPECT_EQ(info.album, "Album One");
    EXPECT_EQ(info.year, "1999");
    EXPECT_EQ(info.comment, "A comment");
    EXPECT_EQ(info.track, "7");
    EXPECT_EQ(info.genre, "Rock");
}

TEST_F(RealFilesTest, BothTagsWithAnId3v2Title) {
    const TrackInfo info = Read("both_tags.mp3");
    EXPECT_EQ(info.title, "V2 Title");
    EXPECT_EQ(info.artist, "V2 Artist");
    EXPECT_EQ(info.comment, "V2 comment");
    EXPECT_EQ(info.track, "4");
    EXPECT_EQ(info.genre, "(17)");  // ID3v1 would have said Rock
}

TEST_F(RealFilesTest, Id3v1TitleWhenId3v2HasNone) {
    const TrackInfo info = Read("v2_artist_v1_title.mp3");
    EXPECT_EQ(info.title, "V1 Title");
    EXPECT_EQ(info.artist, "");
    EXPECT_EQ(info.album, "");
    EXPECT_EQ(info.year, "1987");
    EXPECT_EQ(info.track, "12");
    EXPECT_EQ(info.genre, "");  // genre 255 has no name
}

TEST_F(RealFilesTest, NoTags) {
    EXPECT_EQ(Read("no_tag.mp3"), TrackInfo{});
}

TEST_F(RealFilesTest, WmaHeader) {
    const TrackInfo info = Read("tagged.wma");
    EXPECT_EQ(info.title, "WMA Title");
    EXPECT_EQ(info.artist, "WMA Artist");
    EXPECT_EQ(info.rights, "WMA Rights");
    EXPECT_EQ(info.comment, "WMA Comment");
    EXPECT_EQ(info.album, "WMA Album");
    EXPECT_EQ(info.genre, "Jazz");
    EXPECT_EQ(info.composer, "WMA Composer");
    EXPECT_EQ(info.year, "2011");
    EXPECT_EQ(info.lyrics, "Lyrics here");
    EXPECT_EQ(info.url, "http://example.com/");
    EXPECT_EQ(info.extra1, "WMA Publisher");
    EXPECT_EQ(info.extra2, "4");
    EXPECT_EQ(info.track, "300");
    EXPECT_EQ(info.picture, FileBytes("cover.png"));
    // The Codec List comes after the attributes, so its codec name wins over WM/EncodedBy.
    EXPECT_EQ(info.encodedBy, "Windows Media Audio V8");
    // One second of sound.
    EXPECT_EQ(info.duration, "00:01");
    // ffmpeg writes no codec description.
    EXPECT_EQ(info.bitrate, "");
}

}  // namespace
}  // namespace murvane
