#include "session/person_summary.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "gedcom/record_fields.h"
#include "gedcom/record_number.h"

namespace quenor {

namespace {

constexpr std::size_t kDateLimit = 15;
constexpr std::size_t kPlaceLimit = 40;

// The lines of a record text, one at a time.
class RecordLines {
 public:
  explicit RecordLines(const char* record) : next_(record) {}
  bool Next(std::string_view& line) {
    if (next_ == nullptr || *next_ == '\0') return false;
    const char* end = std::strchr(next_, '\n');
    if (end == nullptr) {
      line = std::string_view(next_);
      next_ = nullptr;
    } else {
      line = std::string_view(next_, static_cast<std::size_t>(end - next_));
      next_ = end + 1;
    }
    return true;
  }
  // The next line without consuming it.
  bool Peek(std::string_view& line) const {
    RecordLines copy = *this;
    return copy.Next(line);
  }

 private:
  const char* next_;
};

int LevelOf(std::string_view line) { return std::atoi(std::string(line.substr(0, 12)).c_str()); }

bool Contains(std::string_view line, std::string_view text) { return line.find(text) != std::string_view::npos; }

// The text after `tag` up to the end of the line, at most `limit` characters.
std::string ValueAfter(std::string_view line, std::string_view tag, std::size_t limit) {
  const std::size_t at = line.find(tag);
  if (at == std::string_view::npos) return {};
  return std::string(line.substr(at + tag.size(), limit));
}

// Reads the DATE and PLAC sub-lines of the event opened by `eventLine` and
// returns "%15s %s" of them. The sub-lines are consumed.
std::string ReadEvent(RecordLines& lines, std::string_view eventLine) {
  const int level = LevelOf(eventLine);
  std::string date;
  std::string place;
  std::string_view line;
  while (lines.Peek(line) && LevelOf(line) > level) {
    lines.Next(line);
    if (LevelOf(line) != level + 1) continue;
    if (Contains(line, " DATE ")) date = TranslateDate(ValueAfter(line, " DATE ", kDateLimit));
    if (Contains(line, " PLAC ")) place = ValueAfter(line, " PLAC ", kPlaceLimit);
  }
  char text[128];
  std::snprintf(text, sizeof text, "%15s %s", date.c_str(), place.c_str());
  return text;
}

int32_t PointerOn(std::string_view line, std::string_view tag) {
  const std::size_t at = line.find(tag);
  if (at == std::string_view::npos) return 0;
  std::string rest(line.substr(at + tag.size()));
  const char* p = rest.c_str();
  if (*p == '@') ++p;
  return ReadRecordNumber(p);
}

std::string FamilyPrefix(std::size_t familyNumber, std::size_t familyCount) {
  if (familyCount < 2) return {};
  return "(" + std::to_string(familyNumber) + ") ";
}

void AddSpousesAndChildren(const GedcomIndex& index, int32_t n, const std::vector<int32_t>& families,
                           PersonSummary& summary) {
  for (std::size_t i = 0; i < families.size(); ++i) {
    const std::string prefix = FamilyPrefix(i + 1, families.size());
    RecordLines lines(index.FamilyRecord(families[i]));
    std::string_view line;
    while (lines.Next(line)) {
      if (line.starts_with("1 HUSB ") || line.starts_with("1 WIFE ")) {
        const int32_t spouse = PointerOn(line, line.substr(0, 7));
        if (spouse == n) continue;
        if (!summary.spouses.empty()) summary.spouses += ", ";
        summary.spouses += prefix + PersonName(index, 0, spouse);
      } else if (line.starts_with("1 CHIL ")) {
        summary.children.push_back(prefix + PersonName(index, 0, PointerOn(line, "1 CHIL ")));
      }
    }
  }
}

}  // namespace

PersonSummary SummarizePerson(const GedcomIndex& index, int32_t n) {
  PersonSummary summary;
  if (n == 0) return summary;
  summary.number = std::to_string(n);
  summary.name = PersonName(index, 0, n);

  std::vector<int32_t> spouseFamilies;
  RecordLines lines(index.IndividualRecord(n));
  std::string_view line;
  while (lines.Next(line)) {
    if (Contains(line, " BIRT")) {
      summary.birth = ReadEvent(lines, line);
    } else if (Contains(line, " DEAT")) {
      summary.death = ReadEvent(lines, line);
    } else if (Contains(line, " FAMS ")) {
      const int32_t family = PointerOn(line, " FAMS ");
      if (family > 0) spouseFamilies.push_back(family);
    }
  }
  summary.parents = CoupleName(index, n);
  AddSpousesAndChildren(index, n, spouseFamilies, summary);
  return summary;
}

}  // namespace quenor
