#pragma once
// The names of the organigram fitted to their cells. A person's given names
// and surname stand under one another, centred on his column; the persons of
// the neighbouring columns stand lower or higher, and their bars run beside
// him. A name wider than the room between those bars is wrapped at its
// blanks; a name line holding a name of three lines is drawn taller; a name
// that would need more than three lines, or a word wider than the room,
// makes the names of the whole drawing smaller.
#include <string>
#include <vector>

#include "kinship/organigram_painting.h"
#include "kinship/organigram_text.h"

namespace quenor {

class OrganigramNameFit {
 public:
  static constexpr int kUsualLines = 2;  // the given names, the surname
  static constexpr int kMostLines = 3;
  static constexpr double kSmallestFactor = 0.5;

  // Nothing fitted: given names and surname on one line each, at full size.
  OrganigramNameFit() = default;

  // Fits the name of every person the drawing shows into `room` pixels
  // (OrganigramNameRoom), measured with `width`.
  static OrganigramNameFit Make(const OrganigramText& text, const OrganigramNames& names,
                                const NameWidth& width, int room);

  // The lines of the person in column c of line r of the text; none when the
  // cell holds no person drawn as such.
  const std::vector<std::string>& Lines(int r, int c) const;
  // The lines given to each of the two halves of name line r (the even
  // columns, then the odd ones that many lines lower): 2, or 3 when a name
  // there needs them.
  int Pitch(int r) const;
  // The size of the names relative to the name font.
  double FontFactor() const { return factor_; }
  // The largest factor, at most FontFactor(), at which every fitted line is
  // at most `room` wide when measured with `width` (another device, another
  // font: the same lines).
  double FactorToFit(const NameWidth& width, int room) const;

 private:
  bool FitAll(const OrganigramText& text, const OrganigramNames& names, const NameWidth& width, int room,
              double factor);
  bool AllLinesFit(const NameWidth& width, int room, double factor) const;

  std::vector<std::vector<std::vector<std::string>>> lines_;  // by line, then column
  std::vector<int> pitch_;
  double factor_ = 1.0;
};

}  // namespace quenor
