// Texts are byte strings in the system's multibyte code page, which is UTF-8 on Linux.
// Lengths, positions and equality are in bytes; positions given to or returned by the
// search helpers are 1-based, and a search that finds nothing gives -1.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace murvane {

using Text = std::string;

// Length in bytes of the character that starts at `pos`: a complete, valid UTF-8 sequence
// counts as one character, every other byte is a character of its own. This is the one place
// that knows the code page's character boundaries.
std::size_t CharLengthAt(std::string_view text, std::size_t pos);

// True when every byte belongs to a complete, valid UTF-8 sequence.
bool IsValidUtf8(std::string_view text);

// Removes ASCII spaces and full-width spaces (U+3000) from both ends; nothing else.
Text TrimBlanks(std::string_view text);

// The first or last n bytes: empty for n <= 0, the whole text for n >= its length.
Text FirstBytes(std::string_view text, long long n);
Text LastBytes(std::string_view text, long long n);

// Upper-cases ASCII a-z only; bytes of multibyte characters stay as they are.
Text UpperAscii(std::string_view text);

// 1-based position of the first occurrence of `needle` at or after `from`, stepping
// character by character so that no match starts inside a multibyte character; -1 if none.
long long FindText(std::string_view text, std::string_view needle, long long from = 1);

// 1-based position of the last occurrence of the single byte `ch` at a character start; -1 if
// none.
long long FindLastChar(std::string_view text, char ch);

// Splits at every `separator` byte that starts a character. An empty part between two
// separators is kept; an empty last part is dropped.
std::vector<Text> SplitAtChar(std::string_view text, char separator);

// Decimal text without leading zeros.
Text NumberText(long long value);

}  // namespace murvane
