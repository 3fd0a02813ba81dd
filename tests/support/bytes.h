// Small helpers for writing byte-level fixtures: a readable hex notation and a builder for
// numbers of either byte order.
#pragma once

#include <cctype>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace murvane::testing {

// Bytes from a notation of hex digits and quoted ASCII, separated freely by blanks:
// Hex("01 'eng' FFFE 4800") is 01 65 6E 67 FF FE 48 00. Inside quotes every character stands
// for itself, blanks included.
inline std::string Hex(std::string_view notation) {
    std::string bytes;
    std::string digits;
    for (std::size_t i = 0; i < notation.size(); ++i) {
        const char c = notation[i];
        if (c == '\'') {
            const std::size_t end = notation.find('\'', i + 1);
            if (end == std::string_view::npos) throw std::invalid_argument("unclosed quote");
            bytes.append(notation.substr(i + 1, end - i - 1));
            i = end;
        } else if (std::isxdigit(static_cast<unsigned char>(c))) {
            digits.push_back(c);
            if (digits.size() == 2) {
                bytes.push_back(static_cast<char>(std::stoi(digits, nullptr, 16)));
                digits.clear();
            }
        } else if (c != ' ') {
            throw std::invalid_argument("unexpected character in hex notation");
        }
    }
    if (!digits.empty()) throw std::invalid_argument("odd number of hex digits");
    return bytes;
}

inline std::vector<unsigned char> HexBytes(std::string_view notation) {
    const std::string bytes = Hex(notation);
    return {bytes.begin(), bytes.end()};
}

// Appends raw bytes and numbers; Bytes() gives the result as a string of bytes.
class ByteBuilder {
  public:
    ByteBuilder& Raw(std::string_view bytes) {
        bytes_.append(bytes);
        return *this;
    }
    ByteBuilder& Zeros(std::size_t count) {
        bytes_.append(count, '\0');
        return *this;
    }
    ByteBuilder& Fill(std::size_t count, char byte) {
        bytes_.append(count, byte);
        return *this;
    }
    ByteBuilder& LittleEndian(std::uint64_t value, int width) {
        for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<char>(value >> (8 * i)));
        return *this;
    }
    ByteBuilder& BigEndian(std::uint64_t value, int width) {
        for (int i = width - 1; i >= 0; --i) bytes_.push_back(static_cast<char>(value >> (8 * i)));
        return *this;
    }
    // UTF-16 little-endian code units of `text`, without a terminator.
    ByteBuilder& Utf16(std::u16string_view text) {
        for (const char16_t unit : text) LittleEndian(unit, 2);
        return *this;
    }

    std::size_t Size() const { return bytes_.size(); }
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

}  // namespace murvane::testing
