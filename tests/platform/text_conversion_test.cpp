#include "platform/text_conversion.h"

#include <gtest/gtest.h>

#include "support/bytes.h"

namespace murvane {
namespace {

using testing::Hex;
using testing::HexBytes;

TEST(WideToText, ConvertsUpToTheFirstZeroUnit) {
    const struct {
        const char* utf16le;
        Text expected;
    } cases[] = {
        {"", ""},
        {"5300 6F00", "So"},
        {"5300 0000 6F00", "S"},                    // stops at the zero unit
        {"5300 6F", "S"},                           // an odd last byte is ignored
        {"E900 2D4E FF4E", "é中仿"},                // U+4EFF ends in FF and still comes through
        {"3CD8 B5DF", "\xF0\x9F\x8E\xB5"},          // a surrogate pair is one character
        {"3CD8", "?"},                              // high surrogate at the end
        {"3CD8 4100", "?A"},                        // high surrogate without its partner
        {"B5DF 3CD8", "??"},                        // the halves in the wrong order
        {"FFFE FEFF", "\xEF\xBB\xBF\xEF\xBF\xBE"},  // no unit is dropped here
    };
    for (const auto& c : cases) EXPECT_EQ(WideToText(HexBytes(c.utf16le)), c.expected) << c.utf16le;
}

TEST(Utf8ToWide, GivesTerminatedLittleEndianUnits) {
    const struct {
        std::string utf8;
        const char* expected;
    } cases[] = {
        {"", "0000"},
        {"So", "5300 6F00 0000"},
        {Hex("'S' 00 'o'"), "5300 0000"},  // stops at the first zero byte
        {"é中", "E900 2D4E 0000"},
        {"\xF0\x9F\x8E\xB5", "3CD8 B5DF 0000"},      // beyond the BMP: a surrogate pair
        {Hex("'A' FF 'B'"), "4100 FDFF 4200 0000"},  // an invalid byte becomes U+FFFD
        {Hex("E4 B8 'A'"), "FDFF FDFF 4100 0000"},   // so does each byte of a cut sequence
        {Hex("ED A0 80"), "FDFF FDFF FDFF 0000"},    // an encoded surrogate is not valid
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToWide(std::vector<unsigned char>(c.utf8.begin(), c.utf8.end())),
                  HexBytes(c.expected))
            << c.expected;
    }
}

TEST(Utf8ToWide, RoundTripsThroughWideToText) {
    const std::string text = "Café 中文 仿 \xF0\x9F\x8E\xB5 ☃";
    EXPECT_EQ(WideToText(Utf8ToWide(std::vector<unsigned char>(text.begin(), text.end()))), text);
}

}  // namespace
}  // namespace murvane
