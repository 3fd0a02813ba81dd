#include "match/matcher.h"

#include "platform/path.h"

namespace murvane {
namespace {

constexpr int kTaskPane = 2;
constexpr int kFilesSeenPane = 6;
constexpr long long kLongestWholePath = 50;
constexpr long long kHeadSearchStart = 4;

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

void MatchFile(MatchState& state, const MatchOptions& /*options*/, Form& form, const Text& path) {
    ++state.FilesSeenCount;
    form.SetPane(kTaskPane, ProgressText(path));
    form.SetPane(kFilesSeenPane, NumberText(state.FilesSeenCount));
}

}  // namespace murvane
