#include "match/seen_set.h"

#include <algorithm>

namespace murvane {

bool SeenSet::Add(const Text& key) {
    return order_.try_emplace(key, nextOrder_++).second;
}

bool SeenSet::Remove(const Text& key) {
    return order_.erase(key) == 1;
}

std::vector<Text> SeenSet::Keys() const {
    std::vector<std::pair<std::uint64_t, const Text*>> byOrder;
    byOrder.reserve(order_.size());
    for (const auto& [key, order] : order_) byOrder.emplace_back(order, &key);
    std::sort(byOrder.begin(), byOrder.end());
    std::vector<Text> keys;
    keys.reserve(byOrder.size());
    for (const auto& entry : byOrder) keys.push_back(*entry.second);
    return keys;
}

void SeenSet::Clear() {
    order_.clear();
    nextOrder_ = 0;
}

}  // namespace murvane
