#pragma once

#include <span>

#include "text/text.h"

namespace murvane {

// Turns the data of one ID3v2 text-bearing frame, from its encoding byte on, into a Text. Only
// comment and lyrics frames (COMM, USLT; COM, ULT in version 2.2) carry a three-byte language
// code after the encoding byte; for them `hasLanguageField` is true, and the codes "chi" and
// "eng" are skipped. Strings that the frame separates by zero characters come out joined. The
// result is never trimmed; data that cannot be decoded gives the empty text.
Text DecodeId3v2Text(std::span<const unsigned char> data, bool hasLanguageField);

}  // namespace murvane
