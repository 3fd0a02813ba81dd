// The JSON forms murvane-cli prints: a text that is valid UTF-8 is a JSON string, any other text
// is {"hex": "..."} so that its bytes come through unchanged.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace murvane {

void WriteJsonString(std::ostream& out, std::string_view utf8);
void WriteJsonText(std::ostream& out, std::string_view text);
void WriteHex(std::ostream& out, std::span<const unsigned char> bytes);

}  // namespace murvane
