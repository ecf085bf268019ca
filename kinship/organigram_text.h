#pragma once
// OrgDesc.TXT as the organigram window reads it back: the text drawing of
// name lines ("#") and drawing lines ("*") in cells of 7 characters, and the
// layout values derived from its first line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenor {

constexpr std::size_t kOrganigramTextCapacity = 100000;
constexpr int kOrganigramCellWidth = 7;

// Box-drawing bytes of code page 437 used by the text drawing.
namespace box {
constexpr unsigned char kVertical = 0xB3;
constexpr unsigned char kVerticalLeft = 0xB4;
constexpr unsigned char kDownLeft = 0xBF;
constexpr unsigned char kUpRight = 0xC0;
constexpr unsigned char kHorizontalUp = 0xC1;
constexpr unsigned char kHorizontalDown = 0xC2;
constexpr unsigned char kVerticalRight = 0xC3;
constexpr unsigned char kHorizontal = 0xC4;
constexpr unsigned char kCross = 0xC5;
constexpr unsigned char kUpLeft = 0xD9;
constexpr unsigned char kDownRight = 0xDA;
}  // namespace box

class OrganigramText {
 public:
  // Nothing loaded: draws nothing.
  OrganigramText() = default;

  // Reads the file; a missing file, an empty one or one larger than the
  // capacity leaves the text empty (the window then draws nothing).
  static OrganigramText Load(const std::string& path, bool singleLine);
  // The same from bytes already in memory.
  static OrganigramText FromBytes(std::string bytes, bool singleLine);

  bool Empty() const { return rowCount_ == 0; }
  int LineLength() const { return lineLength_; }    // first line + 2 (its line end)
  int RowCount() const { return rowCount_; }
  int ColumnCount() const { return columnCount_; }
  int LeftMargin() const { return leftMargin_; }    // pixels
  int Centre() const { return centre_; }            // pixels
  int Shift() const { return shift_; }              // pixels, 40 for a single line
  bool SingleLine() const { return singleLine_; }

  // Line r, without its line end; empty outside the text.
  std::string_view Line(int r) const;
  // Byte `position` of line r, 0 outside the line.
  unsigned char ByteAt(int r, int position) const;
  // The number in the 6-character field of column c of line r (0 when none).
  int32_t NumberInCell(int r, int c) const;

  static constexpr int kLineHeight = 10;   // pixels
  static constexpr int kColumnWidth = 80;  // pixels

 private:
  void DeriveLayout();
  void MeasureLines();

  std::string bytes_;  // line ends replaced by zero bytes
  std::vector<int> lineSizes_;  // of each line, up to its first zero byte
  bool singleLine_ = false;
  int lineLength_ = 0;
  int rowCount_ = 0;
  int columnCount_ = 0;
  int leftMargin_ = 0;
  int centre_ = 0;
  int shift_ = 0;
};

}  // namespace quenor
