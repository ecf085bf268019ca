#include "kinship/organigram_text.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace quenor {
namespace {

constexpr int kHalfColumn = 40;
constexpr int kNarrowWidth = 250;
constexpr int kNarrowCentre = 290;
constexpr int kSingleLineShift = 40;

}  // namespace

OrganigramText OrganigramText::Load(const std::string& path, bool singleLine) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return OrganigramText();
  std::string bytes;
  bytes.resize(kOrganigramTextCapacity + 1);
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  if (bytes.size() > kOrganigramTextCapacity) return OrganigramText();
  return FromBytes(std::move(bytes), singleLine);
}

OrganigramText OrganigramText::FromBytes(std::string bytes, bool singleLine) {
  OrganigramText text;
  if (bytes.empty() || bytes.size() > kOrganigramTextCapacity) return text;
  for (char& byte : bytes) {
    if (byte == '\r' || byte == '\n') byte = '\0';
  }
  text.bytes_ = std::move(bytes);
  text.singleLine_ = singleLine;
  text.DeriveLayout();
  return text;
}

void OrganigramText::DeriveLayout() {
  lineLength_ = static_cast<int>(std::strlen(bytes_.c_str())) + 2;
  rowCount_ = static_cast<int>(bytes_.size()) / lineLength_;
  columnCount_ = lineLength_ / kOrganigramCellWidth;
  int halfWidth = kHalfColumn * (columnCount_ + 1);
  leftMargin_ = halfWidth < kNarrowWidth ? kNarrowCentre - halfWidth : kHalfColumn;
  centre_ = halfWidth + leftMargin_;
  shift_ = singleLine_ ? kSingleLineShift : 0;
  MeasureLines();
}

// Each line measured once: the painting asks for every byte of every line.
void OrganigramText::MeasureLines() {
  lineSizes_.assign(static_cast<std::size_t>(rowCount_), 0);
  for (int r = 0; r < rowCount_; ++r) {
    const std::size_t start = static_cast<std::size_t>(r) * lineLength_;
    const std::size_t limit = std::min(bytes_.size(), start + lineLength_);
    std::size_t end = start;
    while (end < limit && bytes_[end] != '\0') ++end;
    lineSizes_[static_cast<std::size_t>(r)] = static_cast<int>(end - start);
  }
}

std::string_view OrganigramText::Line(int r) const {
  if (r < 0 || r >= rowCount_) return {};
  const std::size_t start = static_cast<std::size_t>(r) * lineLength_;
  return std::string_view(bytes_).substr(start, static_cast<std::size_t>(lineSizes_[static_cast<std::size_t>(r)]));
}

unsigned char OrganigramText::ByteAt(int r, int position) const {
  std::string_view line = Line(r);
  if (position < 0 || static_cast<std::size_t>(position) >= line.size()) return 0;
  return static_cast<unsigned char>(line[position]);
}

int32_t OrganigramText::NumberInCell(int r, int c) const {
  std::string_view line = Line(r);
  std::size_t start = static_cast<std::size_t>(c) * kOrganigramCellWidth + 1;
  if (c < 0 || start >= line.size()) return 0;
  std::string_view field = line.substr(start, kOrganigramCellWidth - 1);
  std::size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  int32_t value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) {
    value = value * 10 + (field[i] - '0');
  }
  return value;
}

}  // namespace quenor
