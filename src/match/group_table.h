// The scan's groups of files that share a song title, in the order they were founded, with an
// index from a raw title to the groups carrying it so that a lookup does not grow with the
// table.
#pragma once

#include <cstddef>
#include <deque>
#include <unordered_map>
#include <vector>

#include "text/text.h"

namespace murvane {

struct DuplicateGroup {
    std::vector<Text> paths;  // the founder first, then duplicates in the order found
    Text title;               // the founder's raw title
    Text artist;              // the founder's raw artist
    Text reserved1;
    Text reserved2;
};

class GroupTable {
  public:
    // Positions count from 1, as readers of the table address it.
    int Count() const { return static_cast<int>(groups_.size()); }
    const DuplicateGroup& At(int position) const;

    void Append(DuplicateGroup group);
    void AppendPath(int position, const Text& path);
    // Position of the first group whose title equals `title` byte for byte; 0 when none.
    int FirstWithTitle(const Text& title) const;
    // Positions of every group with that title, ascending.
    std::vector<int> AllWithTitle(const Text& title) const;
    // A table that holds only the placeholder group: one empty path, empty texts.
    void ResetToPlaceholder();

  private:
    // Most titles have one group; the rare later ones wait in `more`, which then allocates.
    struct TitlePositions {
        int first = 0;
        std::vector<int> more;
    };

    // A deque grows without moving the groups it holds or doubling its memory.
    std::deque<DuplicateGroup> groups_;
    std::unordered_map<Text, TitlePositions> positionsByTitle_;
};

}  // namespace murvane
