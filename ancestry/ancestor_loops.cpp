#include "ancestry/ancestor_loops.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

#include "gedcom/gedcom_index.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

// Where a person first shows twice on a line of the scan that walks every
// number k of the last generation, and each line from the person analysed
// (position 1) down to k: the first such k, then the position of the
// person's first appearance on it.
struct FirstShown {
  int32_t line = 0;
  int position = 0;
  bool operator<(const FirstShown& other) const {
    return line != other.line ? line < other.line : position < other.position;
  }
};

// What the scan of every line finds, gathered by one walk of the entries
// that hold a person: an entry at generation m repeating a person met d
// generations above it on its own line is an error on each of the
// 2^(n - m) lines of the last generation n that go through it. A table
// built from the file holds nobody below an empty entry, so the walk never
// looks below one.
class LoopFinder {
 public:
  LoopFinder(const AncestorTable& table, int generations) : table_(table), generations_(generations) {}

  void Walk() { Visit(1, 1); }
  int64_t Errors() const { return errors_; }
  int FirstGeneration() const { return firstGeneration_; }
  // The persons who are their own ancestors, in the order the scan meets them.
  std::vector<int32_t> PersonsInScanOrder() const {
    std::vector<std::pair<FirstShown, int32_t>> ordered;
    ordered.reserve(firstShown_.size());
    for (const auto& [person, shown] : firstShown_) ordered.push_back({shown, person});
    std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int32_t> persons;
    persons.reserve(ordered.size());
    for (const auto& entry : ordered) persons.push_back(entry.second);
    return persons;
  }

 private:
  void Visit(int32_t k, int generation) {
    const int32_t person = table_[k];
    if (person == 0) return;
    path_[generation] = person;
    int earlier = 0;
    int first = 0;
    for (int d = generation - 1; d >= 1; --d) {
      if (path_[d] != person) continue;
      ++earlier;
      first = d;
    }
    if (earlier > 0) Found(k, generation, person, earlier, first);
    if (generation == generations_) return;
    Visit(2 * k, generation + 1);
    Visit(2 * k + 1, generation + 1);
  }

  void Found(int32_t k, int generation, int32_t person, int earlier, int first) {
    const int below = generations_ - generation;
    errors_ += static_cast<int64_t>(earlier) << below;
    firstGeneration_ = std::min(firstGeneration_, first);
    const FirstShown shown{k << below, first};
    const auto [place, added] = firstShown_.try_emplace(person, shown);
    if (!added && shown < place->second) place->second = shown;
  }

  const AncestorTable& table_;
  const int generations_;
  std::array<int32_t, AncestorTable::kGenerations + 1> path_{};
  int64_t errors_ = 0;
  int firstGeneration_ = AncestorTable::kGenerations + 1;
  std::map<int32_t, FirstShown> firstShown_;
};

class LoopReport {
 public:
  explicit LoopReport(Session& session) : session_(session) {}

  int Tell(const LoopFinder& finder) {
    const std::vector<int32_t> persons = finder.PersonsInScanOrder();
    if (persons.empty()) return 0;
    for (const int32_t person : persons) TellOwnAncestor(person);
    TellSummary(static_cast<int>(persons.size()), finder.Errors(), finder.FirstGeneration());
    return finder.FirstGeneration();
  }

 private:
  void TellOwnAncestor(int32_t person) {
    const std::string text = std::to_string(person) + " " + PersonName(session_.index, 0, person) +
                             "\n\nCette personne est ascendante d'elle-même."_ansi;
    session_.Message("Erreur dans le fichier GEDCOM", text, MessageIcon::Warning);
  }

  void TellSummary(int persons, int64_t errors, int firstGeneration) {
    const bool severalPersons = persons > 1;
    const bool severalErrors = errors > 1;
    char text[256];
    std::snprintf(text, sizeof text, "Passé la %de génération, les données sont erronnées.\n%d ascendant%s problème%s cause%s %d erreur%s",
                  firstGeneration, persons, severalPersons ? "s" : "", severalPersons ? "s" : "",
                  severalErrors ? "nt" : "", static_cast<int>(errors), severalErrors ? "s" : "");
    session_.Message("ATTENTION : erreur dans le fichier GEDCOM", Cp1252FromUtf8(text), MessageIcon::Warning);
  }

  Session& session_;
};

}  // namespace

int CheckAncestorLoops(Session& session, const AncestorTable& table, int32_t last) {
  const int generations = std::min(GenerationOf(last), AncestorTable::kGenerations);
  if (generations == 0) return 0;
  LoopFinder finder(table, generations);
  finder.Walk();
  return LoopReport(session).Tell(finder);
}

}  // namespace quenor
