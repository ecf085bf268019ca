#include "fanchart/ancestor_line.h"

#include <cstdlib>

#include "ancestry/ancestry_list_layout.h"
#include "platform/cp1252.h"

namespace quenor {
namespace {

using namespace ancestry_list;

// The leading decimal integer of the text (blanks and a sign first), 0 when
// there is none; saturates rather than overflowing.
int32_t LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT32_MAX) value = INT32_MAX;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

std::string_view Field(std::string_view line, std::size_t column, std::size_t width) {
  if (line.size() <= column) return {};
  return line.substr(column, width);
}

// Removes trailing characters up to code `highest`, looking from position
// `from` of the field towards its start; characters after `from` stay.
std::string TrimFrom(std::string_view field, std::size_t from, unsigned char highest) {
  std::string text(field);
  if (text.empty()) return text;
  std::size_t end = std::min(from + 1, text.size());
  while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= highest) --end;
  if (end < std::min(from + 1, text.size())) text.erase(end, std::min(from + 1, text.size()) - end);
  return text;
}

std::string_view WithoutLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

}  // namespace

AncestorLine ReadDrawingLine(std::string_view rawLine) {
  const std::string_view line = WithoutLineEnd(rawLine);
  AncestorLine result;
  result.number = LeadingInteger(line.substr(0, std::min(line.size(), kStradonitzWidth)));
  int32_t n = result.number;
  while (n > 0) { ++result.generation; n >>= 1; }
  if (line.size() > kNameColumn)
    result.name = TrimFrom(Field(line, kNameColumn, kNameWidth), kNameWidth - 1, ' ');
  if (line.size() > kMarriageDateColumn) {
    result.date = TrimFrom(Field(line, kMarriageDateColumn, kMarriageDateWidth), 14, ' ');
    LowerCp1252InPlace(result.date);
  }
  if (line.size() > kMarriagePlaceColumn)
    result.place = TrimFrom(Field(line, kMarriagePlaceColumn, kListPlaceWidth), kListPlaceWidth - 1, ' ');
  return result;
}

AncestorLine ReadScriptLine(std::string_view line) {
  AncestorLine result;
  result.number = LeadingInteger(line.substr(0, std::min(line.size(), kStradonitzWidth)));
  int32_t n = result.number;
  while (n > 0) { ++result.generation; n >>= 1; }
  result.name = TrimFrom(Field(line, kNameColumn, kNameWidth), kNameWidth - 1, 32);
  result.date = TrimFrom(Field(line, kMarriageDateColumn, kMarriageDateWidth), kMarriageDateWidth - 1, 32);
  result.place = TrimFrom(Field(line, kMarriagePlaceColumn, kListPlaceWidth), kListPlaceWidth - 1, 32);
  return result;
}

SideTextKind SideTextOf(int32_t number, int generation) {
  const bool husband = number % 2 == 0;
  if (generation == 2) return number == 2 ? SideTextKind::Date : SideTextKind::Place;
  if (generation >= 12) return husband ? SideTextKind::Date : SideTextKind::Place;
  const bool paternal = static_cast<double>(number) < 1.5 * static_cast<double>(1 << (generation - 1));
  return husband == paternal ? SideTextKind::Place : SideTextKind::Date;
}

const std::string& SideText(const AncestorLine& line) {
  return SideTextOf(line.number, line.generation) == SideTextKind::Date ? line.date : line.place;
}

}  // namespace quenor
