#include "gedcom/marriage_lines.h"

namespace quenor {

void MarriageLines::Clear() {
  lines_ = {};
  byFamily_ = {};
}

void MarriageLines::Reserve(std::size_t lines, std::size_t bytes, int32_t highestFamily) {
  lines_.Reserve(lines, bytes);
  if (highestFamily >= 0) byFamily_.reserve(static_cast<std::size_t>(highestFamily) + 1);
}

uint32_t MarriageLines::Append(const PackedTexts& lines) {
  const auto first = static_cast<uint32_t>(lines_.Size());
  lines_.Append(lines);
  return first;
}

void MarriageLines::Assign(int32_t family, uint32_t line) {
  if (family < 0) return;
  if (static_cast<std::size_t>(family) >= byFamily_.size()) byFamily_.resize(static_cast<std::size_t>(family) + 1, 0);
  byFamily_[static_cast<std::size_t>(family)] = line == kNone ? 0 : line + 1;
}

}  // namespace quenor
