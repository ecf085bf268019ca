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

void TrimTrailingBlanks(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

// The end of the NAME value: the first line feed followed, within its next
// three characters, by a level digit; or the end of the record text.
const char* NameValueEnd(const char* value) {
  const char* p = value;
  for (; *p != '\0'; ++p) {
    if (*p != '\n') continue;
    for (int k = 1; k <= 3 && p[k] != '\0'; ++k) {
      if (p[k] >= '0' && p[k] <= '5') return p;
    }
  }
  return p;
}

// Copies one name part from [from, end) up to `stop` (or the end), with the
// 80-character and 40-character-then-blank limits.
std::string CopyNamePart(const char* from, const char* end, char stop, bool backslashIsSlash) {
  const void* stopAt = std::memchr(from, stop, static_cast<std::size_t>(end - from));
  const char* runEnd = stopAt != nullptr ? static_cast<const char*>(stopAt) : end;
  const auto run = static_cast<std::size_t>(runEnd - from);
  // A short part on one line is copied whole: no limit can stop it early.
  if (run <= kPartLimit + 1 && std::memchr(from, '\n', run) == nullptr) {
    std::string part(from, run);
    if (backslashIsSlash) std::replace(part.begin(), part.end(), '\\', '/');
    return part;
  }
  std::string part;
  for (const char* p = from; p < end && *p != stop; ++p) {
    if (part.size() >= kPartBuffer) break;
    if (part.size() > kPartLimit && *p == ' ') break;
    if (*p == '\n') continue;
    part.push_back(backslashIsSlash && *p == '\\' ? '/' : *p);
  }
  return part;
}

// Trailing blanks go; a part still longer than 41 characters loses its last word.
void CleanNamePart(std::string& part) {
  TrimTrailingBlanks(part);
  if (part.size() > 41) {
    while (!part.empty() && part.back() != ' ') part.pop_back();
  }
}

struct NameParts {
  std::string given;
  std::string surname;
};

bool SplitName(const char* record, NameParts& parts) {
  const char* found = std::strstr(record, "1 NAME ");
  if (found == nullptr) return false;
  const char* value = found + 7;
  // Fewer than 4 characters left in the record: no usable name.
  if (value[0] == '\0' || value[1] == '\0' || value[2] == '\0' || value[3] == '\0') return false;
  const char* end = NameValueEnd(value);
  const char* slash = static_cast<const char*>(std::memchr(value, '/', static_cast<std::size_t>(end - value)));
  const std::ptrdiff_t length = end - value;
  const bool givenFirst = slash != nullptr ? (slash - value) >= 2 : length >= 2;
  if (slash != nullptr) parts.surname = CopyNamePart(slash + 1, end, '/', true);
  if (givenFirst) {
    parts.given = CopyNamePart(value, end, '/', false);
  } else if (slash != nullptr) {
    const char* closing = static_cast<const char*>(std::memchr(slash + 1, '/', static_cast<std::size_t>(end - slash - 1)));
    const char* p = closing != nullptr ? closing + 1 : end;
    while (p < end && *p == ' ') ++p;
    parts.given = CopyNamePart(p, end, '\0', false);
  }
  CleanNamePart(parts.given);
  CleanNamePart(parts.surname);
  return true;
}

std::string ComposeGivenFirst(std::string given, const std::string& surname) {
  if (given.size() + surname.size() > 39) {
    if (surname.size() >= 39) {
      given.clear();
    } else {
      given.resize(std::min(given.size(), 39 - surname.size()));
      const std::size_t blank = given.rfind(' ');
      if (blank == std::string::npos) given.clear(); else given.resize(blank);
    }
  }
  return given + " " + surname;
}

std::string ComposeSurnameFirst(const std::string& given, const std::string& surname) {
  std::string name = surname + ", " + given;
  if (name.size() > 40) {
    name.resize(40);
    const std::size_t blank = name.rfind(' ');
    name.resize(blank == std::string::npos ? 0 : blank);
  }
  return name;
}

// The text after `tag` on the line, at most `limit` characters.
std::string RestOfLine(const char* after, std::size_t limit) {
  std::size_t length = 0;
  while (length < limit && after[length] != '\0' && after[length] != '\n') ++length;
  return std::string(after, length);
}

// The bounds of the line that starts at `line`.
const char* LineEnd(const char* line) {
  const char* end = std::strchr(line, '\n');
  return end != nullptr ? end : line + std::strlen(line);
}

const char* FindInLine(const char* line, const char* lineEnd, const char* text) {
  const std::string_view view(line, static_cast<std::size_t>(lineEnd - line));
  const std::size_t at = view.find(text);
  return at == std::string_view::npos ? nullptr : line + at;
}

int LevelOf(const char* line) {
  if (*line < '0' || *line > '9') return std::atoi(line);
  int level = 0;
  for (const char* p = line; *p >= '0' && *p <= '9' && level < 100'000'000; ++p) level = level * 10 + (*p - '0');
  return level;
}

bool IsMarriageLine(const char* line, const char* lineEnd) {
  for (const char* p = FindInLine(line, lineEnd, " MARR"); p != nullptr; p = FindInLine(p + 1, lineEnd, " MARR")) {
    const char next = p[5];
    if (p + 5 == lineEnd || next == ' ') return true;
  }
  return false;
}

void TrimPlaceTail(std::string& place) {
  while (!place.empty() && !IsAtOrAboveLetterA(static_cast<unsigned char>(place.back()))) place.pop_back();
}

void CleanCommas(std::string& text) {
  // Nothing to clean without two commas in a row or a final comma.
  if (text.find(",,") == std::string::npos && (text.empty() || text.back() != ',')) return;
  std::string cleaned;
  cleaned.reserve(text.size());
  for (char c : text) {
    if (c == ',' && !cleaned.empty() && cleaned.back() == ',') continue;
    cleaned.push_back(c);
  }
  if (!cleaned.empty() && cleaned.back() == ',') cleaned.pop_back();
  text.swap(cleaned);
}

int32_t PointerAfter(const char* record, const char* tag) {
  if (record == nullptr) return 0;
  const char* found = std::strstr(record, tag);
  if (found == nullptr) return 0;
  const char* at = std::strchr(found, '@');
  const char* lineEnd = LineEnd(found);
  if (at == nullptr || at >= lineEnd) return 0;
  return ReadRecordNumber(at + 1);
}

// True when `what` was found (and replaced).
bool ReplaceFirst(std::string& text, std::string_view what, const std::string& by) {
  const std::size_t at = text.find(what);
  if (at == std::string::npos) return false;
  text.replace(at, what.size(), by);
  return true;
}

// One bit for each letter "a" to "z" found in the text.
constexpr uint32_t LettersOf(std::string_view text) {
  uint32_t letters = 0;
  for (char c : text) {
    if (c >= 'a' && c <= 'z') letters |= 1u << (c - 'a');
  }
  return letters;
}

}  // namespace

std::string PersonName(const GedcomIndex& index, int format, int32_t n) {
  if (n < 1 || n > GedcomIndex::kMaxIndividual) return {};
  const char* record = index.IndividualRecord(n);
  if (record == nullptr) return {};
  NameParts parts;
  if (!SplitName(record, parts)) return {};
  std::string name;
  switch (format) {
    case 0: name = ComposeGivenFirst(parts.given, parts.surname); break;
    case 1: name = ComposeSurnameFirst(parts.given, parts.surname); break;
    case 2: name = parts.given; break;
    case 3: name = parts.surname; break;
    default: return {};
  }
  TrimTrailingBlanks(name);
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

std::string TranslateDate(std::string_view date) {
  static constexpr std::pair<std::string_view, const char*> kRules[] = {
      {" jan ", " jan "}, {" feb ", " fév "}, {" mar ", " mar "}, {" apr ", " avr "},
      {" may ", " mai "}, {" jun ", " jun "}, {" jul ", " jul "}, {" aug ", " aoû "},
      {" sep ", " sep "}, {" oct ", " oct "}, {" nov ", " nov "}, {" dec ", " déc "},
      {"abt ", "vers "},  {"bef ", "avant "}, {"aft ", "après "}, {"bet ", "entre "},
      {" and ", " et "}};
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
  std::string text(date);
  LowerCp1252InPlace(text);
  uint32_t present = LettersOf(text);
  for (std::size_t i = 0; i < kReplacements.size(); ++i) {
    if ((present & kNeeded[i]) != kNeeded[i]) continue;
    if (ReplaceFirst(text, kRules[i].first, kReplacements[i])) present = LettersOf(text);
  }
  return text;
}

std::string MarriageLine(const GedcomIndex& index, int32_t family) {
  const char* record = index.FamilyRecord(family);
  if (record == nullptr) return {};
  const char* line = record;
  const char* lineEnd = LineEnd(line);
  while (!IsMarriageLine(line, lineEnd)) {
    if (*lineEnd == '\0') return {};
    line = lineEnd + 1;
    lineEnd = LineEnd(line);
  }
  const int level = LevelOf(line);
  std::string date;
  std::string place;
  while (*lineEnd != '\0') {
    line = lineEnd + 1;
    lineEnd = LineEnd(line);
    if (LevelOf(line) != level + 1) break;
    if (const char* d = FindInLine(line, lineEnd, " DATE ")) date = TranslateDate(RestOfLine(d + 6, kDateLimit));
    if (const char* p = FindInLine(line, lineEnd, " PLAC ")) {
      place = RestOfLine(p + 6, kPlaceLimit);
      TrimPlaceTail(place);
    }
  }
  // "%17s %s"
  std::string marriage;
  marriage.reserve(18 + date.size() + place.size());
  if (date.size() < kDateLimit) marriage.assign(kDateLimit - date.size(), ' ');
  marriage.append(date).append(1, ' ').append(place);
  CleanCommas(marriage);
  return marriage;
}

void ForEachSpouseFamily(const GedcomIndex& index, int32_t n, const std::function<bool(int32_t)>& visit) {
  const char* record = index.IndividualRecord(n);
  if (record == nullptr) return;
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

int32_t HusbandOf(const GedcomIndex& index, int32_t family) {
  return PointerAfter(index.FamilyRecord(family), "1 HUSB ");
}

int32_t WifeOf(const GedcomIndex& index, int32_t family) {
  return PointerAfter(index.FamilyRecord(family), "1 WIFE ");
}

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
  const bool hasFather = std::strstr(record, "1 HUSB ") != nullptr;
  const bool hasMother = std::strstr(record, "1 WIFE ") != nullptr;
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
