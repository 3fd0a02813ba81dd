#include "tags/id3v1_reader.h"

#include <array>
#include <span>
#include <string_view>

#include "platform/file_reader.h"

namespace murvane {
namespace {

constexpr long long kBlockSize = 128;

struct Field {
    std::size_t offset;
    std::size_t length;
    Text TrackInfo::*target;
};

// Byte 125 is the zero that marks an ID3v1.1 track number; it is not read, so the comment
// is always taken as 28 bytes.
constexpr Field kTextFields[] = {
    {3, 30, &TrackInfo::title}, {33, 30, &TrackInfo::artist},  {63, 30, &TrackInfo::album},
    {93, 4, &TrackInfo::year},  {97, 28, &TrackInfo::comment},
};
constexpr std::size_t kTrackByte = 126;
constexpr std::size_t kGenreByte = 127;

// The field's bytes up to its first zero byte, as they stand, without their outer blanks.
Text FieldText(std::span<const unsigned char> block, const Field& field) {
    const std::string_view bytes(reinterpret_cast<const char*>(block.data()) + field.offset,
                                 field.length);
    return TrimBlanks(bytes.substr(0, bytes.find('\0')));
}

}  // namespace

std::vector<Text> MakeId3v1GenreNames() {
    return {
        "Blues",
        "Classic Rock",
        "Country",
        "Dance",
        "Disco",
        "Funk",
        "Grunge",
        "Hip-Hop",
        "Jazz",
        "Metal",
        "New Age",
        "Oldies",
        "Other",
        "Pop",
        "R&B",
        "Rap",
        "Reggae",
        "Rock",
        "Techno",
        "Industrial",
        "Alternative",
        "Ska",
        "Death Metal",
        "Pranks",
        "Soundtrack",
        "Euro-Techno",
        "Ambient",
        "Trip-Hop",
        "Vocal",
        "Jazz+Funk",
        "Fusion",
        "Trance",
        "Classical",
        "Instrumental",
        "Acid",
        "House",
        "Game",
        "Sound Clip",
        "Gospel",
        "Noise",
        "AlternRock",
        "Bass",
        "Soul",
        "Punk",
        "Space",
        "Meditative",
        "Instrumental Pop",
        "Instrumental Rock",
        "Ethnic",
        "Gothic",
        "Darkwave",
        "Techno-Industrial",
        "Electronic",
        "Pop-Folk",
        "Eurodance",
        "Dream",
        "Southern Rock",
        "Comedy",
        "Cult",
        "Gangsta",
        "Top 40",
        "Christian Rap",
        "Pop/Funk",
        "Jungle",
        "Native American",
        "Cabaret",
        "New Wave",
        "Psychadelic",
        "Rave",
        "Showtunes",
        "Trailer",
        "Lo-Fi",
        "Tribal",
        "Acid Punk",
        "Acid Jazz",
        "Polka",
        "Retro",
        "Musical",
        "Rock & Roll",
        "Hard Rock",
        "Folk",
        "Folk-Rock",
        "National Folk",
        "Swing",
        "Fast Fusion",
        "Bebob",
        "Latin",
        "Revival",
        "Celtic",
        "Bluegrass",
        "Avantgarde",
        "Gothic Rock",
        "Progressive Rock",
        "Psychedelic Rock",
        "Symphonic Rock",
        "Slow Rock",
        "Big Band",
        "Chorus",
        "Easy Listening",
        "Acoustic",
        "Humour",
        "Speech",
        "Chanson",
        "Opera",
        "Chamber Music",
        "Sonata",
        "Symphony",
        "Booty Bass",
        "Primus",
        "Porn Groove",
        "Satire",
        "Slow Jam",
        "Club",
        "Tango",
        "Samba",
        "Folklore",
        "Ballad",
        "Power Ballad",
        "Rhythmic Soul",
        "Freestyle",
        "Duet",
        "Punk Rock",
        "Drum Solo",
        "A capella",
        "Euro-House",
        "Dance Hall",
        "Goa",
        "Drum & Bass",
        "Club-House",
        "Hardcore",
        "Terror",
        "Indie",
        "BritPop",
        "Afro-Punk",
        "Polsk Punk",
        "Beat",
        "Christian Gangsta Rap",
        "Heavy Metal",
        "Black Metal",
        "Crossover",
        "Contemporary Christian",
        "Christian Rock",
        "Merengue",
        "Salsa",
        "Thrash Metal",
        "Anime",
        "JPop",
        "Synthpop",
    };
}

bool ReadId3v1Tag(const Text& path, TrackInfo& info, const std::vector<Text>& genreNames) {
    FileReader file;
    if (!file.Open(path)) return false;
    // A file shorter than the block is read from its start; the bytes it lacks stay zero.
    file.Seek(-kBlockSize, FileReader::Origin::End);
    std::array<unsigned char, kBlockSize> block{};
    file.ReadInto(block);
    file.Close();
    if (std::string_view(reinterpret_cast<const char*>(block.data()), 3) != "TAG") return false;

    for (const Field& field : kTextFields) info.*field.target = FieldText(block, field);
    info.track = NumberText(block[kTrackByte]);
    const unsigned char genre = block[kGenreByte];
    if (genre < genreNames.size()) info.genre = genreNames[genre];
    return true;
}

}  // namespace murvane
