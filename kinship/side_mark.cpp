#include "kinship/side_mark.h"

#include <algorithm>

namespace quenor {

SideMark::SideMark(int32_t flatLimit) : marks_(static_cast<std::size_t>(std::max(flatLimit, 0)) + 1, 0) {}

void SideMark::Clear() {
  std::fill(marks_.begin(), marks_.end(), 0);
  beyond_.clear();
}

void SideMark::Mark(int32_t person, uint8_t side) {
  if (person <= 0) return;
  if (static_cast<std::size_t>(person) < marks_.size()) {
    marks_[static_cast<std::size_t>(person)] |= side;
  } else {
    beyond_[person] |= side;
  }
}

uint8_t SideMark::Of(int32_t person) const {
  if (person <= 0) return 0;
  if (static_cast<std::size_t>(person) < marks_.size()) return marks_[static_cast<std::size_t>(person)];
  const auto found = beyond_.find(person);
  return found != beyond_.end() ? found->second : 0;
}

void SideMark::MarkTable(const AncestorTable& table, int32_t last, uint8_t side) {
  for (int32_t k = 1; k <= last; ++k) Mark(table[k], side);
}

std::vector<int32_t> SideMark::OnBothSides() const {
  std::vector<int32_t> persons;
  for (std::size_t n = 1; n < marks_.size(); ++n) {
    if (marks_[n] == kBothSides) persons.push_back(static_cast<int32_t>(n));
  }
  for (const auto& [person, side] : beyond_) {
    if (side == kBothSides) persons.push_back(person);
  }
  return persons;
}

}  // namespace quenor
