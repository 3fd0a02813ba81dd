#include "match/matcher.h"

#include "platform/path.h"
#include "ui/panes.h"

namespace murvane {
namespace {

constexpr long long kLongestWholePath = 50;
constexpr long long kHeadSearchStart = 4;
constexpr Control kMainList = Control::超级列表框_主;
constexpr int kCountColumn = 3;

// A criterion that is not ticked always agrees; a ticked one agrees when the non-empty value
// was already in its set. The value is added either way, duplicates included.
int SeenBefore(int ticked, SeenSet& seen, const Text& value) {
    if (!ticked) return 1;
    return !value.empty() && !seen.Add(value) ? 1 : 0;
}

}  // namespace

Text FileNameOf(const Text& path) {
    const auto length = static_cast<long long>(path.size());
    return LastBytes(path, length - FindLastChar(path, kPathSeparator));
}

Text ProgressText(const Text& path) {
    if (static_cast<long long>(path.size()) <= kLongestWholePath) return path;
    const Text separator(1, kPathSeparator);
    const Text head = FirstBytes(path, FindText(path, separator, kHeadSearchStart));
    return head + "..." + separator + FileNameOf(path);
}

void Matcher::MatchFile(const Text& path) {
    ++state_.FilesSeenCount;
    const Text fileName = FileNameOf(path);
    form_.SetPane(kTaskPane, ProgressText(path));
    form_.SetPane(kFilesSeenPane, NumberText(state_.FilesSeenCount));

    const TrackInfo info = readTrack_(path);
    if (ComputeFlags(fileName, info).All()) {
        RecordDuplicate(path, info);
    } else {
        state_.groupTable.Append(DuplicateGroup{{path}, info.title, info.artist, {}, {}});
    }
}

Matcher::MatchFlags Matcher::ComputeFlags(const Text& fileName, const TrackInfo& info) {
    MatchFlags flags;
    flags.fileName = SeenBefore(options_.byFileName, state_.SeenFileNames, fileName);
    flags.title = SeenBefore(options_.byTitle, state_.SeenTitles, TrimBlanks(info.title));
    flags.artist = SeenBefore(options_.byArtist, state_.SeenArtists, TrimBlanks(info.artist));
    // Size and MD5 are offered but never compared: ticking either makes every file new.
    flags.size = options_.bySize ? 0 : 1;
    flags.md5 = options_.byMd5 ? 0 : 1;
    return flags;
}

void Matcher::RecordDuplicate(const Text& path, const TrackInfo& info) {
    const int row = ListRowFor(info);
    if (const int position = state_.groupTable.FirstWithTitle(info.title); position != 0) {
        state_.groupTable.AppendPath(position, path);
        // Rows past the number of groups keep their count, as the row walk has always stopped
        // there.
        if (row <= state_.groupTable.Count()) {
            const auto count = state_.groupTable.At(position).paths.size();
            form_.SetCell(kMainList, row, kCountColumn, NumberText(static_cast<long long>(count)));
        }
    }
    ++state_.DuplicateCount;
    form_.SetPane(kDuplicatesPane, NumberText(state_.DuplicateCount));
}

// The main-list row of the file's raw title, appended when the title is listed for the first
// time.
int Matcher::ListRowFor(const TrackInfo& info) {
    if (!state_.ListedTitles.Add(info.title)) return state_.listedRows.at(info.title);
    const int row = form_.AppendRow(kMainList);
    form_.SetCell(kMainList, row, 0, NumberText(row + 1));
    form_.SetCell(kMainList, row, 1, info.title);
    form_.SetCell(kMainList, row, 2, info.artist);
    form_.SetCell(kMainList, row, kCountColumn, "1");
    state_.listedRows.emplace(info.title, row);
    return row;
}

}  // namespace murvane
