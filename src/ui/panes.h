#pragma once

namespace murvane {

// The status bar's value panes.
inline constexpr int kTaskPane = 2;
inline constexpr int kFilesSeenPane = 6;
inline constexpr int kDuplicatesPane = 10;
inline constexpr int kDisposedPane = 14;
inline constexpr int kFailuresPane = 18;

}  // namespace murvane
