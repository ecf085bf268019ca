#pragma once
// One person line of the ancestry list LstAscd.TXT read back for the fan
// chart, and the marriage text drawn with the person's name.
#include <cstdint>
#include <string>
#include <string_view>

namespace quenor {

// The marriage place is read up to this many characters.
inline constexpr std::size_t kListPlaceWidth = 40;
// Lines are read in pieces of at most this many characters.
inline constexpr std::size_t kListLineLimit = 127;

struct AncestorLine {
  int32_t number = 0;      // Stradonitz number
  int generation = 0;      // its count of binary digits
  std::string name;        // given names then surname, at most 40 characters
  std::string date;        // marriage date, at most 17 characters
  std::string place;       // marriage place, at most 40 characters
};

// A line as the drawing reads it: the number is the leading integer of the
// line; the date is lower-cased; each field is taken only when the line
// reaches into it.
AncestorLine ReadDrawingLine(std::string_view line);

// A line as the script export reads it: the number from the first ten
// columns only; trailing characters below 33 removed from each field.
AncestorLine ReadScriptLine(std::string_view line);

// Which of the marriage date and place goes with a person's name.
enum class SideTextKind { Date, Place };
SideTextKind SideTextOf(int32_t number, int generation);
const std::string& SideText(const AncestorLine& line);

}  // namespace quenor
