#include "ancestry/ancestor_loops.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <set>
#include <vector>

#include "gedcom/gedcom_index.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

// The persons of one line of descent from an entry of the last generation
// back to the person analysed: position d holds generation d.
using AncestorLine = std::array<int32_t, AncestorTable::kGenerations + 1>;

class LoopReport {
 public:
  explicit LoopReport(Session& session) : session_(session) {}

  void Error(int generation, int32_t person) {
    ++errors_;
    firstGeneration_ = std::min(firstGeneration_, generation);
    if (reported_.insert(person).second) TellOwnAncestor(person);
  }

  int Finish() {
    if (reported_.empty()) return 0;
    TellSummary();
    return firstGeneration_;
  }

 private:
  void TellOwnAncestor(int32_t person) {
    const std::string text = std::to_string(person) + " " + PersonName(session_.index, 0, person) +
                             "\n\nCette personne est ascendante d'elle-même."_ansi;
    session_.Message("Erreur dans le fichier GEDCOM", text, MessageIcon::Warning);
  }

  void TellSummary() {
    const bool severalPersons = reported_.size() > 1;
    const bool severalErrors = errors_ > 1;
    char text[256];
    std::snprintf(text, sizeof text, "Passé la %de génération, les données sont erronnées.\n%d ascendant%s problème%s cause%s %d erreur%s",
                  firstGeneration_, static_cast<int>(reported_.size()), severalPersons ? "s" : "",
                  severalPersons ? "s" : "", severalErrors ? "nt" : "", errors_, severalErrors ? "s" : "");
    session_.Message("ATTENTION : erreur dans le fichier GEDCOM", Cp1252FromUtf8(text), MessageIcon::Warning);
  }

  Session& session_;
  std::set<int32_t> reported_;
  int errors_ = 0;
  int firstGeneration_ = AncestorTable::kGenerations + 1;
};

AncestorLine LineOf(const AncestorTable& table, int32_t k, int generations) {
  AncestorLine line{};
  for (int d = 1; d <= generations; ++d) line[d] = table[k >> (generations - d)];
  return line;
}

void CheckLine(const AncestorLine& line, int generations, LoopReport& report) {
  for (int d = 1; d <= generations; ++d) {
    if (line[d] == 0) continue;
    for (int m = d + 1; m <= generations; ++m) {
      if (line[m] == line[d]) report.Error(d, line[d]);
    }
  }
}

// Whether some person fills two entries of the first `generations`
// generations: without that, nobody can be his own ancestor.
bool AnyRepeatedPerson(const AncestorTable& table, int generations) {
  const int32_t end = int32_t{1} << generations;
  int32_t highest = 0;
  for (int32_t k = 1; k < end; ++k) highest = std::max(highest, table[k]);
  // A pointer to a number no file can index (@I2147483647@) would make the
  // marks huge: such a table goes to the full check.
  if (highest > GedcomIndex::kMaxIndividual) return true;
  std::vector<bool> seen(static_cast<std::size_t>(highest) + 1);
  for (int32_t k = 1; k < end; ++k) {
    const int32_t person = table[k];
    if (person == 0) continue;
    if (person < 0) return true;  // not expected: left to the full check
    if (seen[static_cast<std::size_t>(person)]) return true;
    seen[static_cast<std::size_t>(person)] = true;
  }
  return false;
}

// Whether some entry of the first `generations` generations holds the same
// person as one of its descendants in the table: a quick look, each entry
// against the entries of its own line only, before the line by line check
// that counts and reports.
bool AnyOwnAncestor(const AncestorTable& table, int generations) {
  const int32_t end = int32_t{1} << generations;
  for (int32_t k = 2; k < end; ++k) {
    const int32_t person = table[k];
    if (person == 0) continue;
    for (int32_t descendant = k >> 1; descendant >= 1; descendant >>= 1) {
      if (table[descendant] == person) return true;
    }
  }
  return false;
}

}  // namespace

int CheckAncestorLoops(Session& session, const AncestorTable& table, int32_t last) {
  const int generations = std::min(GenerationOf(last), AncestorTable::kGenerations);
  if (generations == 0 || !AnyRepeatedPerson(table, generations) || !AnyOwnAncestor(table, generations)) return 0;
  LoopReport report(session);
  const int32_t first = int32_t{1} << (generations - 1);
  for (int32_t k = first; k < 2 * first; ++k) CheckLine(LineOf(table, k, generations), generations, report);
  return report.Finish();
}

}  // namespace quenor
