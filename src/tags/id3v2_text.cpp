#include "tags/id3v2_text.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/text_conversion.h"

namespace murvane {
namespace {

using Bytes = std::span<const unsigned char>;

enum class ByteOrder { Little, Big };

constexpr unsigned char kLatin1 = 0;
constexpr unsigned char kUtf16WithMark = 1;
constexpr unsigned char kUtf16BigEndian = 2;
constexpr unsigned char kUtf8 = 3;

constexpr char32_t kByteOrderMark = 0xFEFF;
constexpr char32_t kSwappedByteOrderMark = 0xFFFE;

Bytes From(Bytes data, std::size_t pos) {
    return pos < data.size() ? data.subspan(pos) : Bytes{};
}

// Only the codes "chi" and "eng" are recognised; any other language stays part of the text.
bool StartsWithKnownLanguage(Bytes data) {
    const Bytes code = From(data, 1).first(std::min<std::size_t>(3, From(data, 1).size()));
    std::string_view text(reinterpret_cast<const char*>(code.data()), code.size());
    text = text.substr(0, text.find('\0'));
    return text == "chi" || text == "eng";
}

Text DecodeLatin1(Bytes r) {
    // The bytes are kept as they are; dropping the zero bytes joins the frame's strings.
    Text text;
    for (const unsigned char byte : r) {
        if (byte != 0) text.push_back(static_cast<char>(byte));
    }
    return text;
}

// Collects the code units of `r` into little-endian order, leaving out zero units (string
// terminators) and the byte-order marks that each string of the frame may start with, and
// converts them in one go so that a surrogate pair stays one character.
Text DecodeUnits(Bytes r, ByteOrder order) {
    std::vector<unsigned char> units;
    for (std::size_t pos = 0; pos + 1 < r.size(); pos += 2) {
        const unsigned char low = order == ByteOrder::Little ? r[pos] : r[pos + 1];
        const unsigned char high = order == ByteOrder::Little ? r[pos + 1] : r[pos];
        const char32_t unit = static_cast<char32_t>(high << 8 | low);
        if (unit == 0 || unit == kByteOrderMark || unit == kSwappedByteOrderMark) continue;
        units.push_back(low);
        units.push_back(high);
    }
    return WideToText(units);
}

Text DecodeUtf16(unsigned char encoding, Bytes r) {
    // A zero terminator of an empty description may come before the first byte-order mark.
    const auto firstNonZero = std::find_if(r.begin(), r.end(), [](unsigned char b) { return b; });
    const Bytes marked = r.subspan(static_cast<std::size_t>(firstNonZero - r.begin()));
    if (marked.size() >= 2 && marked[0] == 0xFF && marked[1] == 0xFE) {
        return DecodeUnits(marked.subspan(2), ByteOrder::Little);
    }
    if (marked.size() >= 2 && marked[0] == 0xFE && marked[1] == 0xFF) {
        return DecodeUnits(marked.subspan(2), ByteOrder::Big);
    }
    // Encoding 2 is big-endian UTF-16 that the standard writes without a byte-order mark;
    // encoding 1 without its mark cannot be told apart and gives nothing.
    if (encoding == kUtf16BigEndian) return DecodeUnits(r, ByteOrder::Big);
    return {};
}

Text DecodeUtf8(Bytes r) {
    return WideToText(Utf8ToWide(r));
}

}  // namespace

Text DecodeId3v2Text(std::span<const unsigned char> data, bool hasLanguageField) {
    if (data.empty()) return {};
    const unsigned char encoding = data[0];
    const bool language = hasLanguageField && StartsWithKnownLanguage(data);
    switch (encoding) {
        case kLatin1:
            return DecodeLatin1(From(data, language ? 4 : 1));
        case kUtf16WithMark:
        case kUtf16BigEndian:
            return DecodeUtf16(encoding, From(data, language ? 4 : 1));
        case kUtf8: {
            // Only the first string comes out: after the language code that is the
            // description, unless the description is empty.
            const bool emptyDescription = data.size() > 4 && data[4] == 0;
            return DecodeUtf8(From(data, !language ? 1 : emptyDescription ? 5 : 4));
        }
        default:
            return {};
    }
}

}  // namespace murvane
