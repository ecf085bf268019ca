#include "kinship/organigram_tree.h"

#include <algorithm>

namespace quenor {
namespace {

// The bit length of the deepest index at which `person` stands.
int DeepestLevel(const AncestorTable& table, int32_t last, int32_t person) {
  for (int32_t i = std::min(last, AncestorTable::kSize - 1); i >= 2; --i) {
    if (table[i] == person) return GenerationOf(i);
  }
  return 0;
}

bool Before(const OrganigramCell& a, const OrganigramCell& b) {
  return a.column != b.column ? a.column < b.column : a.level < b.level;
}

}  // namespace

OrganigramTree::OrganigramTree(const AncestorTable& table, int32_t last, int32_t ancestor) : ancestor_(ancestor) {
  levels_ = DeepestLevel(table, last, ancestor);
  if (levels_ == 0) return;
  PlaceLines(table, last);
  OrderColumns();
  FillGrid();
}

// Line m (counted from 1, deepest places first) puts its new persons in
// column 0 for the first line and in a temporary column beyond every final
// one for the others, until the ordering gives it its final column.
void OrganigramTree::PlaceLines(const AncestorTable& table, int32_t last) {
  std::vector<int32_t> places;
  for (int level = levels_; level >= 2; --level) {
    const int32_t end = std::min<int32_t>((int32_t{1} << level) - 1, last);
    for (int32_t i = int32_t{1} << (level - 1); i <= end; ++i) {
      if (table[i] == ancestor_) places.push_back(i);
    }
  }
  lineCount_ = static_cast<int>(places.size());
  for (int m = 1; m <= lineCount_; ++m) {
    const int32_t i = places[static_cast<std::size_t>(m - 1)];
    const int32_t partner = table[i ^ 1];
    if (m == 1) ancestorSpouse_ = partner;
    else if (ancestorSpouse_ != partner) ancestorSpouse_ = 0;
    PlaceLine(table, i, GenerationOf(i), m == 1 ? 0 : lineCount_ + m - 1);
  }
}

void OrganigramTree::PlaceLine(const AncestorTable& table, int32_t index, int level, int column) {
  if (CellOf(ancestor_).level == 0) Place(ancestor_, level, column);
  int32_t previous = ancestor_;
  for (int32_t j = index / 2; j > 0; j /= 2) {
    --level;
    const int32_t person = table[j];
    if (person > 0 && CellOf(person).level == 0) {
      Place(person, level, column);
      parents_[person] = previous;
      children_[previous].push_back(person);
      if (const int32_t partner = table[j ^ 1]; partner != 0) {
        partners_[person] = partner;
        partners_[partner] = person;
      }
    }
    previous = person;
  }
}

void OrganigramTree::Place(int32_t person, int level, int column) { cells_[person] = {level, column}; }

// A depth-first walk from the ancestor gives the lines their final columns in
// the order it meets them; each walk down marks the person where it stops.
void OrganigramTree::OrderColumns() {
  const int firstTemporary = lineCount_ + 1;
  int next = 0;
  std::unordered_map<int32_t, bool> visited;
  for (;;) {
    int32_t current = ancestor_;
    int stopLevel = levels_;
    bool movedColumn = false;
    while (const int32_t child = FirstUnvisitedChild(current, visited)) {
      const OrganigramCell cell = CellOf(child);
      stopLevel = cell.level;
      if (cell.column >= firstTemporary) {
        MoveColumn(cell.column, ++next);
        movedColumn = true;  // the walk now stands on an emptied cell
        break;
      }
      current = child;
    }
    if (!movedColumn) visited[current] = true;
    if (stopLevel >= levels_) break;
  }
  // Every person hangs below the ancestor, so no temporary column is left;
  // should one be, it still gets a column of its own.
  for (auto& [person, cell] : cells_) {
    if (cell.column >= firstTemporary) MoveColumn(cell.column, ++next);
  }
  columns_ = next + 1;
}

int32_t OrganigramTree::FirstUnvisitedChild(int32_t person, const std::unordered_map<int32_t, bool>& visited) const {
  const auto found = children_.find(person);
  if (found == children_.end()) return 0;
  int32_t first = 0;
  for (const int32_t child : found->second) {
    if (visited.count(child) != 0) continue;
    if (first == 0 || Before(CellOf(child), CellOf(first))) first = child;
  }
  return first;
}

void OrganigramTree::MoveColumn(int from, int to) {
  for (auto& [person, cell] : cells_) {
    if (cell.column == from) cell.column = to;
  }
}

void OrganigramTree::FillGrid() {
  grid_.assign(static_cast<std::size_t>(levels_ + 1) * static_cast<std::size_t>(columns_), 0);
  for (const auto& [person, cell] : cells_) {
    grid_[static_cast<std::size_t>(cell.level) * static_cast<std::size_t>(columns_) +
          static_cast<std::size_t>(cell.column)] = person;
  }
}

int32_t OrganigramTree::PersonAt(int level, int column) const {
  if (level < 1 || level > levels_ || column < 0 || column >= columns_) return 0;
  return grid_[static_cast<std::size_t>(level) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column)];
}

OrganigramCell OrganigramTree::CellOf(int32_t person) const {
  const auto found = cells_.find(person);
  return found != cells_.end() ? found->second : OrganigramCell{};
}

int32_t OrganigramTree::ParentOf(int32_t person) const {
  const auto found = parents_.find(person);
  return found != parents_.end() ? found->second : 0;
}

int32_t OrganigramTree::PartnerOf(int32_t person) const {
  const auto found = partners_.find(person);
  return found != partners_.end() ? found->second : 0;
}

bool OrganigramTree::HasPersonBelow(int column, int level) const {
  for (int l = 1; l < level; ++l) {
    if (PersonAt(l, column) != 0) return true;
  }
  return false;
}

}  // namespace quenor
