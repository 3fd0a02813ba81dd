#include "platform/text_conversion.h"

#include <string_view>

namespace murvane {
namespace {

constexpr char kDefaultChar = '?';
constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

char32_t UnitAt(std::span<const unsigned char> utf16le, std::size_t index) {
    return static_cast<char32_t>(utf16le[2 * index] | (utf16le[2 * index + 1] << 8));
}

// Decodes the valid UTF-8 sequence of `length` bytes at the start of `bytes`.
char32_t DecodeSequence(std::string_view bytes, std::size_t length) {
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t codePoint = static_cast<unsigned char>(bytes[0]) & kLeadMask[length];
    for (std::size_t i = 1; i < length; ++i) {
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
    }
    return codePoint;
}

void AppendUnit(std::vector<unsigned char>& wide, char32_t unit) {
    wide.push_back(static_cast<unsigned char>(unit & 0xFF));
    wide.push_back(static_cast<unsigned char>(unit >> 8));
}

void AppendUtf16(std::vector<unsigned char>& wide, char32_t codePoint) {
    if (codePoint < 0x10000) {
        AppendUnit(wide, codePoint);
        return;
    }
    const char32_t offset = codePoint - 0x10000;
    AppendUnit(wide, 0xD800 + (offset >> 10));
    AppendUnit(wide, 0xDC00 + (offset & 0x3FF));
}

void AppendUtf8(Text& text, char32_t codePoint) {
    auto put = [&text](char32_t byte) { text.push_back(static_cast<char>(byte)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

Text WideToText(std::span<const unsigned char> utf16le) {
    const std::size_t units = utf16le.size() / 2;
    Text text;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = UnitAt(utf16le, i);
        if (unit == 0) break;
        if (IsHighSurrogate(unit) && i + 1 < units && IsLowSurrogate(UnitAt(utf16le, i + 1))) {
            const char32_t low = UnitAt(utf16le, ++i);
            AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            text.push_back(kDefaultChar);
        } else {
            AppendUtf8(text, unit);
        }
    }
    return text;
}

std::vector<unsigned char> Utf8ToWide(std::span<const unsigned char> utf8) {
    const std::string_view bytes(reinterpret_cast<const char*>(utf8.data()), utf8.size());
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    std::vector<unsigned char> wide;
    wide.reserve(2 * text.size() + 2);
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLengthAt(text, pos);
        const bool valid = length > 1 || static_cast<unsigned char>(text[pos]) < 0x80;
        AppendUtf16(wide, valid ? DecodeSequence(text.substr(pos), length) : kReplacement);
        pos += length;
    }
    AppendUnit(wide, 0);
    return wide;
}

}  // namespace murvane
