#include "match/group_table.h"

namespace murvane {

const DuplicateGroup& GroupTable::At(int position) const {
    return groups_.at(static_cast<std::size_t>(position - 1));
}

void GroupTable::Append(DuplicateGroup group) {
    firstByTitle_.try_emplace(group.title, Count() + 1);
    groups_.push_back(std::move(group));
}

void GroupTable::AppendPath(int position, const Text& path) {
    groups_.at(static_cast<std::size_t>(position - 1)).paths.push_back(path);
}

int GroupTable::FirstWithTitle(const Text& title) const {
    const auto found = firstByTitle_.find(title);
    return found == firstByTitle_.end() ? 0 : found->second;
}

void GroupTable::ResetToPlaceholder() {
    groups_.clear();
    firstByTitle_.clear();
    Append(DuplicateGroup{{Text()}, {}, {}, {}, {}});
}

}  // namespace murvane
