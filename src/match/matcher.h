// The per-file decision: has every ticked criterion of this file been seen before in this scan?
#pragma once

#include "match/match_options.h"
#include "match/match_state.h"
#include "text/text.h"
#include "ui/form.h"

namespace murvane {

// The file name: what follows the path's last separator (the whole path when it has none).
Text FileNameOf(const Text& path);

// The path as the status bar shows it: whole up to 50 bytes, otherwise its first directory,
// ".../" and the file name.
Text ProgressText(const Text& path);

void MatchFile(MatchState& state, const MatchOptions& options, Form& form, const Text& path);

}  // namespace murvane
