#include "tags/id3v2_text.h"

#include <gtest/gtest.h>

#include "support/bytes.h"

namespace murvane {
namespace {

using testing::HexBytes;

constexpr bool kPlain = false;    // TIT2, TPE1, WXXX and the like
constexpr bool kLanguage = true;  // COMM and USLT

struct Case {
    const char* data;
    bool hasLanguageField;
    Text expected;
};

void ExpectDecodes(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeId3v2Text(HexBytes(c.data), c.hasLanguageField), c.expected)
            << c.data << (c.hasLanguageField ? " (with language)" : "");
    }
}

TEST(DecodeId3v2Text, Latin1BytesAreKeptAndZeroBytesDropped) {
    ExpectDecodes({
        {"00 'Song'", kPlain, "Song"},
        {"00 'A' 00 'B'", kPlain, "AB"},     // several values are joined
        {"00 'Caf' E9", kPlain, "Caf\xE9"},  // raw bytes, not converted
        {"00 'eng' 00 'Hi'", kLanguage, "Hi"},
        {"00 'eng' 'd' 00 'Hi'", kLanguage, "dHi"},  // description and text joined
        {"00 'chi' 00 'Hi'", kLanguage, "Hi"},
        {"00 'deu' 00 'Hi'", kLanguage, "deuHi"},  // only chi and eng are known
        {"00 'Song  '", kPlain, "Song  "},         // never trimmed
    });
}

TEST(DecodeId3v2Text, OnlyFramesWithALanguageFieldLoseALanguageCode) {
    ExpectDecodes({
        {"00 'english rose'", kPlain, "english rose"},
        {"00 'china girl'", kPlain, "china girl"},
        {"03 'china girl'", kPlain, "china girl"},
        {"00 'english rose'", kLanguage, "lish rose"},
    });
}

TEST(DecodeId3v2Text, Utf16NeedsAByteOrderMark) {
    ExpectDecodes({
        {"01 FFFE 5300 6F00", kPlain, "So"},
        {"01 FEFF 0053 006F", kPlain, "So"},
        {"01 5300 6F00", kPlain, ""},                        // encoding 1 without its mark
        {"01 FFFE 5300 6F", kPlain, "S"},                    // an odd last byte is ignored
        {"01 FFFE 5300 0000 FFFE 6F00 0000", kPlain, "So"},  // values joined, marks dropped
        {"01 'eng' FFFE 0000 FFFE 4800 6900", kLanguage, "Hi"},
        {"01 'eng' 0000 FFFE 4800 6900", kLanguage, "Hi"},  // zeros before the mark
        {"01 'deu' FFFE 4800 6900", kLanguage, ""},
        {"01", kPlain, ""},
    });
}

TEST(DecodeId3v2Text, Encoding2IsBigEndianWithOrWithoutAMark) {
    ExpectDecodes({
        {"02 0053 006F", kPlain, "So"},
        {"02 FEFF 0053 006F", kPlain, "So"},
        {"02 FFFE 5300 6F00", kPlain, "So"},  // a mark, where there is one, decides
        {"02 'eng' 0000 0048 0069", kLanguage, "Hi"},
        {"02 4E2D 6587", kPlain, "中文"},
    });
}

TEST(DecodeId3v2Text, OnlyByteOrderMarksAreDropped) {
    ExpectDecodes({
        {"01 FFFE FF4E 2D4E", kPlain, "仿中"},  // U+4EFF ends in FF
        {"01 FEFF 4EFF", kPlain, "仿"},
        {"01 FFFE FF00", kPlain, "\xC3\xBF"},      // U+00FF
        {"01 FFFE 4800 FEFF 6900", kPlain, "Hi"},  // a mark in the other byte order
        {"01 FFFE 4800 FFFE 6900", kPlain, "Hi"},
    });
}

TEST(DecodeId3v2Text, SurrogatePairsStayOneCharacter) {
    ExpectDecodes({
        {"01 FFFE 3CD8 B5DF", kPlain, "\xF0\x9F\x8E\xB5"},
        {"01 FEFF D83C DFB5", kPlain, "\xF0\x9F\x8E\xB5"},
        {"01 FFFE 3CD8 4100", kPlain, "?A"},  // a half without its partner
        {"01 FFFE B5DF", kPlain, "?"},
    });
}

TEST(DecodeId3v2Text, Utf8GivesTheFirstString) {
    ExpectDecodes({
        {"03 'Song'", kPlain, "Song"},
        {"03 'Caf' C3A9", kPlain, "Café"},
        {"03 'One' 00 'Two'", kPlain, "One"},
        {"03 'eng' 00 'Hi'", kLanguage, "Hi"},
        {"03 'eng' 'd' 00 'Hi'", kLanguage, "d"},
        {"03 'A' FF 'B'", kPlain,
         "A\xEF\xBF\xBD"
         "B"},  // invalid byte: U+FFFD
    });
}

TEST(DecodeId3v2Text, UnknownEncodingsAndEmptyDataGiveNothing) {
    ExpectDecodes({
        {"", kPlain, ""},
        {"04 'Song'", kPlain, ""},
        {"FF 'Song'", kPlain, ""},
        {"00", kLanguage, ""},
        {"00 'en'", kLanguage, "en"},  // too short to hold a language code
    });
}

}  // namespace
}  // namespace murvane
