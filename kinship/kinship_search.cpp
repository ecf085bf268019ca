#include "kinship/kinship_search.h"

#include <algorithm>

#include "ancestry/ancestor_loops.h"
#include "ancestry/ancestor_walk.h"
#include "kinship/collateral_lines.h"
#include "kinship/descent_lines.h"
#include "kinship/kinship_degrees.h"
#include "kinship/root_ancestor_list.h"
#include "kinship/side_mark.h"
#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

// Fills the table of `person` and checks it for persons who are their own
// ancestors. `last` is at least 1: the person himself.
bool BuildCheckedTable(Session& session, int32_t person, AncestorTable& table, int32_t& last) {
  FillAncestorTable(session.index, person, table, session.workers);
  last = std::max<int32_t>(table.lastStradonitz, 1);
  if (CheckAncestorLoops(session, table, last) == 0) return true;
  session.Message("Fichier GEDCOM erroné"_ansi, "Les liens ne peuvent être établis de façon fiable."_ansi,
                  MessageIcon::Warning);
  return false;
}

// Cuts every line of both tables above the first common ancestor met on it,
// unless one person turns out to stand in the other's table: 1 when the first
// person descends from the second, 2 for the reverse, 0 otherwise.
int PruneTables(KinshipState& kinship, const SideMark& marks) {
  AncestorTable& first = kinship.firstAncestors;
  AncestorTable& second = kinship.secondAncestors;
  const int32_t last = std::max(kinship.firstLast, kinship.secondLast);
  for (int32_t k = 2; k <= last; ++k) {
    if (first[k] == kinship.secondPerson) return 1;
    if (second[k] == kinship.firstPerson) return 2;
    const int32_t firstChild = first[k / 2];
    if (firstChild == 0 || marks.Of(firstChild) == kBothSides) first[k] = 0;
    const int32_t secondChild = second[k / 2];
    if (secondChild == 0 || marks.Of(secondChild) == kBothSides) second[k] = 0;
  }
  return 0;
}

Descent DescentOf(const KinshipState& kinship, int descentCase) {
  if (descentCase == 1) {
    return {1, kinship.firstPerson, kinship.secondPerson, kinship.firstAncestors, kinship.firstLast};
  }
  return {2, kinship.secondPerson, kinship.firstPerson, kinship.secondAncestors, kinship.secondLast};
}

void TellNoCommonRoot(Session& session) {
  const KinshipState& kinship = session.kinship;
  session.Message("Résultat de la recherche..."_ansi,
                  "Le fichier "_ansi + session.dataFolder + " ne contient aucune souche commune de "_ansi +
                      kinship.firstName + " et " + kinship.secondName,
                  MessageIcon::Information);
}

KinshipOutcome SearchAndReport(Session& session) {
  KinshipState& kinship = session.kinship;
  if (!BuildCheckedTable(session, kinship.firstPerson, kinship.firstAncestors, kinship.firstLast) ||
      !BuildCheckedTable(session, kinship.secondPerson, kinship.secondAncestors, kinship.secondLast)) {
    return KinshipOutcome::Unreliable;
  }
  SideMark marks(session.index.FlatIndividualLimit());
  marks.MarkTable(kinship.firstAncestors, kinship.firstLast, kFirstSide);
  marks.MarkTable(kinship.secondAncestors, kinship.secondLast, kSecondSide);

  if (const int descentCase = PruneTables(kinship, marks); descentCase != 0) {
    return ReportDescentLines(session, DescentOf(kinship, descentCase)) ? KinshipOutcome::Descent
                                                                         : KinshipOutcome::NotWritten;
  }

  const int32_t last = std::max(kinship.firstLast, kinship.secondLast);
  marks.Clear();
  marks.MarkTable(kinship.firstAncestors, last, kFirstSide);
  marks.MarkTable(kinship.secondAncestors, last, kSecondSide);
  const std::vector<int32_t> roots = marks.OnBothSides();
  if (roots.empty()) {
    TellNoCommonRoot(session);
    return KinshipOutcome::NoCommonRoot;
  }
  if (!ReportRootAncestors(session, roots)) return KinshipOutcome::NotWritten;
  if (!ReportCollateralLines(session, roots, marks)) return KinshipOutcome::NotWritten;
  return KinshipOutcome::RootAncestors;
}

// Beyond the 20 generations of the tables, a link may still be found over
// the whole file: the user is told where to see it.
void ReportDegrees(Session& session, KinshipOutcome outcome) {
  if (outcome != KinshipOutcome::RootAncestors && outcome != KinshipOutcome::Descent &&
      outcome != KinshipOutcome::NoCommonRoot) {
    return;
  }
  if (ReportKinshipDegrees(session) == KinshipDegreesOutcome::Written && outcome == KinshipOutcome::NoCommonRoot) {
    session.Message("Résultat de la recherche..."_ansi,
                    "Un lien de parenté au-delà de la 20e génération relie "_ansi + session.kinship.firstName + " et " +
                        session.kinship.secondName + " : voyez Liens de parenté, Degrés de parenté."_ansi,
                    MessageIcon::Information);
  }
}

}  // namespace

KinshipOutcome SearchKinship(Session& session) {
  session.kinship.organigram.laidOut = false;
  session.slots[kSlotKinshipDegrees].hasContent = false;
  session.kinship.outcome = SearchAndReport(session);
  ReportDegrees(session, session.kinship.outcome);
  return session.kinship.outcome;
}

}  // namespace quenor
