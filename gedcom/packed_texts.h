#pragma once
// Short texts kept one after the other in a single string, each found by its
// number: a million names or marriage lines without a million allocations.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenor {

class PackedTexts {
 public:
  // Adds a text and returns its number (0 for the first).
  uint32_t Add(std::string_view text) {
    bytes_.append(text);
    ends_.push_back(static_cast<uint32_t>(bytes_.size()));
    return static_cast<uint32_t>(ends_.size() - 1);
  }
  std::string_view Get(uint32_t i) const {
    const uint32_t start = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(bytes_).substr(start, ends_[i] - start);
  }
  std::size_t Size() const { return ends_.size(); }
  // Forgets the texts, keeping the room they took.
  void Clear() {
    bytes_.clear();
    ends_.clear();
  }
  std::size_t Bytes() const { return bytes_.size(); }
  // Adds the texts of `other` after these, in their order.
  void Append(const PackedTexts& other) {
    const auto base = static_cast<uint32_t>(bytes_.size());
    bytes_.append(other.bytes_);
    for (const uint32_t end : other.ends_) ends_.push_back(base + end);
  }
  // Room for `texts` texts of `bytes` bytes in all.
  void Reserve(std::size_t texts, std::size_t bytes) {
    ends_.reserve(ends_.size() + texts);
    bytes_.reserve(bytes_.size() + bytes);
  }

 private:
  std::string bytes_;
  std::vector<uint32_t> ends_;
};

}  // namespace quenor
