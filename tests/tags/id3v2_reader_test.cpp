#include "tags/id3v2_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "kept_record.h"
#include "support/address_space_limit.h"
#include "support/bytes.h"
#include "support/temp_dir.h"

namespace murvane {
namespace {

using testing::ByteBuilder;
using testing::Hex;
using testing::TempDir;

using testing::Kept;

std::string Synchsafe(std::size_t value) {
    std::string bytes;
    for (int shift = 21; shift >= 0; shift -= 7)
        bytes.push_back(static_cast<char>((value >> shift) & 0x7F));
    return bytes;
}

std::string TagHeader(int version, std::size_t size, unsigned char flags = 0) {
    return "ID3" + std::string{static_cast<char>(version), 0, static_cast<char>(flags)} +
           Synchsafe(size);
}

std::string Tag(int version, const std::string& body, unsigned char flags = 0) {
    return TagHeader(version, body.size(), flags) + body;
}

// Version 2.3 layout: a plain big-endian size, whatever the tag's version says.
std::string Frame(const std::string& id, const std::string& data) {
    return ByteBuilder().Raw(id).BigEndian(data.size(), 4).Zeros(2).Raw(data).Bytes();
}

std::string FrameWithSizeBytes(const std::string& id, const std::string& sizeBytes,
                               const std::string& data) {
    return id + sizeBytes + std::string(2, '\0') + data;
}

std::string V4Frame(const std::string& id, const std::string& data) {
    return FrameWithSizeBytes(id, Synchsafe(data.size()), data);
}

std::string V2Frame(const std::string& id, const std::string& data) {
    return ByteBuilder().Raw(id).BigEndian(data.size(), 3).Raw(data).Bytes();
}

std::string Latin1(const std::string& text) {
    return std::string(1, '\0') + text;
}

const std::string kAudio = Hex("FFFB 9064") + std::string(200, 'U');

class Id3v2ReaderTest : public ::testing::Test {
  protected:
    TrackInfo Read(const std::string& bytes, bool expected = true) {
        TrackInfo info;
        EXPECT_EQ(ReadId3v2Tag(dir_.Write("song.mp3", bytes), info), expected);
        return info;
    }
    TempDir dir_;
};

TEST_F(Id3v2ReaderTest, ReadsTheThirteenFramesOfVersion3) {
    const std::string body =
        Frame("TIT2", Latin1("Title")) + Frame("TPE1", Latin1("Artist")) +
        Frame("TALB", Latin1("Album")) + Frame("COMM", Hex("00 'eng' 00 'Comment'")) +
        Frame("TRCK", Latin1("3/12")) + Frame("TYER", Latin1("2004")) +
        Frame("TCOM", Latin1("Composer")) + Frame("TENC", Latin1("Encoder")) +
        Frame("TCOP", Latin1("Rights")) + Frame("WXXX", Latin1("http://x/")) +
        Frame("TCON", Latin1("(13)")) + Frame("USLT", Hex("00 'eng' 00 'La la'")) +
        Frame("APIC", Hex("00 'image/png' 00 03 00 'PICTURE'")) + Frame("TXXX", Latin1("other"));
    const TrackInfo info = Read(Tag(3, body) + kAudio);
    EXPECT_EQ(info.title, "Title");
    EXPECT_EQ(info.artist, "Artist");
    EXPECT_EQ(info.album, "Album");
    EXPECT_EQ(info.comment, "Comment");
    EXPECT_EQ(info.track, "3/12");
    EXPECT_EQ(info.year, "2004");
    EXPECT_EQ(info.composer, "Composer");
    EXPECT_EQ(info.encodedBy, "Encoder");
    EXPECT_EQ(info.rights, "Rights");
    EXPECT_EQ(info.url, "http://x/");
    EXPECT_EQ(info.genre, "(13)");
    EXPECT_EQ(info.lyrics, "La la");
    EXPECT_EQ(std::string(info.picture.begin(), info.picture.end()), "PICTURE");
    EXPECT_TRUE(info.extra1.empty() && info.extra2.empty() && info.duration.empty());
}

TEST_F(Id3v2ReaderTest, ReadsTheVersion2Layout) {
    const std::string body = V2Frame("TT2", Latin1("Title")) + V2Frame("TP1", Latin1("Artist")) +
                             V2Frame("COM", Hex("00 'eng' 00 'Hi'")) +
                             V2Frame("PIC", Hex("00 'PNG' 03 00 'PICTURE'")) +
                             V2Frame("TIT2", Latin1("not a version 2 frame"));
    const TrackInfo info = Read(Tag(2, body));
    EXPECT_EQ(info.title, "Title");
    EXPECT_EQ(info.artist, "Artist");
    EXPECT_EQ(info.comment, "Hi");
    EXPECT_EQ(std::string(info.picture.begin(), info.picture.end()), "PICTURE");
}

TEST_F(Id3v2ReaderTest, ReadsPaddingAsEmptyFramesUpToTheTagEnd) {
    const std::string body =
        Frame("TIT2", Latin1("Title")) + Frame("TPE1", Latin1("Artist")) + std::string(100, '\0');
    // A frame after the tag's end is audio data, not tag data.
    const TrackInfo info = Read(Tag(3, body) + Frame("TALB", Latin1("Outside")));
    EXPECT_EQ(info.title, "Title");
    EXPECT_EQ(info.artist, "Artist");
    EXPECT_EQ(info.album, "");
}

TEST_F(Id3v2ReaderTest, PaddingIsPassedOverInWholeHeaders) {
    const struct {
        const char* name;
        std::string bytes;
        Text album;
    } cases[] = {
        // The first frame is read even when the tag claims no size at all.
        {"empty tag", TagHeader(3, 0) + Frame("TALB", Latin1("First")), "First"},
        // Padding that ends 4 bytes into a header: that header is read where it stands.
        {"padding then a frame",
         TagHeader(3, 24 + 11) + std::string(24, '\0') + Frame("TALB", Latin1("x")) +
             Frame("TALB", Latin1("Late")),
         ""},
        {"padding then a frame on a header boundary",
         TagHeader(3, 20 + 11) + std::string(20, '\0') + Frame("TALB", Latin1("Aligned")),
         "Aligned"},
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.bytes).album, c.album) << c.name;
}

TEST_F(Id3v2ReaderTest, TagSizeIsSynchsafe) {
    // 00 00 02 01 is 257, so the tag ends at 267 where the first frame ends.
    const std::string first = Frame("TCOM", Latin1(std::string(246, 'c')));
    ASSERT_EQ(first.size(), 257u);
    const std::string bytes =
        "ID3" + Hex("03 00 00 00 00 02 01") + first + Frame("TIT2", Latin1("Outside"));
    const TrackInfo info = Read(bytes);
    EXPECT_EQ(info.composer, std::string(246, 'c'));
    EXPECT_EQ(info.title, "");
}

TEST_F(Id3v2ReaderTest, FrameSizesArePlainInVersion3AndSynchsafeInVersion4) {
    const std::string data = Latin1(std::string(127, 'x'));  // 128 bytes
    // Version 2.3: 00 00 00 80 is 128. Version 2.4: 00 00 01 00 is 128.
    const TrackInfo v3 = Read(
        Tag(3, FrameWithSizeBytes("TCOM", Hex("00000080"), data) + Frame("TIT2", Latin1("Next"))));
    EXPECT_EQ(v3.composer, std::string(127, 'x'));
    EXPECT_EQ(v3.title, "Next");
    const TrackInfo v4 = Read(Tag(
        4, FrameWithSizeBytes("TCOM", Hex("00000100"), data) + V4Frame("TIT2", Latin1("Next"))));
    EXPECT_EQ(v4.composer, std::string(127, 'x'));
    EXPECT_EQ(v4.title, "Next");
    // Version 2.3: 00 00 01 00 is 256, all of which is taken.
    const TrackInfo plain =
        Read(Tag(3, FrameWithSizeBytes("TCOM", Hex("00000100"), Latin1(std::string(255, 'y')))));
    EXPECT_EQ(plain.composer, std::string(255, 'y'));
}

TEST_F(Id3v2ReaderTest, Version4SizeThatCannotBeSynchsafeIsTakenAsPlain) {
    const std::string data = Latin1(std::string(143, 'x'));  // 144 = 0x90 bytes
    const TrackInfo info = Read(Tag(
        4, FrameWithSizeBytes("TCOM", Hex("00000090"), data) + V4Frame("TIT2", Latin1("Next"))));
    EXPECT_EQ(info.composer, std::string(143, 'x'));
    EXPECT_EQ(info.title, "Next");
}

TEST_F(Id3v2ReaderTest, LaterFrameWinsEvenWhenEmpty) {
    const TrackInfo info = Read(Tag(
        3, Frame("COMM", Hex("00 'eng' 00 'First'")) + Frame("COMM", Hex("00 'eng' 00 'Second'")) +
               Frame("TIT2", Latin1("Title")) + Frame("TIT2", Hex("04 'unknown'"))));
    EXPECT_EQ(info.comment, "Second");
    EXPECT_EQ(info.title, "");
}

TEST_F(Id3v2ReaderTest, ValuesAreStoredUntrimmed) {
    const TrackInfo info = Read(Tag(3, Frame("TIT2", Latin1("  Title  "))));
    EXPECT_EQ(info.title, "  Title  ");
}

TEST_F(Id3v2ReaderTest, OnlyCommentAndLyricsFramesHaveALanguageCode) {
    const TrackInfo v3 =
        Read(Tag(3, Frame("TIT2", Latin1("english rose")) + Frame("TPE1", Latin1("china crisis")) +
                        Frame("USLT", Hex("00 'eng' 00 'Words'"))));
    EXPECT_EQ(v3.title, "english rose");
    EXPECT_EQ(v3.artist, "china crisis");
    EXPECT_EQ(v3.lyrics, "Words");
    const TrackInfo v2 = Read(Tag(
        2, V2Frame("TT2", Latin1("english rose")) + V2Frame("ULT", Hex("00 'chi' 00 'Words'"))));
    EXPECT_EQ(v2.title, "english rose");
    EXPECT_EQ(v2.lyrics, "Words");
}

// Picture frames are cut by a fixed shape: "image/png" or a four-letter type after "image/",
// a picture-type byte and an empty description.
TEST_F(Id3v2ReaderTest, PictureFramesAssumeAFixedShape) {
    const std::string image(1000, 'i');
    const auto picture = [&](const std::string& data) {
        const TrackInfo info = Read(Tag(3, Frame("APIC", data)));
        return std::string(info.picture.begin(), info.picture.end());
    };
    EXPECT_EQ(picture(Hex("00 'image/png' 00 03 00") + image), image);   // F = 1013
    EXPECT_EQ(picture(Hex("00 'image/jpeg' 00 03 00") + image), image);  // F = 1014
    EXPECT_EQ(picture(Hex("00 'image/jpg' 00 03 00") + image), image.substr(1));
    EXPECT_EQ(picture(Hex("00 'image/PNG' 00 03 00") + image), image.substr(1));
}

TEST_F(Id3v2ReaderTest, ShortPictureFrameEmptiesThePictureAndStillSkipsItsShape) {
    // F = 5: nothing is read, and the next header is looked for 14 bytes into the frame.
    const std::string bytes = Tag(3, Frame("APIC", Hex("00 'imag'")) + Hex("'e/jpeg' 00 03 00") +
                                         Frame("TIT2", Latin1("After")));
    TrackInfo info;
    info.picture = {1, 2, 3};
    ASSERT_TRUE(ReadId3v2Tag(dir_.Write("song.mp3", bytes), info));
    EXPECT_TRUE(info.picture.empty());
    EXPECT_EQ(info.title, "After");
}

TEST_F(Id3v2ReaderTest, FramesOfSizeZeroOrLessReadNothing) {
    // A size with the top bit set is negative: the next header follows at once.
    const TrackInfo info = Read(Tag(3, FrameWithSizeBytes("TIT2", Hex("80000000"), "") +
                                           FrameWithSizeBytes("TALB", Hex("00000000"), "") +
                                           Frame("TPE1", Latin1("Artist"))));
    EXPECT_EQ(info.title, "");
    EXPECT_EQ(info.artist, "Artist");
}

TEST_F(Id3v2ReaderTest, FileWithoutTheMarkerIsNotRead) {
    TrackInfo info = Kept();
    EXPECT_FALSE(ReadId3v2Tag(dir_.Write("a.mp3", "ID4" + Hex("03 00 00 00 00 00 20")), info));
    EXPECT_FALSE(ReadId3v2Tag(dir_.Write("b.mp3", "ID"), info));
    EXPECT_FALSE(ReadId3v2Tag(dir_.Write("c.mp3", ""), info));
    EXPECT_FALSE(ReadId3v2Tag(dir_.Path("missing.mp3").string(), info));
    EXPECT_FALSE(ReadId3v2Tag(dir_.MakeDir("dir.mp3"), info));
    EXPECT_EQ(info, Kept());
}

TEST_F(Id3v2ReaderTest, TagWithoutKnownFramesIsStillATag) {
    TrackInfo info = Kept();
    EXPECT_TRUE(ReadId3v2Tag(dir_.Write("a.mp3", Tag(3, Frame("TXXX", Latin1("x")))), info));
    EXPECT_TRUE(ReadId3v2Tag(dir_.Write("b.mp3", TagHeader(3, 0)), info));
    EXPECT_EQ(info, Kept());
}

TEST_F(Id3v2ReaderTest, ExtendedHeaderIsSkipped) {
    // Version 2.3 gives the size without its own four bytes; version 2.4 as a synchsafe
    // number that includes them.
    const std::string v3Extended = Hex("0000000A 0000 00000000 00000000");
    const std::string v4Extended = Hex("00000006 01 00");
    EXPECT_EQ(Read(Tag(3, v3Extended + Frame("TIT2", Latin1("Three")), 0x40)).title, "Three");
    EXPECT_EQ(Read(Tag(4, v4Extended + V4Frame("TIT2", Latin1("Four")), 0x40)).title, "Four");
    // A flag set without an extended header: the size found would reach past the tag's end,
    // so the frames are read from where they are.
    EXPECT_EQ(Read(Tag(3, Frame("TIT2", Latin1("Three")), 0x40)).title, "Three");
    EXPECT_EQ(Read(Tag(4, V4Frame("TIT2", Latin1("Four")), 0x40)).title, "Four");
}

TEST_F(Id3v2ReaderTest, UnsynchronisationFlagIsNotActedOn) {
    EXPECT_EQ(Read(Tag(3, Frame("TIT2", Latin1("Title")), 0x80)).title, "Title");
}

TEST_F(Id3v2ReaderTest, TruncatedFrameGivesTheBytesThatAreThere) {
    const std::string tag =
        Tag(3, Frame("TPE1", Latin1("Artist")) + Frame("TIT2", Latin1("Title")));
    const TrackInfo info = Read(tag.substr(0, tag.size() - 2));
    EXPECT_EQ(info.artist, "Artist");
    EXPECT_EQ(info.title, "Tit");
}

TEST_F(Id3v2ReaderTest, TagThatClaimsMoreThanTheFileEndsAtTheEndOfTheFile) {
    const std::string body = Frame("TIT2", Latin1("Title"));
    const TrackInfo info = Read(TagHeader(3, 0x0FFFFFFF) + body);
    EXPECT_EQ(info.title, "Title");
    // A skip past the end of the file, still short of the tag's end.
    const TrackInfo skipped =
        Read(TagHeader(3, 0x0FFFFFFF) + body + FrameWithSizeBytes("PRIV", Hex("00100000"), "x"));
    EXPECT_EQ(skipped.title, "Title");
    // A header cut short by the end of the file.
    EXPECT_EQ(Read(TagHeader(4, 0x0FFFFFFF) + body + "TPE").title, "Title");
}

TEST_F(Id3v2ReaderTest, HugeFrameSizeReadsOnlyWhatTheFileHolds) {
    const std::string bytes =
        TagHeader(3, 0x0FFFFFFF) + FrameWithSizeBytes("TIT2", Hex("7FFFFFFF"), Latin1("Short"));
    EXPECT_EQ(Read(bytes).title, "Short");
}

TEST_F(Id3v2ReaderTest, HugeSizesNeverReserveMoreThanTheFile) {
    if (!testing::CanLimitAddressSpace()) GTEST_SKIP() << "no address-space limit under ASan";
    const Text text =
        dir_.Write("text.mp3", TagHeader(3, 0x0FFFFFFF) +
                                   FrameWithSizeBytes("TIT2", Hex("7FFFFFFF"), Latin1("Short")));
    const Text picture = dir_.Write(
        "picture.mp3",
        TagHeader(3, 0x0FFFFFFF) +
            FrameWithSizeBytes("APIC", Hex("7FFFFFFF"), Hex("00 'image/png' 00 03 00 'IMAGE'")));
    // Reserving 2 GiB for either frame would fail under the cap and end the child.
    EXPECT_EXIT(
        {
            if (!testing::LimitAddressSpace(256 << 20)) std::_Exit(2);
            TrackInfo info;
            const bool read = ReadId3v2Tag(text, info) && ReadId3v2Tag(picture, info);
            const bool ok = read && info.title == "Short" && info.picture.size() == 5;
            std::_Exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace murvane
