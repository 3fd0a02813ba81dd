#include "match/group_table.h"

namespace murvane {

const DuplicateGroup& GroupTable::At(int position) const {
    return groups_.at(static_cast<std::size_t>(position - 1));
}

void GroupTable::Append(DuplicateGroup group) {
    const int position = Count() + 1;
    auto [entry, isNew] = positionsByTitle_.try_emplace(group.title, TitlePositions{position, {}});
    if (!isNew) entry->second.more.push_back(position);
    groups_.push_back(std::move(group));
}

void GroupTable::AppendPath(int position, const Text& path) {
    groups_.at(static_cast<std::size_t>(position - 1)).paths.push_back(path);
}

int GroupTable::FirstWithTitle(const Text& title) const {
    const auto found = positionsByTitle_.find(title);
    return found == positionsByTitle_.end() ? 0 : found->second.first;
}

std::vector<int> GroupTable::AllWithTitle(const Text& title) const {
    const auto found = positionsByTitle_.find(title);
    if (found == positionsByTitle_.end()) return {};
    std::vector<int> positions{found->second.first};
    positions.insert(positions.end(), found->second.more.begin(), found->second.more.end());
    return positions;
}

void GroupTable::ResetToPlaceholder() {
    groups_.clear();
    positionsByTitle_.clear();
    Append(DuplicateGroup{{Text()}, {}, {}, {}, {}});
}

}  // namespace murvane
