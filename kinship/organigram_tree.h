#pragma once
// The descent organigram as a grid: one level per generation (the ancestor on
// the highest, the descendant on level 1) and one column per line of descent
// that brings new persons, each person standing once.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "ancestry/ancestor_table.h"

namespace quenor {

struct OrganigramCell {
  int level = 0;  // 0: not placed
  int column = 0;
};

class OrganigramTree {
 public:
  // Lays out every line of descent from `ancestor` in `table` (the
  // descendant's ancestor table, filled up to `last`).
  OrganigramTree(const AncestorTable& table, int32_t last, int32_t ancestor);

  int Levels() const { return levels_; }
  int Columns() const { return columns_; }
  int32_t Ancestor() const { return ancestor_; }
  // The ancestor's partner when it is the same at every place, else 0.
  int32_t AncestorSpouse() const { return ancestorSpouse_; }

  // 0 when the cell is empty or outside the grid.
  int32_t PersonAt(int level, int column) const;
  OrganigramCell CellOf(int32_t person) const;
  // The person above on the line that placed `person`, 0 for none.
  int32_t ParentOf(int32_t person) const;
  // The other parent at the person's couple place, 0 for none.
  int32_t PartnerOf(int32_t person) const;
  // True when `column` holds a person on a level below `level`.
  bool HasPersonBelow(int column, int level) const;

 private:
  void PlaceLines(const AncestorTable& table, int32_t last);
  void PlaceLine(const AncestorTable& table, int32_t index, int level, int column);
  void Place(int32_t person, int level, int column);
  void OrderColumns();
  int32_t FirstUnvisitedChild(int32_t person, const std::unordered_map<int32_t, bool>& visited) const;
  void MoveColumn(int from, int to);
  void FillGrid();

  int32_t ancestor_;
  int32_t ancestorSpouse_ = 0;
  int levels_ = 0;
  int columns_ = 0;
  int lineCount_ = 0;
  std::unordered_map<int32_t, OrganigramCell> cells_;
  std::unordered_map<int32_t, int32_t> parents_;
  std::unordered_map<int32_t, int32_t> partners_;
  std::unordered_map<int32_t, std::vector<int32_t>> children_;
  std::vector<int32_t> grid_;  // levels 1 to levels_, columns 0 to columns_ - 1
};

}  // namespace quenor
