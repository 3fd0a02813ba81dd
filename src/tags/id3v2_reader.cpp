#include "tags/id3v2_reader.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/file_reader.h"
#include "tags/id3v2_text.h"

namespace murvane {
namespace {

using Origin = FileReader::Origin;

constexpr unsigned char kExtendedHeaderFlag = 0x40;

struct TextFrame {
    std::string_view id;
    Text TrackInfo::*field;
    bool hasLanguageField;
};

// The frames taken into the record; identifiers are compared byte for byte.
constexpr TextFrame kVersion3TextFrames[] = {
    {"TIT2", &TrackInfo::title, false},    {"TPE1", &TrackInfo::artist, false},
    {"TALB", &TrackInfo::album, false},    {"COMM", &TrackInfo::comment, true},
    {"TRCK", &TrackInfo::track, false},    {"TYER", &TrackInfo::year, false},
    {"TCOM", &TrackInfo::composer, false}, {"TENC", &TrackInfo::encodedBy, false},
    {"TCOP", &TrackInfo::rights, false},   {"WXXX", &TrackInfo::url, false},
    {"TCON", &TrackInfo::genre, false},    {"USLT", &TrackInfo::lyrics, true},
};
constexpr TextFrame kVersion2TextFrames[] = {
    {"TT2", &TrackInfo::title, false},    {"TP1", &TrackInfo::artist, false},
    {"TAL", &TrackInfo::album, false},    {"COM", &TrackInfo::comment, true},
    {"TRK", &TrackInfo::track, false},    {"TYE", &TrackInfo::year, false},
    {"TCM", &TrackInfo::composer, false}, {"TEN", &TrackInfo::encodedBy, false},
    {"TCR", &TrackInfo::rights, false},   {"WXX", &TrackInfo::url, false},
    {"TCO", &TrackInfo::genre, false},    {"ULT", &TrackInfo::lyrics, true},
};

enum class SizeForm { Plain24, Plain32, Synchsafe32 };

struct FrameLayout {
    std::size_t idLength;
    SizeForm sizeForm;
    long long flagLength;
    std::string_view pictureId;
    std::span<const TextFrame> textFrames;
};

// Version 2.2 has three-character identifiers and sizes and no frame flags; versions 2.3 and
// 2.4 have four-character ones and two flag bytes.
constexpr FrameLayout kVersion2Layout{3, SizeForm::Plain24, 0, "PIC", kVersion2TextFrames};
constexpr FrameLayout kVersion3Layout{4, SizeForm::Plain32, 2, "APIC", kVersion3TextFrames};
constexpr FrameLayout kVersion4Layout{4, SizeForm::Synchsafe32, 2, "APIC", kVersion3TextFrames};

struct FrameHeader {
    Text id;
    long long size = 0;
};

long long BigEndian(std::span<const unsigned char> bytes) {
    long long value = 0;
    for (const unsigned char byte : bytes) value = value << 8 | byte;
    return value;
}

long long Synchsafe(std::span<const unsigned char> bytes) {
    long long value = 0;
    for (const unsigned char byte : bytes) value = value << 7 | (byte & 0x7F);
    return value;
}

bool IsSynchsafe(std::span<const unsigned char> bytes) {
    for (const unsigned char byte : bytes) {
        if (byte & 0x80) return false;
    }
    return true;
}

long long FrameSize(std::span<const unsigned char> bytes, SizeForm form) {
    // Version 2.4 writes synchsafe sizes; a size with a high bit set cannot be one, so it is
    // taken as the plain number that some writers put there instead.
    if (form == SizeForm::Synchsafe32 && IsSynchsafe(bytes)) return Synchsafe(bytes);
    if (form == SizeForm::Plain24) return BigEndian(bytes);
    // Held as a signed 32-bit number: a size with the top bit set is negative and ignored.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(BigEndian(bytes)));
}

// Missing bytes at the end of the file read as zeros: an empty identifier and size 0.
FrameHeader ReadFrameHeader(FileReader& file, const FrameLayout& layout) {
    std::array<unsigned char, 8> bytes{};
    const std::size_t sizeLength = layout.sizeForm == SizeForm::Plain24 ? 3 : 4;
    file.ReadInto(std::span(bytes).first(layout.idLength + sizeLength));
    file.Seek(layout.flagLength, Origin::Current);
    const std::string_view id(reinterpret_cast<const char*>(bytes.data()), layout.idLength);
    return {Text(id.substr(0, id.find('\0'))),
            FrameSize(std::span(bytes).subspan(layout.idLength, sizeLength), layout.sizeForm)};
}

// Picture frames are read with a fixed shape in mind: an encoding byte, an "image/png" or
// "image/jpeg" type (a three-character format in version 2.2), the picture type and an empty
// description. Whatever follows is taken as the image.
void ReadPicture(FileReader& file, const FrameLayout& layout, long long frameSize,
                 TrackInfo& info) {
    long long imageSize = frameSize - 6;
    if (layout.idLength == 4) {
        file.Seek(7, Origin::Current);  // encoding byte and "image/"
        const bool png = file.Read(3) == std::vector<unsigned char>{'p', 'n', 'g'};
        file.Seek(png ? 3 : 4, Origin::Current);
        imageSize = frameSize - (png ? 13 : 14);
    } else {
        file.Seek(6, Origin::Current);
    }
    info.picture = imageSize > 0 ? file.Read(imageSize) : std::vector<unsigned char>{};
}

void ReadFrameBody(FileReader& file, const FrameLayout& layout, const FrameHeader& frame,
                   TrackInfo& info) {
    for (const TextFrame& text : layout.textFrames) {
        if (frame.id == text.id) {
            info.*text.field = DecodeId3v2Text(file.Read(frame.size), text.hasLanguageField);
            return;
        }
    }
    if (frame.id == layout.pictureId) {
        ReadPicture(file, layout, frame.size, info);
        return;
    }
    file.Seek(frame.size, Origin::Current);
}

// An extended header (ID3v2.3 section 3.2, ID3v2.4 section 3.2) sits between the tag header and
// the first frame. Version 2.3 gives its size without the four size bytes, version 2.4 as a
// synchsafe number that includes them. One that does not fit in the tag is not skipped.
void SkipExtendedHeader(FileReader& file, unsigned char version, long long tagEnd) {
    const long long start = file.Position();
    std::array<unsigned char, 4> bytes{};
    file.ReadInto(bytes);
    const long long end = version == 3 ? start + 4 + BigEndian(bytes) : start + Synchsafe(bytes);
    file.Seek(end >= start + 4 && end <= tagEnd ? end : start, Origin::Start);
}

// Padding reads as frame headers of zeros, which change nothing; a run of them is passed over
// at once, whole headers only, so that whatever follows is read exactly where it would be.
// True when it moved.
bool SkipPadding(FileReader& file, const FrameLayout& layout, long long tagEnd) {
    const long long headerSize = static_cast<long long>(layout.idLength) +
                                 (layout.sizeForm == SizeForm::Plain24 ? 3 : 4) + layout.flagLength;
    const long long zeros = file.ZeroBytesAhead(tagEnd);
    if (zeros < headerSize) return false;
    file.Seek(zeros / headerSize * headerSize, Origin::Current);
    return true;
}

void ReadFrames(FileReader& file, const FrameLayout& layout, long long tagEnd, TrackInfo& info) {
    // The loop also stops at the end of the file: a tag that claims more than the file holds
    // would otherwise never reach its end.
    do {
        if (SkipPadding(file, layout, tagEnd) && file.Position() >= tagEnd) break;
        const FrameHeader frame = ReadFrameHeader(file, layout);
        if (frame.size > 0) ReadFrameBody(file, layout, frame, info);
    } while (file.Position() < tagEnd && !file.AtEnd());
}

const FrameLayout& LayoutFor(unsigned char version) {
    if (version < 3) return kVersion2Layout;
    if (version == 3) return kVersion3Layout;
    return kVersion4Layout;
}

}  // namespace

bool ReadId3v2Tag(const Text& path, TrackInfo& info) {
    FileReader file;
    if (!file.Open(path)) return false;
    std::array<unsigned char, 10> header{};
    file.ReadInto(header);
    if (std::string_view(reinterpret_cast<const char*>(header.data()), 3) != "ID3") return false;
    const unsigned char version = header[3];
    const unsigned char flags = header[5];
    const long long tagEnd = Synchsafe(std::span(header).subspan(6)) + 10;
    if (version >= 3 && (flags & kExtendedHeaderFlag)) SkipExtendedHeader(file, version, tagEnd);
    ReadFrames(file, LayoutFor(version), tagEnd, info);
    return true;
}

}  // namespace murvane
