#include "tags/asf_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

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

const std::string kHeaderId = Hex("3026B275 8E66 CF11 A6D9 00AA0062CE6C");
const std::string kContentDescriptionId = Hex("3326B275 8E66 CF11 A6D9 00AA0062CE6C");
const std::string kExtendedContentId = Hex("40A4D0D2 07E3 D211 97F0 00A0C95EA850");
const std::string kCodecListId = Hex("4052D186 1D31 D011 A3A4 00A0C90348F6");
const std::string kFilePropertiesId = Hex("A1DCAB8C 47A9 CF11 8EE4 00C00C205365");
const std::string kStreamPropertiesId = Hex("9107DCB7 B7A9 CF11 8EE6 00C00C205365");

constexpr unsigned kString = 0;
constexpr unsigned kBytes = 1;
constexpr unsigned kDword = 3;

std::string Wide(std::u16string_view text) {
    return ByteBuilder().Utf16(text).Zeros(2).Bytes();
}

std::string Object(const std::string& id, const std::string& payload) {
    return ByteBuilder().Raw(id).LittleEndian(24 + payload.size(), 8).Raw(payload).Bytes();
}

std::string Header(const std::vector<std::string>& objects, std::uint64_t count) {
    ByteBuilder body;
    for (const std::string& object : objects) body.Raw(object);
    return ByteBuilder()
        .Raw(kHeaderId)
        .LittleEndian(30 + body.Size(), 8)
        .LittleEndian(count, 4)
        .Raw(Hex("0102"))
        .Raw(body.Bytes())
        .Bytes();
}

std::string Header(const std::vector<std::string>& objects) {
    return Header(objects, objects.size());
}

std::string ContentDescription(const std::vector<std::string>& strings) {
    // Title, author, rights notice, description and rating; those not given are empty.
    ByteBuilder lengths;
    ByteBuilder values;
    for (std::size_t i = 0; i < 5; ++i) {
        const std::string value = i < strings.size() ? strings[i] : std::string();
        lengths.LittleEndian(value.size(), 2);
        values.Raw(value);
    }
    return Object(kContentDescriptionId, lengths.Bytes() + values.Bytes());
}

std::string Descriptor(std::u16string_view name, unsigned type, const std::string& value) {
    const std::string wideName = Wide(name);
    return ByteBuilder()
        .LittleEndian(wideName.size(), 2)
        .Raw(wideName)
        .LittleEndian(type, 2)
        .LittleEndian(value.size(), 2)
        .Raw(value)
        .Bytes();
}

std::string Dword(std::uint32_t value) {
    return ByteBuilder().LittleEndian(value, 4).Bytes();
}

std::string ExtendedContent(const std::vector<std::string>& descriptors) {
    ByteBuilder payload;
    payload.LittleEndian(descriptors.size(), 2);
    for (const std::string& descriptor : descriptors) payload.Raw(descriptor);
    return Object(kExtendedContentId, payload.Bytes());
}

std::string PictureValue(const std::string& image, std::uint32_t declaredSize) {
    return ByteBuilder()
        .Raw(Hex("03"))
        .LittleEndian(declaredSize, 4)
        .Raw(Wide(u"image/png"))
        .Raw(Wide(u"Front"))
        .Raw(image)
        .Bytes();
}

std::string CodecList(std::u16string_view name, std::u16string_view description) {
    return Object(kCodecListId, ByteBuilder()
                                    .Zeros(16)
                                    .LittleEndian(1, 4)
                                    .LittleEndian(2, 2)
                                    .LittleEndian(name.size() + 1, 2)
                                    .Raw(Wide(name))
                                    .LittleEndian(description.size() + 1, 2)
                                    .Raw(Wide(description))
                                    .LittleEndian(2, 2)
                                    .Raw(Hex("6101"))
                                    .Bytes());
}

std::string FileProperties(std::uint64_t playDuration, std::uint64_t preroll, std::uint32_t flags) {
    return Object(kFilePropertiesId, ByteBuilder()
                                         .Zeros(40)
                                         .LittleEndian(playDuration, 8)
                                         .LittleEndian(playDuration, 8)
                                         .LittleEndian(preroll, 8)
                                         .LittleEndian(flags, 4)
                                         .LittleEndian(3200, 4)
                                         .LittleEndian(3200, 4)
                                         .LittleEndian(128000, 4)
                                         .Bytes());
}

class AsfReaderTest : public ::testing::Test {
  protected:
    TrackInfo Read(const std::string& bytes, bool expected = true) {
        TrackInfo info;
        EXPECT_EQ(ReadWmaHeader(dir_.Write("song.wma", bytes), info, names_), expected);
        return info;
    }
    TempDir dir_;
    const std::vector<Text> names_ = MakeWmaAttributeNames();
};

TEST_F(AsfReaderTest, FilesWithoutTheHeaderIdentifierAreNotRead) {
    TrackInfo info = Kept();
    const Text missing = dir_.Path("missing.wma").string();
    for (const std::string& bytes : {std::string(), kHeaderId.substr(0, 15),
                                     Hex("00") + Header({ContentDescription({Wide(u"T")})})}) {
        EXPECT_FALSE(ReadWmaHeader(dir_.Write("x.wma", bytes), info, names_));
    }
    EXPECT_FALSE(ReadWmaHeader(missing, info, names_));
    EXPECT_EQ(info, Kept());
}

TEST_F(AsfReaderTest, HeaderWithoutKnownObjectsFillsNothing) {
    EXPECT_EQ(Read(Header({})), TrackInfo{});
    EXPECT_EQ(Read(Header({Object(kStreamPropertiesId, std::string(50, 'x'))})), TrackInfo{});
    EXPECT_EQ(Read(kHeaderId), TrackInfo{});  // the header's own fields are missing
}

TEST_F(AsfReaderTest, ContentDescriptionGivesTitleAuthorRightsAndDescription) {
    const TrackInfo info = Read(Header({ContentDescription(
        {Wide(u"Title"), Wide(u"Author"), Wide(u"Rights"), Wide(u"Description"), Wide(u"R")})}));
    EXPECT_EQ(info.title, "Title");
    EXPECT_EQ(info.artist, "Author");
    EXPECT_EQ(info.rights, "Rights");
    EXPECT_EQ(info.comment, "Description");
}

TEST_F(AsfReaderTest, EmptyContentDescriptionStringsLeaveTheirFields) {
    const std::string bytes = Header({ContentDescription({"", Wide(u"Author"), "", ""})});
    TrackInfo info = Kept();
    ASSERT_TRUE(ReadWmaHeader(dir_.Write("song.wma", bytes), info, names_));
    EXPECT_EQ(info.title, "kept");
    EXPECT_EQ(info.artist, "Author");
}

TEST_F(AsfReaderTest, LongStringsUseTheWholeSixteenBitLength) {
    const std::u16string title(150, u'中');  // 300 bytes
    const TrackInfo info = Read(Header({ContentDescription({Wide(title), Wide(u"A")})}));
    Text expected;
    for (int i = 0; i < 150; ++i) expected += "中";
    EXPECT_EQ(info.title, expected);
    EXPECT_EQ(info.artist, "A");
}

TEST_F(AsfReaderTest, AttributesFillTheirSlotsFields) {
    const TrackInfo info = Read(Header({ExtendedContent({
        Descriptor(u"WM/AlbumTitle", kString, Wide(u"Album")),
        Descriptor(u"WM/EncodedBy", kString, Wide(u"Encoder")),
        Descriptor(u"WM/Genre", kString, Wide(u"Jazz")),
        Descriptor(u"WM/Lyrics", kString, Wide(u"Words")),
        Descriptor(u"WM/Track", kDword, Dword(4)),
        Descriptor(u"WM/Year", kString, Wide(u"2011")),
        Descriptor(u"WM/AuthorURL", kString, Wide(u"http://x/")),
        Descriptor(u"WM/Composer", kString, Wide(u"Composer")),
        Descriptor(u"WM/Publisher", kString, Wide(u"Label")),
        Descriptor(u"WM/TrackNumber", kDword, Dword(300)),
        Descriptor(u"WM/Picture", kBytes, PictureValue("IMAGE", 5)),
    })}));
    EXPECT_EQ(info.album, "Album");
    EXPECT_EQ(info.encodedBy, "Encoder");
    EXPECT_EQ(info.genre, "Jazz");
    EXPECT_EQ(info.lyrics, "Words");
    EXPECT_EQ(info.extra2, "4");
    EXPECT_EQ(info.year, "2011");
    EXPECT_EQ(info.url, "http://x/");
    EXPECT_EQ(info.composer, "Composer");
    EXPECT_EQ(info.extra1, "Label");
    EXPECT_EQ(info.track, "300");
    EXPECT_EQ(std::string(info.picture.begin(), info.picture.end()), "IMAGE");
}

TEST_F(AsfReaderTest, ValueTypeMattersOnlyForNumberSlots) {
    const TrackInfo info = Read(Header({ExtendedContent({
        Descriptor(u"WM/TrackNumber", kString, Wide(u"7/9")),
        Descriptor(u"WM/Track", kDword, Dword(4294967295u)),
        Descriptor(u"WM/Genre", kDword, Hex("4100 4200")),  // read as UTF-16 all the same
    })}));
    EXPECT_EQ(info.track, "7/9");
    EXPECT_EQ(info.extra2, "4294967295");
    EXPECT_EQ(info.genre, "AB");
}

TEST_F(AsfReaderTest, SkippedAttributesKeepTheNextOneInPlace) {
    const TrackInfo info = Read(Header({ExtendedContent({
        Descriptor(u"WM/Unknown", kString, Wide(u"ignored")),
        Descriptor(u"wm/albumtitle", kString, Wide(u"wrong case")),
        Descriptor(u"WM/Genre", kString, ""),
        Descriptor(u"WM/AlbumTitle", kString, Wide(u"Album")),
    })}));
    EXPECT_EQ(info.album, "Album");
    EXPECT_EQ(info.genre, "");
}

TEST_F(AsfReaderTest, DamagedValuesAreBoundedByTheirLength) {
    TrackInfo info;
    info.picture = {1, 2, 3};
    const std::string bytes = Header({ExtendedContent({
        // A picture that claims more data than its value holds is left out.
        Descriptor(u"WM/Picture", kBytes, PictureValue("IMAGE", 0xFFFFFFF0u)),
        Descriptor(u"WM/Picture", kBytes, Hex("03 05")),
        // A number of fewer than four bytes.
        Descriptor(u"WM/TrackNumber", kDword, Hex("2C01")),
        // A number of more than four bytes: the first four count.
        Descriptor(u"WM/Track", kDword, Hex("05000000 FFFF")),
        Descriptor(u"WM/AlbumTitle", kString, Wide(u"Album")),
    })});
    ASSERT_TRUE(ReadWmaHeader(dir_.Write("song.wma", bytes), info, names_));
    EXPECT_EQ(info.picture, (std::vector<unsigned char>{1, 2, 3}));
    EXPECT_EQ(info.track, "300");
    EXPECT_EQ(info.extra2, "5");
    EXPECT_EQ(info.album, "Album");
}

TEST_F(AsfReaderTest, CodecDescriptionGivesBitrateSampleRateAndChannels) {
    const struct {
        std::u16string description;
        Text bitrate, sampleRate, channels;
    } cases[] = {
        {u"128 kbps, 44 kHz, stereo 1-pass CBR", "128 kbps", "44 kHz", "立体声"},
        {u"32 kbps, 22 kHz, mono", "32 kbps", "22 kHz", "单声道"},
        {u"64 kbps, 32 kHz,  5.1 channel", "64 kbps", "32 kHz", "未知"},
        {u"64 kbps, 32 kHz, Stereo", "64 kbps", "32 kHz", "未知"},  // keywords are lower case
        {u"64 kbps,,stereo", "64 kbps", "", "立体声"},
        {u" 96 kbps , 48 kHz", "96 kbps", "48 kHz", "kept"},
        {u"96 kbps", "96 kbps", "kept", "kept"},
        {u"", "kept", "kept", "kept"},
        {u",", "", "kept", "kept"},
    };
    for (const auto& c : cases) {
        TrackInfo info;
        info.bitrate = info.sampleRate = info.channels = "kept";
        const std::string bytes = Header({CodecList(u"Windows Media Audio 9", c.description)});
        ASSERT_TRUE(ReadWmaHeader(dir_.Write("song.wma", bytes), info, names_));
        EXPECT_EQ(info.encodedBy, "Windows Media Audio 9");
        EXPECT_EQ(info.bitrate, c.bitrate) << info.bitrate;
        EXPECT_EQ(info.sampleRate, c.sampleRate) << info.bitrate;
        EXPECT_EQ(info.channels, c.channels) << info.bitrate;
    }
}

TEST_F(AsfReaderTest, LaterObjectWinsForTheEncoder) {
    const std::string attribute =
        ExtendedContent({Descriptor(u"WM/EncodedBy", kString, Wide(u"Attribute"))});
    const std::string codec = CodecList(u"Codec", u"");
    EXPECT_EQ(Read(Header({attribute, codec})).encodedBy, "Codec");
    EXPECT_EQ(Read(Header({codec, attribute})).encodedBy, "Attribute");
}

TEST_F(AsfReaderTest, DurationIsPlayTimeLessPreroll) {
    // (1234560000 / 10000 - 3000) / 1000 = 120.456 seconds.
    EXPECT_EQ(Read(Header({FileProperties(1234560000, 3000, 2)})).duration, "02:00");
    EXPECT_EQ(Read(Header({FileProperties(1234560000, 3000, 1)})).duration, "");  // broadcast
    // A preroll longer than the play time.
    EXPECT_EQ(Read(Header({FileProperties(10000000, 5000, 2)})).duration, "00:00");
    EXPECT_EQ(Read(Header({FileProperties(0, ~0ull, 2)})).duration, "00:00");
    EXPECT_EQ(Read(Header({FileProperties(~0ull, 0, 2)})).duration, "30744573456:10");
}

TEST(FormatDuration, WritesMinutesAndSecondsWithTwoDigitsAtLeast) {
    const struct {
        long long seconds;
        Text expected;
    } cases[] = {
        {0, "00:00"},   {5, "00:05"},     {59, "00:59"}, {60, "01:00"},    {65, "01:05"},
        {600, "10:00"}, {6000, "100:00"}, {-1, "00:00"}, {-6000, "00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatDuration(c.seconds), c.expected) << c.seconds;
}

TEST_F(AsfReaderTest, ObjectsAreFoundByTheirDeclaredSizes) {
    // The handler reads less than the object holds; the next object is found by the size.
    std::string description = ContentDescription({Wide(u"Title")});
    description += std::string(10, 'x');
    description.replace(16, 8, ByteBuilder().LittleEndian(description.size(), 8).Bytes());
    const TrackInfo info = Read(Header({description, CodecList(u"Codec", u"")}));
    EXPECT_EQ(info.title, "Title");
    EXPECT_EQ(info.encodedBy, "Codec");
}

TEST_F(AsfReaderTest, DamagedHeadersEndAtTheEndOfTheFile) {
    const std::string description = ContentDescription({Wide(u"Title")});
    // Far more objects announced than the file holds.
    EXPECT_EQ(Read(Header({description}, 0xFFFFFFFFu)).title, "Title");
    // An object of size zero would lead back to itself.
    std::string stuck = ContentDescription({Wide(u"Stuck")});
    stuck.replace(16, 8, std::string(8, '\0'));
    EXPECT_EQ(Read(Header({stuck, description}, 0xFFFFFFFFu)).title, "Stuck");
    // An object that reaches past the end of the file.
    std::string longer = description;
    longer.replace(16, 8, ByteBuilder().LittleEndian(0xFFFFFFFFu, 8).Bytes());
    EXPECT_EQ(Read(Header({longer, CodecList(u"Never", u"")}, 0xFFFFFFFFu)).encodedBy, "");
    // A descriptor count far above the descriptors there are.
    std::string attributes = ExtendedContent({Descriptor(u"WM/Genre", kString, Wide(u"Jazz"))});
    attributes.replace(24, 2, Hex("FFFF"));
    EXPECT_EQ(Read(Header({attributes})).genre, "Jazz");
}

TEST_F(AsfReaderTest, ObjectTooSmallForItsOwnHeaderIsTheLastOneRead) {
    // Sizes below 24 would put the next object inside this one's header; the walk ends there,
    // after this object has been read as far as the file goes.
    for (const std::uint64_t size : {0, 1, 23}) {
        std::string small = ContentDescription({Wide(u"Small")});
        small.replace(16, 8, ByteBuilder().LittleEndian(size, 8).Bytes());
        const TrackInfo info = Read(Header({small, CodecList(u"Never", u"")}, 0xFFFFFFFFu));
        EXPECT_EQ(info.title, "Small") << size;
        EXPECT_EQ(info.encodedBy, "") << size;
    }
}

TEST_F(AsfReaderTest, HugeCountsNeverReserveMoreThanTheFile) {
    if (!testing::CanLimitAddressSpace()) GTEST_SKIP() << "no address-space limit under ASan";
    std::string lengths = ContentDescription({Wide(u"T")});
    lengths.replace(24, 2, Hex("FFFF"));  // a title longer than the file
    const Text path = dir_.Write(
        "huge.wma",
        Header(
            {ExtendedContent({Descriptor(u"WM/Picture", kBytes, PictureValue("I", 0xFFFFFFF0u))}),
             Object(kCodecListId, ByteBuilder().Zeros(22).Raw(Hex("FFFF")).Bytes()), lengths},
            0xFFFFFFFFu));
    EXPECT_EXIT(
        {
            if (!testing::LimitAddressSpace(256 << 20)) std::_Exit(2);
            TrackInfo info;
            std::_Exit(ReadWmaHeader(path, info, MakeWmaAttributeNames()) ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(MakeWmaAttributeNames, ListsTheSlotsInOrder) {
    EXPECT_EQ(MakeWmaAttributeNames(),
              (std::vector<Text>{"WM/AlbumTitle", "WM/EncodedBy", "WM/Genre", "WM/Lyrics",
                                 "WM/Track", "WM/Year", "WM/AuthorURL", "WM/Composer",
                                 "WM/Publisher", "WM/TrackNumber", "WM/Picture"}));
}

}  // namespace
}  // namespace murvane
