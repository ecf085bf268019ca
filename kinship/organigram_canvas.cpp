#include "kinship/organigram_canvas.h"

#include <cstdio>

namespace quenor {
namespace {

bool IsBarPosition(int x) { return x % kCellWidth == kCellWidth - 1; }

// Puts `text` at `at` in `row`, never past its end.
void PutText(std::string& row, std::size_t at, const std::string& text) {
  for (std::size_t i = 0; i < text.size() && at + i < row.size(); ++i) row[at + i] = text[i];
}

// A row of `width` blanks starting with `kind` ("#" name line, "*" drawing line).
std::string BlankRow(char kind, int width) {
  std::string row(static_cast<std::size_t>(width), ' ');
  row[0] = kind;
  return row;
}

// The number right-aligned in 6 characters, blanks for nobody.
std::string NumberField(int32_t person) {
  char field[16];
  if (person != 0) {
    std::snprintf(field, sizeof field, "%6ld", static_cast<long>(person));
  } else {
    std::snprintf(field, sizeof field, "%6s", " ");
  }
  return field;
}

// A name line's cell: "#" then the number field.
std::string CellText(int32_t person) {
  std::string cell(1, '#');
  cell += NumberField(person);
  return cell;
}

// Horizontal bytes from `from` to `to` included, bar positions left alone.
void DrawHorizontal(std::string& row, int from, int to) {
  for (int x = from; x <= to && x < static_cast<int>(row.size()); ++x) {
    if (!IsBarPosition(x)) row[static_cast<std::size_t>(x)] = box::kHorizontal;
  }
}

// Replaces the middle byte of every `before`, `middle`, `after` sequence by
// `replacement` until none is left.
void ApplyJunctionRule(std::string& row, char before, char middle, char after, char replacement) {
  bool changed = true;
  while (changed) {
    changed = false;
    for (std::size_t x = 1; x + 1 < row.size(); ++x) {
      if (row[x - 1] == before && row[x] == middle && row[x + 1] == after) {
        row[x] = replacement;
        changed = true;
      }
    }
  }
}

void JoinHorizontals(std::string& row) {
  for (std::size_t x = 1; x + 1 < row.size(); ++x) {
    if (row[x] == ' ' && row[x - 1] == box::kHorizontal && row[x + 1] == box::kHorizontal) row[x] = box::kHorizontal;
  }
}

}  // namespace

OrganigramCanvas::OrganigramCanvas(const OrganigramTree& tree, int columns, int32_t ancestorSpouse)
    : tree_(tree), columns_(columns), width_(kCellWidth * columns + 1), ancestorSpouse_(ancestorSpouse) {
  rows_.resize(2 * static_cast<std::size_t>(tree_.Levels()));
  DrawNames();
  DrawParentLines();
  JoinRows();
  PutSpouseBesideAncestor();
  WriteLines();
}

void OrganigramCanvas::DrawNames() {
  for (int level = tree_.Levels(); level >= 1; --level) {
    LinkRow(level) = BlankRow('*', width_);
    std::string& names = NameRow(level);
    names.assign(static_cast<std::size_t>(width_), ' ');
    // From the right, so that a number of more than six digits keeps its
    // last digit over the next cell's "#".
    for (int c = columns_ - 1; c >= 0; --c) {
      PutText(names, static_cast<std::size_t>(kCellWidth * c), CellText(tree_.PersonAt(level, c)));
    }
  }
}

void OrganigramCanvas::DrawParentLines() {
  for (int level = 1; level <= tree_.Levels(); ++level) {
    for (int c = 0; c < columns_; ++c) {
      const int32_t person = tree_.PersonAt(level, c);
      if (person <= 0) continue;
      const int32_t parent = tree_.ParentOf(person);
      if (parent <= 0) continue;
      const OrganigramCell cell = tree_.CellOf(parent);
      if (cell.level != 0) DrawParentLine(level, c, cell);
    }
  }
}

// A bar from the person's drawing line up to the drawing line below his
// parent's names, and there a horizontal back to the parent's column. A
// parent placed on the person's level or below (lines of unequal length
// sharing persons) is joined within the person's own drawing line.
void OrganigramCanvas::DrawParentLine(int level, int column, const OrganigramCell& parent) {
  const int top = parent.level > level ? parent.level - 1 : level;
  const std::size_t firstRow = 2 * static_cast<std::size_t>(tree_.Levels() - top);
  const std::size_t lastRow = 2 * static_cast<std::size_t>(tree_.Levels() - level);
  for (std::size_t r = firstRow; r <= lastRow; ++r) rows_[r][static_cast<std::size_t>(BarPosition(column))] = box::kVertical;
  DrawHorizontal(rows_[firstRow], kCellWidth * parent.column + 7, kCellWidth * column + 5);
}

void OrganigramCanvas::JoinRows() {
  for (int level = 1; level <= tree_.Levels(); ++level) {
    std::string& row = LinkRow(level);
    ApplyJunctionRule(row, ' ', box::kVertical, box::kHorizontal, box::kBranchRight);
    ApplyJunctionRule(row, box::kHorizontal, ' ', box::kHorizontal, box::kHorizontal);
    ApplyJunctionRule(row, box::kHorizontal, box::kVertical, box::kHorizontal, box::kBranchDown);
    ApplyJunctionRule(row, box::kHorizontal, box::kVertical, ' ', box::kDownFromLeft);
  }
}

void OrganigramCanvas::PutSpouseBesideAncestor() {
  if (ancestorSpouse_ == 0) return;
  PutText(NameRow(tree_.Levels()), 8, NumberField(ancestorSpouse_));
}

// A drawing line that carries on the bars of the level's persons and of the
// lines passing through its empty cells.
std::string OrganigramCanvas::BaseRow(int level) {
  const std::string& names = NameRow(level);
  std::string base = BlankRow('*', width_);
  for (int c = 0; c < columns_; ++c) {
    const auto bar = static_cast<std::size_t>(BarPosition(c));
    if (names[bar] != ' ') base[bar] = box::kVertical;
  }
  return base;
}

// Partner links may bring a partner's cell up from a lower level, so each
// level's rows are taken only once the levels above are written.
void OrganigramCanvas::WriteLines() {
  std::vector<std::string>& out = lines_;
  for (int level = tree_.Levels(); level >= 1; --level) {
    out.push_back(LinkRow(level));
    out.push_back(NameRow(level));
    std::string base = BaseRow(level);
    for (int c = 0; c < columns_; ++c) LinkPartners(level, c, base, out);
  }
}

void OrganigramCanvas::LinkPartners(int level, int column, std::string& base, std::vector<std::string>& out) {
  const int32_t person = tree_.PersonAt(level, column);
  if (person <= 0) return;
  const int32_t partner = tree_.PartnerOf(person);
  if (partner == 0) return;
  const OrganigramCell cell = tree_.CellOf(partner);
  if (cell.level == level && cell.column > column) LinkOnSameLevel(level, column, cell.column, base, out);
  // A partner lower in the same column is already joined to the person by
  // the column's bar.
  if (cell.level != 0 && cell.level < level && cell.column != column) LinkToLowerLevel(level, column, cell, base, out);
}

// The corner under one end of a partner link: a branch when the column goes
// on below `level`, else a corner that ends the column's bar.
void OrganigramCanvas::PutCorner(std::string& row, std::string& base, int column, int level, bool left) {
  const auto bar = static_cast<std::size_t>(BarPosition(column));
  if (tree_.HasPersonBelow(column, level)) {
    row[bar] = left ? box::kBranchRight : box::kBranchLeft;
  } else {
    row[bar] = left ? box::kUpToRight : box::kUpToLeft;
    base[bar] = ' ';
  }
}

void OrganigramCanvas::LinkOnSameLevel(int level, int column, int partnerColumn, std::string& base,
                                       std::vector<std::string>& out) {
  std::string row = base;
  DrawHorizontal(row, kCellWidth * column + 7, kCellWidth * partnerColumn + 5);
  PutCorner(row, base, column, level, true);
  PutCorner(row, base, partnerColumn, level, false);
  JoinHorizontals(row);
  out.push_back(row);
}

// The partner stands lower in the tree: his cell is brought up beside the
// person, and a link joins the two.
void OrganigramCanvas::LinkToLowerLevel(int level, int column, const OrganigramCell& partner, std::string& base,
                                        std::vector<std::string>& out) {
  const auto cellStart = static_cast<std::size_t>(kCellWidth * partner.column);
  const auto bar = static_cast<std::size_t>(BarPosition(partner.column));
  std::string& partnerNames = NameRow(partner.level);
  std::string& partnerLink = LinkRow(partner.level);
  std::string moved = base;
  for (std::size_t i = 0; i < static_cast<std::size_t>(kCellWidth); ++i) {
    moved[cellStart + i] = partnerNames[cellStart + i];
    if (cellStart + i == 0) continue;  // the kind of the line stays
    partnerNames[cellStart + i] = ' ';
    partnerLink[cellStart + i] = ' ';
  }
  if (tree_.HasPersonBelow(partner.column, partner.level)) {
    partnerNames[bar] = box::kVertical;
    partnerLink[bar] = box::kVertical;
  }
  moved[0] = '#';
  out.push_back(moved);

  const bool personLeft = column < partner.column;
  const int left = personLeft ? column : partner.column;
  const int right = personLeft ? partner.column : column;
  std::string link = base;
  PutCorner(link, base, left, personLeft ? level : partner.level, true);
  PutCorner(link, base, right, personLeft ? partner.level : level, false);
  for (int x = BarPosition(left) + 1; x < BarPosition(right); ++x) {
    if (link[static_cast<std::size_t>(x)] == ' ') link[static_cast<std::size_t>(x)] = box::kHorizontal;
  }
  out.push_back(link);
  if (partner.column > column) out.push_back(link);
}

}  // namespace quenor
