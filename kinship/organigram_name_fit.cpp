#include "kinship/organigram_name_fit.h"

#include <algorithm>

namespace quenor {
namespace {

constexpr double kFactorStep = 0.05;
constexpr int kGivenNames = 2;
constexpr int kSurname = 3;

const std::vector<std::string> kNoLines;

// Appends the lines of `text` cut at its blanks, none wider than `room` when
// a word allows it; false when a word alone is wider. An empty text is one
// empty line, so that the surname keeps its place under the given names.
bool WrapAtBlanks(const std::string& text, const NameWidth& width, double factor, int room,
                  std::vector<std::string>& lines) {
  std::string line;
  bool fits = true;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    if (end > start) {
      const std::string word = text.substr(start, end - start);
      const std::string longer = line.empty() ? word : line + ' ' + word;
      if (line.empty() || width(longer, factor) <= room) {
        line = longer;
      } else {
        lines.push_back(line);
        line = word;
      }
      if (width(line, factor) > room) fits = false;
    }
    start = end + 1;
  }
  lines.push_back(line);
  return fits;
}

}  // namespace

OrganigramNameFit OrganigramNameFit::Make(const OrganigramText& text, const OrganigramNames& names,
                                          const NameWidth& width, int room) {
  OrganigramNameFit fit;
  double factor = 1.0;
  while (!fit.FitAll(text, names, width, room, factor) && factor > kSmallestFactor) {
    factor = std::max(kSmallestFactor, factor - kFactorStep);
  }
  fit.factor_ = factor;
  return fit;
}

bool OrganigramNameFit::FitAll(const OrganigramText& text, const OrganigramNames& names, const NameWidth& width,
                               int room, double factor) {
  lines_.assign(static_cast<std::size_t>(text.RowCount()), {});
  pitch_.assign(static_cast<std::size_t>(text.RowCount()), kUsualLines);
  bool fits = true;
  for (int r = 0; r < text.RowCount(); ++r) {
    if (!IsPersonsLine(text, r)) continue;
    auto& row = lines_[static_cast<std::size_t>(r)];
    row.assign(static_cast<std::size_t>(text.ColumnCount()), {});
    for (int c = 0; c < text.ColumnCount(); ++c) {
      const int32_t person = text.NumberInCell(r, c);
      if (person <= 0) continue;
      std::vector<std::string>& lines = row[static_cast<std::size_t>(c)];
      fits &= WrapAtBlanks(names(kGivenNames, person), width, factor, room, lines);
      fits &= WrapAtBlanks(names(kSurname, person), width, factor, room, lines);
      fits &= lines.size() <= static_cast<std::size_t>(kMostLines);
      // A name that does not fit even at the smallest size gets the lines it needs.
      int& pitch = pitch_[static_cast<std::size_t>(r)];
      pitch = std::max(pitch, static_cast<int>(lines.size()));
    }
  }
  return fits;
}

const std::vector<std::string>& OrganigramNameFit::Lines(int r, int c) const {
  if (r < 0 || static_cast<std::size_t>(r) >= lines_.size()) return kNoLines;
  const auto& row = lines_[static_cast<std::size_t>(r)];
  if (c < 0 || static_cast<std::size_t>(c) >= row.size()) return kNoLines;
  return row[static_cast<std::size_t>(c)];
}

int OrganigramNameFit::Pitch(int r) const {
  if (r < 0 || static_cast<std::size_t>(r) >= pitch_.size()) return kUsualLines;
  return pitch_[static_cast<std::size_t>(r)];
}

bool OrganigramNameFit::AllLinesFit(const NameWidth& width, int room, double factor) const {
  for (const auto& row : lines_) {
    for (const auto& cell : row) {
      for (const std::string& line : cell) {
        if (width(line, factor) > room) return false;
      }
    }
  }
  return true;
}

double OrganigramNameFit::FactorToFit(const NameWidth& width, int room) const {
  double factor = factor_;
  while (factor > kSmallestFactor && !AllLinesFit(width, room, factor)) {
    factor = std::max(kSmallestFactor, factor - kFactorStep);
  }
  return factor;
}

}  // namespace quenor
