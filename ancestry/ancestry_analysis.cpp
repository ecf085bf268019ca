#include "ancestry/ancestry_analysis.h"

#include <cstdlib>
#include <limits>
#include <utility>

#include "ancestry/ancestry_figures.h"
#include "ancestry/ancestry_list.h"
#include "ancestry/ancestry_list_layout.h"
#include "ancestry/ancestry_statistics.h"
#include "ancestry/consanguinity_report.h"
#include "ancestry/named_persons.h"
#include "gedcom/record_fields.h"
#include "platform/report_file.h"
#include "session/load_report.h"
#include "session/session.h"

namespace quenor {
namespace {

// The number at the start of the chosen line (leading blanks skipped), 0 when
// there is none.
int32_t ChosenNumber(const std::string& chosenLine) {
  const long long number = std::strtoll(chosenLine.c_str(), nullptr, 10);
  if (number > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (number < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(number);
}

void RefuseWithoutAncestors(Session& session, int32_t person) {
  session.Message("Analyse d'ascendance impossible...",
                  PersonName(session.index, 0, person) + " n'a pas d'ascendants dans le fichier",
                  MessageIcon::Information);
  session.Status(session.chosenLine);
}

// The reports of the previous probant can no longer be consulted.
void ForgetPreviousAnalysis(Session& session) {
  for (int slot : {kSlotStatistics, kSlotAncestryList, kSlotRepeatedAncestors, kSlotConsanguinity}) {
    session.slots[slot].shown = false;
    session.slots[slot].hasContent = false;
  }
  session.menus.Disable(MenuItem::AscStat);
  session.menus.Disable(MenuItem::AscEventail);
  session.menus.Disable(MenuItem::AscEventailInteractif);
  session.menus.Disable(MenuItem::AscGraphique);
  session.menus.Disable(MenuItem::AscRepet);
  session.menus.Disable(MenuItem::AscConsang);
  session.ui.MenusChanged();
}

void OfferAncestryReports(Session& session) {
  session.slots[kSlotStatistics].hasContent = true;
  if (session.slots[kSlotConsanguinity].hasContent) {
    session.menus.Enable(MenuItem::AscConsang);
    session.menus.Enable(MenuItem::SubAscConsang);
  }
  for (MenuItem item : {MenuItem::AscStat, MenuItem::AscEventail, MenuItem::AscEventailInteractif,
                        MenuItem::AscGraphique, MenuItem::ConsAsc, MenuItem::SubAscListe, MenuItem::SubAscStat,
                        MenuItem::SubAscRepet, MenuItem::SubAscGraphique}) {
    session.menus.Enable(item);
  }
  session.ui.MenusChanged();
}

// The ancestry list, then the statistics and the repeated ancestors, then
// the consanguinity, which tells the user itself when it cannot be had.
// While the long list is flushed to the disk, another thread measures the
// table and works out the consanguinity; every message and every file
// still comes in that order. The list file replaced is let go of last.
bool WriteAncestryReports(Session& session, int32_t person) {
  NamedPersons named(session.index);
  ReportFile list;
  if (!WriteAncestryList(session, person, &named, list)) return false;
  bool placed = false;
  AncestryFigures figures;
  ConsanguinityFindings consanguinity;
  session.workers.Run(2, [&](int task) {
    if (task == 0) {
      placed = list.Close();
    } else {
      figures = MeasureAncestry(session.index, session.ancestors, session.ancestors.lastStradonitz, named);
      consanguinity = FindConsanguinity(session.index, person);
    }
  });
  if (!PutAncestryListInPlace(session, placed)) return false;
  session.slots[kSlotAncestryList].hasContent = true;
  session.ancestryFigures = std::move(figures);
  if (!WriteMeasuredStatistics(session)) return false;
  WriteConsanguinityReport(session, consanguinity);
  return true;
}

}  // namespace

AncestryOutcome AnalyseAncestry(Session& session) {
  const int32_t person = ChosenNumber(session.chosenLine);
  if (person == 0) return AncestryOutcome::NothingChosen;
  if (session.index.ParentFamily(person) == 0) {
    RefuseWithoutAncestors(session, person);
    return AncestryOutcome::NoAncestors;
  }
  session.selectionMode = 0;
  ForgetPreviousAnalysis(session);
  session.probantNumber = person;
  session.probantName = PersonName(session.index, 0, person);
  session.Status("Un moment S.V.P. ...  Analyse en cours...");

  const bool written = WriteAncestryReports(session, person);
  session.Status("");
  if (!written) {
    session.ui.MenusChanged();
    return AncestryOutcome::ReportFailed;
  }
  OfferAncestryReports(session);
  LoadReport(session, kSlotAncestryList, ancestry_list::kHeadingLines);
  return AncestryOutcome::Analysed;
}

}  // namespace quenor
