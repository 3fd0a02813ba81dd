#include <span>

#include "app/app_state.h"
#include "cli/cli.h"
#include "cli/json_writer.h"
#include "tags/read_track_info.h"

namespace murvane {
namespace {

struct TextField {
    const char* name;
    Text TrackInfo::*field;
};

// The record's text fields in their order; `picture` stands between duration and extra2.
constexpr TextField kFieldsBeforePicture[] = {
    {"artist", &TrackInfo::artist},
    {"title", &TrackInfo::title},
    {"album", &TrackInfo::album},
    {"rights", &TrackInfo::rights},
    {"comment", &TrackInfo::comment},
    {"track", &TrackInfo::track},
    {"encodedBy", &TrackInfo::encodedBy},
    {"genre", &TrackInfo::genre},
    {"lyrics", &TrackInfo::lyrics},
    {"year", &TrackInfo::year},
    {"url", &TrackInfo::url},
    {"composer", &TrackInfo::composer},
    {"extra1", &TrackInfo::extra1},
    {"spare1", &TrackInfo::spare1},
    {"bitrate", &TrackInfo::bitrate},
    {"sampleRate", &TrackInfo::sampleRate},
    {"channels", &TrackInfo::channels},
    {"spare2", &TrackInfo::spare2},
    {"spare3", &TrackInfo::spare3},
    {"duration", &TrackInfo::duration},
};

void WriteRecord(std::ostream& out, const Text& path, const TrackInfo& info, bool withPicture) {
    out << "{\"path\": ";
    WriteJsonText(out, path);
    for (const TextField& field : kFieldsBeforePicture) {
        out << ", \"" << field.name << "\": ";
        WriteJsonText(out, info.*field.field);
    }
    out << ", \"picture\": {\"size\": " << info.picture.size();
    if (withPicture) {
        out << ", \"hex\": ";
        WriteHex(out, info.picture);
    }
    out << "}, \"extra2\": ";
    WriteJsonText(out, info.extra2);
    out << "}\n";
}

}  // namespace

int RunTagsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool withPicture = false;
    std::vector<Text> files;
    for (const std::string& arg : args) {
        if (arg == "--picture") {
            withPicture = true;
        } else if (arg.starts_with("--")) {
            return UsageError(err, "unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) return UsageError(err, "tags needs at least one FILE");

    const AppState state;
    const TagTables tables{state.Id3v1GenreNames, state.WmaAttributeNames};
    for (const Text& file : files) WriteRecord(out, file, ReadTrackInfo(file, tables), withPicture);
    return 0;
}

}  // namespace murvane
