// Walks the ASF header of any bytes, read as a .wma file.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "input_file.h"
#include "tags/asf_reader.h"
#include "track_info_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<murvane::Text> attributes = murvane::MakeWmaAttributeNames();
    static const murvane::fuzz::InputFile file("input.wma");

    murvane::TrackInfo info;
    const bool read = murvane::ReadWmaHeader(file.Write(data, size), info, attributes);
    // A file that is refused leaves the record alone.
    if (!read && !(info == murvane::TrackInfo{})) __builtin_trap();
    murvane::fuzz::CheckRecord(info, size);
    // Every text of an ASF header is converted from UTF-16 or written by the reader itself.
    murvane::fuzz::CheckValidUtf8(info);
    return 0;
}
