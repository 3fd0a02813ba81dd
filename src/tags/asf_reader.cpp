#include "tags/asf_reader.h"

#include <array>
#include <span>

#include "platform/file_reader.h"
#include "platform/text_conversion.h"

namespace murvane {
namespace {

using Origin = FileReader::Origin;
using Guid = std::array<unsigned char, 16>;

// Object identifiers in the byte order in which ASF stores them (ASF standard, sections 10.1
// and 10.2).
constexpr Guid kHeaderObject = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
constexpr Guid kContentDescriptionObject = {0x33, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                            0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
constexpr Guid kExtendedContentDescriptionObject = {0x40, 0xA4, 0xD0, 0xD2, 0x07, 0xE3, 0xD2, 0x11,
                                                    0x97, 0xF0, 0x00, 0xA0, 0xC9, 0x5E, 0xA8, 0x50};
constexpr Guid kCodecListObject = {0x40, 0x52, 0xD1, 0x86, 0x1D, 0x31, 0xD0, 0x11,
                                   0xA3, 0xA4, 0x00, 0xA0, 0xC9, 0x03, 0x48, 0xF6};
constexpr Guid kFilePropertiesObject = {0xA1, 0xDC, 0xAB, 0x8C, 0x47, 0xA9, 0xCF, 0x11,
                                        0x8E, 0xE4, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};

constexpr long long kObjectHeaderSize = 24;  // identifier and size
constexpr unsigned kDwordType = 3;
constexpr unsigned long long kBroadcastFlag = 1;

enum class ValueKind { Text, Number, Picture };

struct AttributeSlot {
    Text TrackInfo::*field;  // none for the picture
    ValueKind kind;
};

// Slot n of the attribute-name table (index n - 1) fills this field in this way.
constexpr AttributeSlot kAttributeSlots[] = {
    {&TrackInfo::album, ValueKind::Text},    {&TrackInfo::encodedBy, ValueKind::Text},
    {&TrackInfo::genre, ValueKind::Text},    {&TrackInfo::lyrics, ValueKind::Text},
    {&TrackInfo::extra2, ValueKind::Number}, {&TrackInfo::year, ValueKind::Text},
    {&TrackInfo::url, ValueKind::Text},      {&TrackInfo::composer, ValueKind::Text},
    {&TrackInfo::extra1, ValueKind::Text},   {&TrackInfo::track, ValueKind::Number},
    {nullptr, ValueKind::Picture},
};

// A little-endian number of `length` bytes; bytes missing at the end of the file count as zero.
unsigned long long ReadNumber(FileReader& file, std::size_t length) {
    std::array<unsigned char, 8> bytes{};
    file.ReadInto(std::span(bytes).first(length));
    unsigned long long value = 0;
    for (std::size_t i = length; i > 0; --i) value = value << 8 | bytes[i - 1];
    return value;
}

Text ReadWideText(FileReader& file, unsigned long long byteCount) {
    return WideToText(file.Read(static_cast<long long>(byteCount)));
}

void ReadContentDescription(FileReader& file, TrackInfo& info) {
    // Title, author, rights notice and description; the rating that follows is not read.
    constexpr Text TrackInfo::*kTargets[] = {&TrackInfo::title, &TrackInfo::artist,
                                             &TrackInfo::rights, &TrackInfo::comment};
    std::array<unsigned long long, 5> lengths{};
    for (auto& length : lengths) length = ReadNumber(file, 2);
    for (std::size_t i = 0; i < std::size(kTargets); ++i) {
        if (lengths[i] > 0) info.*kTargets[i] = ReadWideText(file, lengths[i]);
    }
}

// WM/Picture: a picture-type byte, the 32-bit size of the image data, the MIME type and the
// description as zero-terminated UTF-16 strings, then the image data, which ends the value.
void ReadPictureValue(FileReader& file, unsigned long long valueLength, TrackInfo& info) {
    file.Seek(1, Origin::Current);
    const unsigned long long imageSize = ReadNumber(file, 4);
    if (valueLength < 5 || imageSize > valueLength - 5) return;  // cannot fit: leave it
    file.Seek(static_cast<long long>(valueLength - imageSize - 5), Origin::Current);
    info.picture = file.Read(static_cast<long long>(imageSize));
}

void ReadAttributeValue(FileReader& file, const AttributeSlot& slot, unsigned type,
                        unsigned long long valueLength, TrackInfo& info) {
    if (slot.kind == ValueKind::Picture) {
        ReadPictureValue(file, valueLength, info);
    } else if (slot.kind == ValueKind::Number && type == kDwordType) {
        info.*slot.field =
            NumberText(static_cast<long long>(ReadNumber(file, valueLength < 4 ? valueLength : 4)));
    } else {
        // Values are read as UTF-16 text whatever their declared type.
        info.*slot.field = ReadWideText(file, valueLength);
    }
}

void ReadDescriptor(FileReader& file, const std::vector<Text>& names, TrackInfo& info) {
    const Text name = ReadWideText(file, ReadNumber(file, 2));
    const auto type = static_cast<unsigned>(ReadNumber(file, 2));
    const unsigned long long valueLength = ReadNumber(file, 2);
    const long long valueStart = file.Position();
    const std::size_t slots = std::min(names.size(), std::size(kAttributeSlots));
    for (std::size_t i = 0; valueLength > 0 && i < slots; ++i) {
        if (names[i] == name) {
            ReadAttributeValue(file, kAttributeSlots[i], type, valueLength, info);
            break;
        }
    }
    // The next descriptor starts where this value ends, whatever the value's handler read.
    file.Seek(valueStart + static_cast<long long>(valueLength), Origin::Start);
}

void ReadExtendedContentDescription(FileReader& file, const std::vector<Text>& names,
                                    TrackInfo& info) {
    const unsigned long long count = ReadNumber(file, 2);
    // The walk ends at the end of the object, however many descriptors it announced.
    for (unsigned long long i = 0; i < count && !file.AtEnd(); ++i)
        ReadDescriptor(file, names, info);
}

Text ChannelsText(std::string_view part) {
    if (FindText(part, "stereo") > 0) return "立体声";
    if (FindText(part, "mono") > 0) return "单声道";
    return "未知";
}

// Only the first codec entry is read: its name, and its description such as
// "128 kbps, 44 kHz, stereo 1-pass CBR".
void ReadCodecList(FileReader& file, TrackInfo& info) {
    file.Seek(22, Origin::Current);  // reserved identifier, entry count, first entry's type
    info.encodedBy = ReadWideText(file, 2 * ReadNumber(file, 2));
    const Text description = ReadWideText(file, 2 * ReadNumber(file, 2));
    const std::vector<Text> parts = SplitAtChar(description, ',');
    if (parts.size() >= 1) info.bitrate = TrimBlanks(parts[0]);
    if (parts.size() >= 2) info.sampleRate = TrimBlanks(parts[1]);
    if (parts.size() >= 3) info.channels = ChannelsText(parts[2]);
}

void ReadFileProperties(FileReader& file, TrackInfo& info) {
    file.Seek(40, Origin::Current);  // file identifier, file size, creation date, packet count
    const unsigned long long playDuration = ReadNumber(file, 8);  // 100-nanosecond units
    file.Seek(8, Origin::Current);                                // send duration
    const unsigned long long preroll = ReadNumber(file, 8);       // milliseconds
    const unsigned long long flags = ReadNumber(file, 4);
    // A broadcast file is still being written, so its play duration is not yet known.
    if (flags & kBroadcastFlag) return;
    const double seconds =
        (static_cast<double>(playDuration) / 10000.0 - static_cast<double>(preroll)) / 1000.0;
    info.duration = FormatDuration(static_cast<long long>(seconds));
}

void ReadObject(FileReader& file, const Guid& id, const std::vector<Text>& attributeNames,
                TrackInfo& info) {
    if (id == kContentDescriptionObject) ReadContentDescription(file, info);
    if (id == kExtendedContentDescriptionObject) {
        ReadExtendedContentDescription(file, attributeNames, info);
    }
    if (id == kCodecListObject) ReadCodecList(file, info);
    if (id == kFilePropertiesObject) ReadFileProperties(file, info);
}

Text TwoDigits(long long value) {
    return value < 10 ? "0" + NumberText(value) : NumberText(value);
}

}  // namespace

std::vector<Text> MakeWmaAttributeNames() {
    return {"WM/AlbumTitle", "WM/EncodedBy",   "WM/Genre",     "WM/Lyrics",
            "WM/Track",      "WM/Year",        "WM/AuthorURL", "WM/Composer",
            "WM/Publisher",  "WM/TrackNumber", "WM/Picture"};
}

bool ReadWmaHeader(const Text& path, TrackInfo& info, const std::vector<Text>& attributeNames) {
    FileReader file;
    if (!file.Open(path)) return false;
    // An ASF file has to start with the Header Object.
    Guid id{};
    if (file.ReadInto(id) != id.size() || id != kHeaderObject) return false;
    file.Seek(8, Origin::Current);  // header size, not needed: the objects carry their own
    const unsigned long long objectCount = ReadNumber(file, 4);
    file.Seek(2, Origin::Current);  // reserved
    // The walk ends at the end of the file, however many objects the header announced.
    for (unsigned long long i = 0; i < objectCount && !file.AtEnd(); ++i) {
        const long long start = file.Position();
        id = Guid{};
        file.ReadInto(id);
        const long long size = static_cast<long long>(ReadNumber(file, 8) & 0xFFFFFFFFu);
        // A size too small for the object's own header leads to no next object (a zero size
        // would lead back to this one, and a few bytes on would make every byte of the file an
        // object): such an object is the last one read, and it may read on to the end of the
        // file. Any other object is read only inside the size it declares. Lengths and counts
        // that reach past it would read on into the objects after it, so that every one of
        // many small objects could read the rest of the file again.
        const bool last = size < kObjectHeaderSize;
        if (!last) file.LimitReadsTo(start + size);
        ReadObject(file, id, attributeNames, info);
        file.LiftReadLimit();
        if (last) break;
        file.Seek(start + size, Origin::Start);
    }
    return true;
}

Text FormatDuration(long long seconds) {
    if (seconds < 0) seconds = 0;
    return TwoDigits(seconds / 60) + ":" + TwoDigits(seconds % 60);
}

}  // namespace murvane
