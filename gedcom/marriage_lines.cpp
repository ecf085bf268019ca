#include "gedcom/marriage_lines.h"

namespace quenor {

void MarriageLines::Clear() {
  blocks_ = {};
  byFamily_ = {};
}

uint32_t MarriageLines::Append(PackedTexts&& lines) {
  blocks_.push_back(std::move(lines));
  return static_cast<uint32_t>(blocks_.size() - 1);
}

void MarriageLines::Reserve(int32_t highestFamily) {
  if (highestFamily >= 0) byFamily_.reserve(static_cast<std::size_t>(highestFamily) + 1);
}

void MarriageLines::Assign(int32_t family, uint32_t block, uint32_t line) {
  if (family < 0) return;
  if (static_cast<std::size_t>(family) >= byFamily_.size()) byFamily_.resize(static_cast<std::size_t>(family) + 1, 0);
  byFamily_[static_cast<std::size_t>(family)] = line == kNone ? 0 : (uint64_t{block} + 1) << 32 | line;
}

}  // namespace quenor
