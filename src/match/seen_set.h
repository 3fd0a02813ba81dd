// A set of texts compared byte for byte, remembering the order in which they were added.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "text/text.h"

namespace murvane {

class SeenSet {
  public:
    // True when the key was new and has been inserted; false (and no change) when seen before.
    bool Add(const Text& key);
    bool Remove(const Text& key);
    std::vector<Text> Keys() const;  // in the order they were added
    void Clear();
    std::size_t Size() const { return order_.size(); }

  private:
    std::unordered_map<Text, std::uint64_t> order_;
    std::uint64_t nextOrder_ = 0;
};

}  // namespace murvane
