#include "text/text.h"

#include <gtest/gtest.h>

namespace murvane {
namespace {

TEST(TrimBlanks, RemovesAsciiAndFullWidthSpacesOnly) {
    const struct {
        Text input;
        Text expected;
    } cases[] = {
        {"  Song  ", "Song"},
        {"\xE3\x80\x80 Song\xE3\x80\x80", "Song"},
        {"\tSong\n", "\tSong\n"},
        {"   ", ""},
        {"\xE3\x80\x80\xE3\x80\x80", ""},
        {"", ""},
        {"a b", "a b"},
        {"\xE3\x80", "\xE3\x80"},  // half a full-width space is not one
    };
    for (const auto& c : cases) EXPECT_EQ(TrimBlanks(c.input), c.expected) << c.input;
}

TEST(CharLengthAt, StepsOverWholeUtf8SequencesOnly) {
    EXPECT_EQ(CharLengthAt("a", 0), 1u);
    EXPECT_EQ(CharLengthAt("\xC3\xA9", 0), 2u);
    EXPECT_EQ(CharLengthAt("\xE4\xB8\xAD", 0), 3u);
    EXPECT_EQ(CharLengthAt("\xF0\x9F\x8E\xB5", 0), 4u);
    // An invalid or cut sequence never swallows the ASCII byte after it.
    EXPECT_EQ(CharLengthAt("\xE4/", 0), 1u);
    EXPECT_EQ(CharLengthAt("\xE4\xB8", 0), 1u);
    EXPECT_EQ(CharLengthAt("\xC0\xAF", 0), 1u);      // overlong "/"
    EXPECT_EQ(CharLengthAt("\xED\xA0\x80", 0), 1u);  // a surrogate
    EXPECT_EQ(CharLengthAt("", 0), 0u);
}

TEST(IsValidUtf8, RejectsStrayAndCutSequences) {
    EXPECT_TRUE(IsValidUtf8("plain \xE4\xB8\xAD\xF0\x9F\x8E\xB5"));
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_FALSE(IsValidUtf8("\xB8"));
    EXPECT_FALSE(IsValidUtf8("ab\xE4\xB8"));
    EXPECT_FALSE(IsValidUtf8("\xFF"));
}

TEST(FirstAndLastBytes, ClampToTheText) {
    EXPECT_EQ(FirstBytes("abc", 0), "");
    EXPECT_EQ(FirstBytes("abc", -2), "");
    EXPECT_EQ(FirstBytes("abc", 2), "ab");
    EXPECT_EQ(FirstBytes("abc", 9), "abc");
    EXPECT_EQ(LastBytes("abc", 0), "");
    EXPECT_EQ(LastBytes("abc", 2), "bc");
    EXPECT_EQ(LastBytes("abc", 3), "abc");
    EXPECT_EQ(LastBytes("abc", 9), "abc");
}

TEST(UpperAscii, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(UpperAscii("a.Mp3"), "A.MP3");
    EXPECT_EQ(UpperAscii("\xC3\xA9z"), "\xC3\xA9Z");
}

TEST(FindText, IsOneBasedAndNeverMatchesInsideACharacter) {
    EXPECT_EQ(FindText("a/b/c", "/"), 2);
    EXPECT_EQ(FindText("a/b/c", "/", 3), 4);
    EXPECT_EQ(FindText("abc", "x"), -1);
    EXPECT_EQ(FindText("abc", ""), -1);
    // "\xE4\xB8\xAF" is one character; its last byte is not "/" anyway, but a search for the
    // continuation byte itself must not find it inside the character.
    EXPECT_EQ(FindText("\xE4\xB8\xAD", "\xB8"), -1);
    EXPECT_EQ(FindLastChar("/a/b", '/'), 3);
    EXPECT_EQ(FindLastChar("ab", '/'), -1);
}

TEST(SplitAtChar, KeepsInnerEmptyPartsAndDropsAnEmptyLastOne) {
    using Parts = std::vector<Text>;
    EXPECT_EQ(SplitAtChar("128 kbps, 44 kHz, stereo", ','),
              (Parts{"128 kbps", " 44 kHz", " stereo"}));
    EXPECT_EQ(SplitAtChar("a,,b,", ','), (Parts{"a", "", "b"}));
    EXPECT_EQ(SplitAtChar("", ','), Parts{});
    EXPECT_EQ(SplitAtChar(",", ','), Parts{""});
}

}  // namespace
}  // namespace murvane
