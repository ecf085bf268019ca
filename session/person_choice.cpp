#include "session/person_choice.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "session/load_report.h"
#include "session/session.h"

namespace quenor {

using namespace literals;

namespace {

constexpr int kConfirmDistance = 10;
constexpr int kMaxWalkBack = 50;
constexpr std::size_t kKeyWidth = 7;

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// The text from `start` up to `length` characters, stopping at the line end.
std::string_view LineHead(std::string_view text, int64_t start, std::size_t length) {
  if (start < 0 || static_cast<std::size_t>(start) >= text.size()) return {};
  std::string_view rest = text.substr(static_cast<std::size_t>(start), length);
  std::size_t end = 0;
  while (end < rest.size() && !IsLineEnd(rest[end])) ++end;
  return rest.substr(0, end);
}

}  // namespace

std::string ListLineOf(const GedcomIndex& index, int32_t number) {
  char start[16];
  std::snprintf(start, sizeof start, "%7ld  ", static_cast<long>(number));
  std::string line = start + PersonName(index, 1, number);
  if (line.size() > static_cast<std::size_t>(kChosenLineLength)) line.resize(kChosenLineLength);
  return line;
}

int32_t PersonNumberOfLine(std::string_view line) {
  const std::string copy(line.substr(0, 32));
  const long value = std::strtol(copy.c_str(), nullptr, 10);
  return (value > 0 && value <= INT32_MAX) ? static_cast<int32_t>(value) : 0;
}

bool ClickChooser::ConfirmsPrevious(int64_t position) const {
  return position >= kListHeadLength && lastClickPosition - kConfirmDistance < position &&
         position < lastClickPosition + kConfirmDistance;
}

ClickChoice ClickChooser::Choose(Session& session, std::string_view text, int64_t position) {
  ClickChoice choice;
  if (position < kListHeadLength) {
    lastClickPosition = 0;
    return choice;
  }
  lastClickPosition = position;
  const auto size = static_cast<int64_t>(text.size());
  int64_t i = position;
  int steps = 0;
  while (i > kListHeadLength && (i >= size || text[static_cast<std::size_t>(i)] != '\n')) {
    --i;
    ++steps;
  }
  if (i <= kListHeadLength || steps >= kMaxWalkBack) return choice;

  choice.selectionStart = i + 1;
  const std::string_view head = LineHead(text, choice.selectionStart, kChosenLineLength);
  choice.selectionLength = static_cast<int>(head.size());
  choice.line = std::string(head);
  choice.person = PersonNumberOfLine(head);
  if (choice.person == 0) {
    choice.result = ClickResult::NotAName;
    choice.selectionLength = 0;
    lastClickPosition = 0;
    session.Message("Erreur", "Vous n'avez pas cliqué sur un nom"_ansi, MessageIcon::Stop);
    return choice;
  }
  choice.result = ClickResult::Chosen;
  return choice;
}

NumberSearch FindPersonLine(const std::string& listPath, std::string_view typed) {
  NumberSearch search;
  if (typed.size() > kKeyWidth) return search;
  const std::string key = std::string(kKeyWidth - typed.size(), ' ') + std::string(typed);
  std::ifstream in(listPath, std::ios::binary);
  std::string line;
  int64_t position = 0;
  for (int64_t index = 0; std::getline(in, line); ++index) {
    if (line.compare(0, kKeyWidth, key) == 0 && PersonNumberOfLine(line) != 0) {
      search.found = true;
      search.filePosition = position;
      search.lineIndex = index;
      search.line = std::string(LineHead(line, 0, kChosenLineLength));
      search.person = PersonNumberOfLine(search.line);
      break;
    }
    position += static_cast<int64_t>(line.size()) + 1;
  }
  return search;
}

void BeginProbantChoice(Session& session) {
  if (!session.slots[kSlotAlphabeticalList].shown) LoadReport(session, kSlotAlphabeticalList, 3);
  session.selectionMode = 1;
  session.ui.BeginPersonChoice(1);
  session.Status("Sélectionnez le nom de la personne dont vous désirez analyser l'ascendance"_ansi);
}

}  // namespace quenor
