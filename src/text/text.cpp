#include "text/text.h"

namespace murvane {
namespace {

constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Length announced by a UTF-8 lead byte, with the limits of the second byte that keep out
// overlong forms, surrogates and code points above U+10FFFF.
struct LeadRule {
    std::size_t length;
    unsigned char secondMin;
    unsigned char secondMax;
};

LeadRule RuleFor(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {1, 0, 0};
}

}  // namespace

std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return 0;
    const LeadRule rule = RuleFor(static_cast<unsigned char>(text[pos]));
    if (rule.length == 1 || pos + rule.length > text.size()) return 1;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (second < rule.secondMin || second > rule.secondMax) return 1;
    for (std::size_t i = 2; i < rule.length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i]))) return 1;
    }
    return rule.length;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLengthAt(text, pos);
        if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) return false;
        pos += length;
    }
    return true;
}

Text TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end) {
        if (text[begin] == ' ') {
            ++begin;
        } else if (text.substr(begin, kFullWidthSpace.size()) == kFullWidthSpace) {
            begin += kFullWidthSpace.size();
        } else {
            break;
        }
    }
    while (end > begin) {
        if (text[end - 1] == ' ') {
            --end;
        } else if (end - begin >= kFullWidthSpace.size() &&
                   text.substr(end - kFullWidthSpace.size(), kFullWidthSpace.size()) ==
                       kFullWidthSpace) {
            end -= kFullWidthSpace.size();
        } else {
            break;
        }
    }
    return Text(text.substr(begin, end - begin));
}

Text FirstBytes(std::string_view text, long long n) {
    if (n <= 0) return {};
    return Text(text.substr(0, static_cast<std::size_t>(n)));
}

Text LastBytes(std::string_view text, long long n) {
    if (n <= 0) return {};
    if (static_cast<std::size_t>(n) >= text.size()) return Text(text);
    return Text(text.substr(text.size() - static_cast<std::size_t>(n)));
}

Text UpperAscii(std::string_view text) {
    Text result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

long long FindText(std::string_view text, std::string_view needle, long long from) {
    if (needle.empty() || from < 1) return -1;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (static_cast<long long>(pos) + 1 >= from && text.substr(pos, needle.size()) == needle) {
            return static_cast<long long>(pos) + 1;
        }
        pos += CharLengthAt(text, pos);
    }
    return -1;
}

long long FindLastChar(std::string_view text, char ch) {
    long long found = -1;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
        if (text[pos] == ch) found = static_cast<long long>(pos) + 1;
    }
    return found;
}

std::vector<Text> SplitAtChar(std::string_view text, char separator) {
    std::vector<Text> parts;
    std::size_t partStart = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
        if (text[pos] == separator) {
            parts.emplace_back(text.substr(partStart, pos - partStart));
            partStart = pos + 1;
        }
    }
    if (partStart < text.size()) parts.emplace_back(text.substr(partStart));
    return parts;
}

Text NumberText(long long value) {
    return std::to_string(value);
}

}  // namespace murvane
