#include "gedcom/renumbering.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <limits>
#include <new>
#include <unordered_map>

#include "gedcom/character_set.h"
#include "gedcom/gedcom_index.h"
#include "platform/atomic_file.h"
#include "platform/cp1252.h"
#include "platform/private_folder.h"
#include "platform/user_interface.h"

namespace quenor {

using namespace literals;

namespace {

constexpr const char* kCopyName = "GEDCOM renuméroté";  // UTF-8 file name
constexpr const char* kFolderPrefix = "quenor-";
constexpr int32_t kNoRecord = 0;  // what a pointer to a missing record becomes

using NumberMap = std::unordered_map<int32_t, int32_t>;

struct Maps {
  NumberMap individuals;
  NumberMap families;
  RenumberingSummary summary;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the run of digits at `pos` with saturation; `pos` moves past it.
int32_t ReadDigits(std::string_view text, std::size_t& pos) {
  int64_t value = 0;
  constexpr int64_t kLimit = std::numeric_limits<int32_t>::max();
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) value = std::min(kLimit, value * 10 + (text[pos] - '0'));
  return static_cast<int32_t>(value);
}

enum class Kind { None, Individual, Family };

Kind KindOfLetter(char c) {
  if (c == 'I') return Kind::Individual;
  if (c == 'F' || c == 'U') return Kind::Family;
  return Kind::None;
}

// The identifier that a line's first "@" opens ("@I12@" or "@12I@"), where
// its number lies and what it names.
struct Identifier {
  Kind kind = Kind::None;
  int32_t oldNumber = 0;
  std::size_t numberStart = 0;  // the new number is written here...
  std::size_t restStart = 0;    // ...and the line resumes here
};

// "@" letter, then an identifier without blank that holds a digit, then "@".
bool ReadLetterFirst(std::string_view line, std::size_t at, Identifier& id) {
  const std::size_t closing = line.find('@', at + 2);
  if (closing == std::string_view::npos) return false;
  const std::string_view name = line.substr(at + 2, closing - at - 2);
  if (name.find(' ') != std::string_view::npos) return false;
  std::size_t digit = 0;
  while (digit < name.size() && !IsDigit(name[digit])) ++digit;
  if (digit == name.size()) return false;
  id.oldNumber = ReadDigits(name, digit);
  id.kind = KindOfLetter(line[at + 1]);
  id.numberStart = at + 2;
  id.restStart = closing;
  return true;
}

// "@" digits then a letter: "@12I@".
bool ReadDigitFirst(std::string_view line, std::size_t at, Identifier& id) {
  std::size_t end = at + 1;
  id.oldNumber = ReadDigits(line, end);
  if (end >= line.size()) return false;
  id.kind = KindOfLetter(line[end]);
  id.numberStart = at + 1;
  id.restStart = end;
  return id.kind != Kind::None;
}

// The identifier opened by the line's first "@", when it is one to renumber.
bool FindIdentifier(std::string_view line, Identifier& id) {
  const std::size_t at = line.find('@');
  if (at == std::string_view::npos || at + 1 >= line.size()) return false;
  const char next = line[at + 1];
  if (IsDigit(next)) return ReadDigitFirst(line, at, id);
  if (KindOfLetter(next) != Kind::None) return ReadLetterFirst(line, at, id);
  return false;
}

// The number of a level-0 record line: the first digits of the identifier
// that its first "@" opens. False when the identifier holds no digit.
bool RecordLineNumber(std::string_view line, int32_t& number) {
  const std::size_t at = line.find('@');
  if (at == std::string_view::npos) return false;
  std::size_t closing = line.find('@', at + 1);
  if (closing == std::string_view::npos) closing = line.size();
  const std::string_view name = line.substr(at + 1, closing - at - 1);
  std::size_t digit = 0;
  while (digit < name.size() && !IsDigit(name[digit]) && name[digit] != ' ') ++digit;
  if (digit == name.size() || !IsDigit(name[digit])) return false;
  number = ReadDigits(name, digit);
  return true;
}

// Calls `visit(content, lineEnd)` for every line; the line end is the run of
// carriage returns and line feeds that follows the content (any form).
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    std::size_t next = end;
    while (next < text.size() && (text[next] == '\r' || text[next] == '\n')) ++next;
    visit(text.substr(pos, end - pos), text.substr(end, next - end));
    pos = next;
  }
}

void Number(NumberMap& map, int32_t oldNumber, int32_t& counter, int32_t& highestOld) {
  map[oldNumber] = ++counter;
  highestOld = std::max(highestOld, oldNumber);
}

// First pass: every level-0 INDI and FAM record gets the next new number.
void NumberRecords(std::string_view text, Maps& maps) {
  RenumberingSummary& s = maps.summary;
  ForEachLine(text, [&](std::string_view line, std::string_view) {
    if (line.empty() || line[0] != '0') return;
    int32_t oldNumber = 0;
    if (line.find("INDI") != std::string_view::npos) {
      if (RecordLineNumber(line, oldNumber)) Number(maps.individuals, oldNumber, s.individuals, s.highestOldIndividual);
    } else if (line.find("FAM") != std::string_view::npos) {
      if (RecordLineNumber(line, oldNumber)) Number(maps.families, oldNumber, s.families, s.highestOldFamily);
    }
  });
}

int32_t NewNumber(const NumberMap& map, int32_t oldNumber) {
  const auto found = map.find(oldNumber);
  return found != map.end() ? found->second : kNoRecord;
}

// Second pass: identifiers and pointers take their new numbers.
void RewriteLines(std::string_view text, const Maps& maps, std::string& out) {
  ForEachLine(text, [&](std::string_view line, std::string_view lineEnd) {
    Identifier id;
    if (FindIdentifier(line, id)) {
      const NumberMap& map = id.kind == Kind::Individual ? maps.individuals : maps.families;
      out.append(line.substr(0, id.numberStart));
      out.append(std::to_string(NewNumber(map, id.oldNumber)));
      out.append(line.substr(id.restStart));
    } else {
      out.append(line);
    }
    out.append(lineEnd);
  });
}

// The chosen file's text; a UTF-16 file is read as UTF-8 (with its mark) so
// that its lines can be rewritten byte by byte.
bool ReadChosenFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return false;
  const std::streamoff size = in.tellg();
  if (size < 0) return false;
  text.resize(static_cast<std::size_t>(size));
  in.seekg(0);
  if (size > 0 && !in.read(text.data(), size)) return false;
  const ByteOrderMark mark = DetectByteOrderMark(text);
  if (mark == ByteOrderMark::Utf16LittleEndian || mark == ByteOrderMark::Utf16BigEndian) {
    text = "\xEF\xBB\xBF" + DecodeUtf16ToUtf8(std::string_view(text).substr(2), mark == ByteOrderMark::Utf16BigEndian);
  }
  return true;
}

// The private folder of this run, created at its first renumbering.
bool EnsurePrivateFolder(RenumberingState& state) {
  if (!state.privateFolder.empty() && IsPrivateFolder(state.privateFolder)) return true;
  state.privateFolder = CreatePrivateFolder(kFolderPrefix);
  return !state.privateFolder.empty();
}

void TellFailure(UserInterface& ui, const std::string& text) { ui.ShowMessage("Erreur", text, MessageIcon::Stop); }

std::string SummaryStatus(const RenumberingSummary& s) {
  return "Terminé. Dernier INDI: avant "_ansi + std::to_string(s.highestOldIndividual) + ", après "_ansi +
         std::to_string(s.individuals) + ".  Dernier FAM: avant " + std::to_string(s.highestOldFamily) +
         ", après "_ansi + std::to_string(s.families);
}

}  // namespace

void ShowCapacityMessage(UserInterface& ui, bool individuals) {
  const std::string text =
      individuals ? "Le nombre d'individus dépasse la capacité de "_ansi + std::to_string(GedcomIndex::kMaxIndividual)
                  : "Le nombre de familles dépasse la capacité de "_ansi + std::to_string(GedcomIndex::kMaxFamily);
  ui.ShowMessage("Erreur", text + ".\n\n    Veuillez extraire seulement la partie pertinente du fichier GEDCOM.",
                  MessageIcon::Stop);
}

std::string RenumberGedcomText(std::string_view text, RenumberingSummary& summary) {
  Maps maps;
  NumberRecords(text, maps);
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  RewriteLines(text, maps, out);
  summary = maps.summary;
  return out;
}

RenumberedCopy MakeRenumberedCopy(const std::string& chosenPath, UserInterface& ui, RenumberingState& state) {
  ui.ShowStatus("Un moment S.V.P. renumérotation en cours"_ansi);
  RenumberedCopy result;
  RenumberingSummary summary;
  std::string copy;
  {
    std::string text;
    if (!ReadChosenFile(chosenPath, text)) {
      TellFailure(ui, "Impossible de relire le fichier "_ansi + Cp1252FromUtf8(chosenPath) + " pour le renuméroter.");
      return result;
    }
    copy = RenumberGedcomText(text, summary);
  }
  ui.ShowStatus(SummaryStatus(summary));
  if (summary.individuals > GedcomIndex::kMaxIndividual || summary.families > GedcomIndex::kMaxFamily) {
    ShowCapacityMessage(ui, summary.individuals > GedcomIndex::kMaxIndividual);
    result.failure = LoadResult::MustClose;
    return result;
  }
  if (!EnsurePrivateFolder(state)) {
    TellFailure(ui, "Impossible de créer un dossier temporaire pour le fichier renuméroté."_ansi);
    return result;
  }
  const std::string copyPath = state.privateFolder + "/" + kCopyName;
  if (!WriteWholeFile(copyPath, copy)) {
    TellFailure(ui, "Impossible d'écrire le fichier renuméroté "_ansi + Cp1252FromUtf8(copyPath) + ".");
    return result;
  }
  state.copyPath = copyPath;
  state.originalPath = chosenPath;
  state.done = true;
  result.path = copyPath;
  return result;
}

}  // namespace quenor
