// Conversions between UTF-16 and the system's multibyte code page, which is UTF-8 on Linux.
#pragma once

#include <span>
#include <vector>

#include "text/text.h"

namespace murvane {

// UTF-16 little-endian code units to a Text, up to the first zero unit or the end of the bytes
// (an odd last byte is ignored). A surrogate pair becomes one character; a surrogate without
// its partner cannot be written and becomes "?".
Text WideToText(std::span<const unsigned char> utf16le);

// UTF-8 bytes, up to the first zero byte, to UTF-16 little-endian code units followed by a zero
// unit. A byte that does not belong to a valid sequence becomes U+FFFD.
std::vector<unsigned char> Utf8ToWide(std::span<const unsigned char> utf8);

}  // namespace murvane
