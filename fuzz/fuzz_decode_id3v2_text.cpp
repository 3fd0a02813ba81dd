// Decodes any bytes as the data of an ID3v2 text frame, once as a plain text frame and once as
// a frame with a language field (a comment or lyrics frame).
#include <cstddef>
#include <cstdint>
#include <span>

#include "input_file.h"
#include "tags/id3v2_text.h"
#include "text/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    for (const bool hasLanguageField : {false, true}) {
        const murvane::Text text = murvane::DecodeId3v2Text(bytes, hasLanguageField);
        if (!murvane::fuzz::FitsTheInput(text.size(), size)) __builtin_trap();
        // The decoder never lets a zero byte through: it ends or joins the frame's strings.
        if (text.find('\0') != murvane::Text::npos) __builtin_trap();
        // Unicode encodings (1 to 3) come out as valid UTF-8, whatever the bytes; only the
        // bytes of encoding 0 are kept as they stand.
        if (size > 0 && data[0] != 0 && !murvane::IsValidUtf8(text)) __builtin_trap();
    }
    return 0;
}
