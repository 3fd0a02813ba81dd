// Runs the reader dispatch on any bytes, as a scan would on a hostile file. The first byte
// chooses the name: 0x30, the first byte of the ASF header identifier, makes it a .wma file
// (a WMA file that starts otherwise is refused at once); anything else makes it an .mp3 file,
// read for ID3v2 and then ID3v1. The whole input is the file, so real files are good seeds.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "input_file.h"
#include "tags/asf_reader.h"
#include "tags/id3v1_reader.h"
#include "tags/read_track_info.h"
#include "track_info_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using murvane::fuzz::InputFile;
    static const std::vector<murvane::Text> genres = murvane::MakeId3v1GenreNames();
    static const std::vector<murvane::Text> attributes = murvane::MakeWmaAttributeNames();
    static const InputFile mp3("input.mp3");
    static const InputFile wma("input.wma");

    const InputFile& file = size > 0 && data[0] == 0x30 ? wma : mp3;
    const murvane::TrackInfo info =
        murvane::ReadTrackInfo(file.Write(data, size), murvane::TagTables{genres, attributes});
    murvane::fuzz::CheckRecord(info, size);
    return 0;
}
