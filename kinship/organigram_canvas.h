#pragma once
// The text drawing of a descent organigram, as OrgDesc.TXT holds it: for each
// level a drawing line ("*") and a name line ("#") of cells 7 characters
// wide, with code page 437 box-drawing bytes joining each person to the one
// above him, then the lines that join partners.
#include <string>
#include <vector>

#include "kinship/organigram_tree.h"

namespace quenor {

namespace box {
constexpr char kVertical = '\xB3';         // │
constexpr char kHorizontal = '\xC4';       // ─
constexpr char kBranchRight = '\xC3';      // ├
constexpr char kBranchLeft = '\xB4';       // ┤
constexpr char kBranchDown = '\xC2';       // ┬
constexpr char kDownFromLeft = '\xBF';     // ┐
constexpr char kUpToRight = '\xC0';        // └
constexpr char kUpToLeft = '\xD9';         // ┘
}  // namespace box

constexpr int kCellWidth = 7;

// The bar position of column c: under the last digit of its number.
constexpr int BarPosition(int column) { return kCellWidth * column + 6; }

class OrganigramCanvas {
 public:
  // `columns` is at least 2 and at least the tree's column count. When
  // `ancestorSpouse` is not 0 its number stands beside the ancestor.
  OrganigramCanvas(const OrganigramTree& tree, int columns, int32_t ancestorSpouse);

  // The lines of OrgDesc.TXT, without their line ends, from the ancestor's
  // level down to the descendant's.
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::string& LinkRow(int level) { return rows_[2 * static_cast<std::size_t>(tree_.Levels() - level)]; }
  std::string& NameRow(int level) { return rows_[2 * static_cast<std::size_t>(tree_.Levels() - level) + 1]; }
  void DrawNames();
  void DrawParentLines();
  void DrawParentLine(int level, int column, const OrganigramCell& parent);
  void JoinRows();
  void PutSpouseBesideAncestor();
  void WriteLines();
  std::string BaseRow(int level);
  void LinkPartners(int level, int column, std::string& base, std::vector<std::string>& out);
  void LinkOnSameLevel(int level, int column, int partnerColumn, std::string& base, std::vector<std::string>& out);
  void LinkToLowerLevel(int level, int column, const OrganigramCell& partner, std::string& base,
                        std::vector<std::string>& out);
  void PutCorner(std::string& row, std::string& base, int column, int level, bool left);

  const OrganigramTree& tree_;
  const int columns_;
  const int width_;
  const int32_t ancestorSpouse_;
  std::vector<std::string> rows_;  // link row then name row, for each level from the highest
  std::vector<std::string> lines_;
};

}  // namespace quenor
