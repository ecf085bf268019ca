#include "gedcom/record_fields.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "gedcom/record_number.h"
#include "platform/cp1252.h"

namespace quenor {
namespace {

constexpr std::size_t kPartBuffer = 80;  // each part of a name is built in 80 characters
constexpr std::size_t kPartLimit = 40;   // beyond 40, a blank ends the copy
constexpr std::size_t kDateLimit = 17;
constexpr std::size_t kPlaceLimit = 41;

// The first occurrence of `tag` in the record text, as strstr finds it. The
// tags sought sit near the start of short records, where a plain scan is
// quicker than the library's search and its setting up.
const char* FindTag(const char* record, std::string_view tag) {
  const char first = tag.front();
  for (const char* p = record; *p != '\0'; ++p) {
    if (*p != first) continue;
    std::size_t i = 1;
    while (i < tag.size() && p[i] == tag[i]) ++i;  // stops at the NUL: no tag holds one
    if (i == tag.size()) return p;
  }
  return nullptr;
}

void TrimTrailingBlanks(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

// True when the line feed at `p` ends the NAME value: a level digit follows
// within its next three characters.
bool LevelFollows(const char* p) {
  for (int k = 1; k <= 3 && p[k] != '\0'; ++k) {
    if (p[k] >= '0' && p[k] <= '5') return true;
  }
  return false;
}

// The NAME value as one scan sees it. It ends at the first line feed that a
// level digit follows (or at the end of the record text); the slashes that
// count are the first two before that end.
struct NameValue {
  const char* end = nullptr;
  const char* slash = nullptr;    // opens the surname
  const char* closing = nullptr;  // closes it
  bool oneLine = true;            // no line feed inside the value
};

// The bytes a scan stops at, by byte value: one look-up a byte keeps the
// scans of long values quick.
constexpr std::array<bool, 256> StopsAt(std::string_view bytes) {
  std::array<bool, 256> stops{};
  for (char c : bytes) stops[static_cast<unsigned char>(c)] = true;
  return stops;
}

// The first byte from `p` that `stops` holds (NUL must be one of them).
const char* NextStop(const char* p, const std::array<bool, 256>& stops) {
  while (!stops[static_cast<unsigned char>(*p)]) ++p;
  return p;
}

// The NAME value scan stops at slashes and at the line ends.
constexpr auto kNameValueStops = StopsAt(std::string_view("/\n\0", 3));

NameValue ScanNameValue(const char* value) {
  NameValue scanned;
  const char* p = NextStop(value, kNameValueStops);
  for (; *p != '\0'; p = NextStop(p + 1, kNameValueStops)) {
    if (*p == '/') {
      if (scanned.slash == nullptr) {
        scanned.slash = p;
      } else if (scanned.closing == nullptr) {
        scanned.closing = p;
      }
    } else {
      if (LevelFollows(p)) break;
      scanned.oneLine = false;
    }
  }
  scanned.end = p;
  return scanned;
}

// Copies one name part, the run [from, runEnd) of the NAME value, into
// `part`, with the 80-character and 40-character-then-blank limits; line
// feeds inside the value (`oneLine` false) are left out.
void CopyNamePart(const char* from, const char* runEnd, bool oneLine, bool backslashIsSlash, std::string& part) {
  const auto run = static_cast<std::size_t>(runEnd - from);
  // A short part on one line is copied whole: no limit can stop it early.
  if (run <= kPartLimit + 1 && (oneLine || std::memchr(from, '\n', run) == nullptr)) {
    part.assign(from, run);
    if (backslashIsSlash) std::replace(part.begin(), part.end(), '\\', '/');
    return;
  }
  part.clear();
  for (const char* p = from; p < runEnd; ++p) {
    if (part.size() >= kPartBuffer) break;
    if (part.size() > kPartLimit && *p == ' ') break;
    if (*p == '\n') continue;
    part.push_back(backslashIsSlash && *p == '\\' ? '/' : *p);
  }
}

// Trailing blanks go; a part still longer than 41 characters loses its last word.
void CleanNamePart(std::string& part) {
  TrimTrailingBlanks(part);
  if (part.size() > 41) {
    while (!part.empty() && part.back() != ' ') part.pop_back();
  }
}

bool SplitName(const char* record, NameParts& parts) {
  const char* found = FindTag(record, "1 NAME ");
  if (found == nullptr) return false;
  const char* value = found + 7;
  // Fewer than 4 characters left in the record: no usable name.
  if (value[0] == '\0' || value[1] == '\0' || value[2] == '\0' || value[3] == '\0') return false;
  const NameValue name = ScanNameValue(value);
  const char* slash = name.slash;
  const bool givenFirst = slash != nullptr ? (slash - value) >= 2 : (name.end - value) >= 2;
  parts.given.clear();
  parts.surname.clear();
  if (slash != nullptr) {
    CopyNamePart(slash + 1, name.closing != nullptr ? name.closing : name.end, name.oneLine, true, parts.surname);
  }
  if (givenFirst) {
    CopyNamePart(value, slash != nullptr ? slash : name.end, name.oneLine, false, parts.given);
  } else if (slash != nullptr) {
    const char* p = name.closing != nullptr ? name.closing + 1 : name.end;
    while (p < name.end && *p == ' ') ++p;
    CopyNamePart(p, name.end, name.oneLine, false, parts.given);
  }
  CleanNamePart(parts.given);
  CleanNamePart(parts.surname);
  return true;
}

// "given surname", the given names shortened word by word so that the whole
// keeps to 40 characters.
void AppendGivenFirst(const NameParts& parts, std::string& out) {
  std::string_view given = parts.given;
  const std::string& surname = parts.surname;
  if (given.size() + surname.size() > 39) {
    if (surname.size() >= 39) {
      given = {};
    } else {
      given = given.substr(0, 39 - surname.size());
      const std::size_t blank = given.rfind(' ');
      given = blank == std::string_view::npos ? std::string_view() : given.substr(0, blank);
    }
  }
  out.append(given).append(1, ' ').append(surname);
}

// "surname, given", cut at the last blank within 40 characters when longer.
void AppendSurnameFirst(const NameParts& parts, std::string& out) {
  const std::size_t start = out.size();
  out.append(parts.surname).append(", ").append(parts.given);
  if (out.size() - start > 40) {
    out.resize(start + 40);
    const std::size_t blank = out.rfind(' ');
    out.resize(blank == std::string::npos || blank < start ? start : blank);
  }
}

// The text after `tag` on the line, at most `limit` characters.
std::string_view RestOfLine(const char* after, std::size_t limit) {
  std::size_t length = 0;
  while (length < limit && after[length] != '\0' && after[length] != '\n') ++length;
  return std::string_view(after, length);
}

// The end (line feed or NUL) of the line that starts at `line`; record lines
// are short, a plain scan finds it soonest.
const char* LineEnd(const char* line) {
  while (*line != '\n' && *line != '\0') ++line;
  return line;
}

int LevelOf(const char* line) {
  if (*line < '0' || *line > '9') return std::atoi(line);
  int level = 0;
  for (const char* p = line; *p >= '0' && *p <= '9' && level < 100'000'000; ++p) level = level * 10 + (*p - '0');
  return level;
}

// True when `text` starts with `word` (the comparison stops at the first
// difference, so never reads past the end of the record).
bool StartsWith(const char* text, std::string_view word) {
  for (char c : word) {
    if (*text++ != c) return false;
  }
  return true;
}

// The first line of the record holding " MARR" as a word of its own (followed
// by a blank or by the end of the line), or nullptr.
const char* MarriageEventLine(const char* record) {
  // Looked for by its "M", far rarer in a family record than the blank.
  for (const char* m = std::strchr(record, 'M'); m != nullptr; m = std::strchr(m + 1, 'M')) {
    if (m == record || m[-1] != ' ' || !StartsWith(m + 1, "ARR")) continue;
    const char next = m[4];
    if (next != ' ' && next != '\n' && next != '\0') continue;
    const char* line = m - 1;
    while (line > record && line[-1] != '\n') --line;
    return line;
  }
  return nullptr;
}

// What one line under an event holds: the values after its first " DATE "
// and its first " PLAC ", and its end.
struct EventLine {
  const char* date = nullptr;
  const char* place = nullptr;
  const char* end = nullptr;
};

// The scan of a line under an event stops at blanks and at the line end.
constexpr auto kBlankOrLineEnd = StopsAt(std::string_view(" \n\0", 3));

EventLine ScanEventLine(const char* line) {
  EventLine fields;
  const char* p = NextStop(line, kBlankOrLineEnd);
  for (; *p == ' '; p = NextStop(p + 1, kBlankOrLineEnd)) {
    if (fields.date == nullptr && StartsWith(p + 1, "DATE ")) {
      fields.date = p + 6;
    } else if (fields.place == nullptr && StartsWith(p + 1, "PLAC ")) {
      fields.place = p + 6;
    }
  }
  fields.end = p;
  return fields;
}

std::string_view TrimPlaceTail(std::string_view place) {
  while (!place.empty() && !IsAtOrAboveLetterA(static_cast<unsigned char>(place.back()))) place.remove_suffix(1);
  return place;
}

// Folds runs of commas into one and drops a final comma, in the text from `start`.
void CleanCommas(std::string& text, std::size_t start) {
  const std::string_view cleaned = std::string_view(text).substr(start);
  // Nothing to clean without two commas in a row or a final comma.
  if (cleaned.find(",,") == std::string_view::npos && (cleaned.empty() || cleaned.back() != ',')) return;
  std::size_t kept = start;
  for (std::size_t i = start; i < text.size(); ++i) {
    if (text[i] == ',' && kept > start && text[kept - 1] == ',') continue;
    text[kept++] = text[i];
  }
  text.resize(kept);
  if (text.size() > start && text.back() == ',') text.pop_back();
}

// The number of the pointer on the line from `found` (its first "@"), 0 when
// the line has none.
int32_t PointerOnLine(const char* found) {
  const char* at = found;
  while (*at != '@' && *at != '\n' && *at != '\0') ++at;
  return *at == '@' ? ReadRecordNumber(at + 1) : 0;
}

int32_t PointerAfter(const char* record, std::string_view tag) {
  if (record == nullptr) return 0;
  const char* found = FindTag(record, tag);
  return found != nullptr ? PointerOnLine(found) : 0;
}

// True when `what` was found (and replaced) in the text from `start`.
bool ReplaceFirst(std::string& text, std::size_t start, std::string_view what, const std::string& by) {
  const std::size_t at = text.find(what, start);
  if (at == std::string::npos) return false;
  text.replace(at, what.size(), by);
  return true;
}

// The bit of a lower-case letter "a" to "z", 0 for any other byte.
constexpr uint32_t LetterBit(char c) { return c >= 'a' && c <= 'z' ? 1u << (c - 'a') : 0; }

// One bit for each letter "a" to "z" found in the text.
constexpr uint32_t LettersOf(std::string_view text) {
  uint32_t letters = 0;
  for (char c : text) letters |= LetterBit(c);
  return letters;
}

// By byte: its lower case and the letter bit of that lower case, looked up
// in one go while a date is copied.
struct LoweredByte {
  char lower;
  uint32_t letter;
};
constexpr auto kLowered = [] {
  std::array<LoweredByte, 256> lowered{};
  for (int b = 0; b < 256; ++b) {
    const char lower = LowerCp1252(static_cast<char>(b));
    lowered[static_cast<std::size_t>(b)] = {lower, LetterBit(lower)};
  }
  return lowered;
}();

}  // namespace

bool ReadNameParts(const GedcomIndex& index, int32_t n, NameParts& parts) {
  if (n < 1 || n > GedcomIndex::kMaxIndividual) return false;
  const char* record = index.IndividualRecord(n);
  return record != nullptr && SplitName(record, parts);
}

bool ReadRecordNameParts(const char* record, NameParts& parts) { return SplitName(record, parts); }

void AppendName(const NameParts& parts, int format, std::string& out) {
  const std::size_t start = out.size();
  switch (format) {
    case 0: AppendGivenFirst(parts, out); break;
    case 1: AppendSurnameFirst(parts, out); break;
    case 2: out.append(parts.given); break;
    case 3: out.append(parts.surname); break;
    default: return;
  }
  while (out.size() > start && out.back() == ' ') out.pop_back();
}

std::string PersonName(const GedcomIndex& index, int format, int32_t n) {
  NameParts parts;
  if (!ReadNameParts(index, n, parts)) return {};
  std::string name;
  AppendName(parts, format, name);
  return name;
}

std::string FormatCount(int32_t count) {
  char printed[32];
  std::snprintf(printed, sizeof printed, "%15ld", static_cast<long>(count));
  char field[20];
  std::memset(field, ' ', sizeof field);
  field[19] = '\0';
  int out = 18;
  int inGroup = 0;
  for (int i = static_cast<int>(std::strlen(printed)) - 1; i >= 0 && printed[i] != ' ' && out >= 0; --i) {
    if (inGroup == 3) {
      field[out--] = ' ';
      inGroup = 0;
      if (out < 0) break;
    }
    field[out--] = printed[i];
    ++inGroup;
  }
  return std::string(field + out + 1);
}

void AppendTranslatedDate(std::string_view date, std::string& out) {
  // Each rule replaces the first occurrence of its text. The months whose
  // French abbreviation is the English one (jan, mar, jun, jul, sep, oct,
  // nov) need no rule: lower case is all they take.
  static constexpr std::pair<std::string_view, const char*> kRules[] = {
      {" feb ", " fév "}, {" apr ", " avr "}, {" may ", " mai "}, {" aug ", " aoû "},
      {" dec ", " déc "}, {"abt ", "vers "},  {"bef ", "avant "}, {"aft ", "après "},
      {"bet ", "entre "}, {" and ", " et "}};
  // The replacements in Windows-1252, converted once.
  static const std::array<std::string, std::size(kRules)> kReplacements = [] {
    std::array<std::string, std::size(kRules)> converted;
    for (std::size_t i = 0; i < converted.size(); ++i) converted[i] = Cp1252FromUtf8(kRules[i].second);
    return converted;
  }();
  // The letters each rule needs: a rule whose letters are not all in the
  // text cannot match and is not searched for.
  static constexpr auto kNeeded = [] {
    std::array<uint32_t, std::size(kRules)> needed{};
    for (std::size_t i = 0; i < needed.size(); ++i) needed[i] = LettersOf(kRules[i].first);
    return needed;
  }();
  const std::size_t start = out.size();
  out.resize(start + date.size());
  uint32_t present = 0;
  for (std::size_t i = 0; i < date.size(); ++i) {
    const LoweredByte& byte = kLowered[static_cast<unsigned char>(date[i])];
    out[start + i] = byte.lower;
    present |= byte.letter;
  }
  for (std::size_t i = 0; i < kReplacements.size(); ++i) {
    if ((present & kNeeded[i]) != kNeeded[i]) continue;
    if (ReplaceFirst(out, start, kRules[i].first, kReplacements[i])) {
      present = LettersOf(std::string_view(out).substr(start));
    }
  }
}

std::string TranslateDate(std::string_view date) {
  std::string text;
  AppendTranslatedDate(date, text);
  return text;
}

void AppendMarriageLine(const GedcomIndex& index, int32_t family, std::string& out) {
  out.append(index.Marriages().Of(family));
}

void AppendRecordMarriageLine(const char* record, std::string& out) {
  const char* line = MarriageEventLine(record);
  if (line == nullptr) return;
  const char* lineEnd = LineEnd(line);
  const int level = LevelOf(line);
  std::string_view date;
  std::string_view place;
  // The lines one level below the event; on each, the first " DATE " and the
  // first " PLAC ", the last line that has one giving it.
  while (*lineEnd != '\0') {
    line = lineEnd + 1;
    if (LevelOf(line) != level + 1) break;
    EventLine fields = ScanEventLine(line);
    lineEnd = fields.end;
    if (fields.date != nullptr) date = RestOfLine(fields.date, kDateLimit);
    if (fields.place != nullptr) place = TrimPlaceTail(RestOfLine(fields.place, kPlaceLimit));
  }
  // "%17s %s"
  const std::size_t start = out.size();
  out.append(kDateLimit, ' ');
  AppendTranslatedDate(date, out);
  const std::size_t dateLength = out.size() - start - kDateLimit;
  out.erase(start, std::min(dateLength, kDateLimit));
  out.append(1, ' ').append(place);
  CleanCommas(out, start);
}

std::string MarriageLine(const GedcomIndex& index, int32_t family) {
  std::string marriage;
  AppendMarriageLine(index, family, marriage);
  return marriage;
}

void ForEachSpouseFamily(const GedcomIndex& index, int32_t n, const std::function<bool(int32_t)>& visit) {
  const char* record = index.IndividualRecord(n);
  if (record != nullptr) ForEachSpouseFamilyOfRecord(record, visit);
}

void ForEachSpouseFamilyOfRecord(const char* record, const std::function<bool(int32_t)>& visit) {
  // The FAMS lines close a record that may be long: the library's search
  // crosses long texts quickest.
  for (const char* found = std::strstr(record, " FAMS "); found != nullptr; found = std::strstr(found + 1, " FAMS ")) {
    const char* lineEnd = LineEnd(found);
    const char* at = std::strchr(found, '@');
    if (at == nullptr || at >= lineEnd) continue;
    if (!visit(ReadRecordNumber(at + 1))) return;
  }
}

std::array<std::string, 6> MarriagesOf(const GedcomIndex& index, int32_t n) {
  std::array<std::string, 6> lines;
  std::size_t filled = 0;
  ForEachSpouseFamily(index, n, [&](int32_t family) {
    std::string marriage = MarriageLine(index, family);
    if (!marriage.empty()) lines[filled++] = std::move(marriage);
    return filled < lines.size();
  });
  return lines;
}

int32_t HusbandOf(const GedcomIndex& index, int32_t family) { return index.Family(family).husband; }

int32_t WifeOf(const GedcomIndex& index, int32_t family) { return index.Family(family).wife; }

int32_t HusbandOfRecord(const char* record) { return PointerAfter(record, "1 HUSB "); }

int32_t WifeOfRecord(const char* record) { return PointerAfter(record, "1 WIFE "); }

int32_t FatherOf(const GedcomIndex& index, int32_t n) {
  const int32_t family = index.ParentFamily(n);
  return family != 0 ? HusbandOf(index, family) : 0;
}

int32_t MotherOf(const GedcomIndex& index, int32_t n) {
  const int32_t family = index.ParentFamily(n);
  return family != 0 ? WifeOf(index, family) : 0;
}

std::string CoupleName(const GedcomIndex& index, int32_t n) {
  const int32_t family = index.ParentFamily(n);
  const char* record = index.FamilyRecord(family);
  if (family == 0 || record == nullptr) return {};
  const bool hasFather = FindTag(record, "1 HUSB ") != nullptr;
  const bool hasMother = FindTag(record, "1 WIFE ") != nullptr;
  const std::string father = hasFather ? PersonName(index, 0, HusbandOf(index, family)) : std::string();
  const std::string mother = hasMother ? PersonName(index, 0, WifeOf(index, family)) : std::string();
  if (hasFather && hasMother) return father + " et " + mother;
  return father + mother;
}

std::string DeOrDApostrophe(std::string_view name) {
  if (!name.empty() && std::strchr("AaEeIiOoUu", name.front()) != nullptr) return "d'";
  return "de ";
}

}  // namespace quenor
