#pragma once

namespace murvane {

// The one path separator of this platform.
inline constexpr char kPathSeparator = '/';

}  // namespace murvane
