#include "match/group_table.h"

namespace murvane {

const DuplicateGroup& GroupTable::At(int position) const {
    return groups_.at(static_cast<std::size_t>(position - 1));
}

void GroupTable::Append(DuplicateGroup group) {
    positionsByTitle_[group.title].push_back(Count() + 1);
    groups_.push_back(std::move(group));
}

void GroupTable::AppendPath(int position, const Text& path) {
    groups_.at(static_cast<std::size_t>(position - 1)).paths.push_back(path);
}

int GroupTable::FirstWithTitle(const Text& title) const {
    const std::vector<int>& positions = AllWithTitle(title);
    return positions.empty() ? 0 : positions.front();
}

const std::vector<int>& GroupTable::AllWithTitle(const Text& title) const {
    static const std::vector<int> kNone;
    const auto found = positionsByTitle_.find(title);
    return found == positionsByTitle_.end() ? kNone : found->second;
}

void GroupTable::ResetToPlaceholder() {
    groups_.clear();
    positionsByTitle_.clear();
    Append(DuplicateGroup{{Text()}, {}, {}, {}, {}});
}

}  // namespace murvane
