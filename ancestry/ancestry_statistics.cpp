#include "ancestry/ancestry_statistics.h"

#include <optional>

#include "ancestry/ancestry_figures.h"
#include "ancestry/named_persons.h"
#include "ancestry/repeated_ancestors_report.h"
#include "ancestry/statistics_report.h"
#include "platform/cp1252.h"
#include "platform/report_failure.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

void TellNoNamedAncestor(Session& session) {
  session.Message("Ascendance de " + session.probantName + "...",
                  "Le fichier GEDCOM ne contient aucun\nascendant de cette personne.", MessageIcon::Warning);
}

}  // namespace

bool WriteAncestryStatistics(Session& session, NamedPersons* named) {
  std::optional<NamedPersons> unknown;
  if (named == nullptr) named = &unknown.emplace(session.index);
  session.ancestryFigures = MeasureAncestry(session.index, session.ancestors, session.ancestors.lastStradonitz, *named);
  return WriteMeasuredStatistics(session);
}

bool WriteMeasuredStatistics(Session& session) {
  const AncestryFigures& figures = session.ancestryFigures;
  const ReportTitle title{session.probantName, session.runDate};
  if (!WriteStatisticsReport(session.SlotPath(kSlotStatistics), title, figures)) {
    TellReportNotWritten(session.ui, session.SlotPath(kSlotStatistics));
    return false;
  }
  if (figures.LastGeneration() == 0) {
    TellNoNamedAncestor(session);
    return true;
  }
  if (figures.repeated == 0) return true;
  if (!WriteRepeatedAncestorsReport(session.SlotPath(kSlotRepeatedAncestors), session.index, title, figures)) {
    TellReportNotWritten(session.ui, session.SlotPath(kSlotRepeatedAncestors));
    return false;
  }
  session.slots[kSlotRepeatedAncestors].hasContent = true;
  session.menus.Enable(MenuItem::AscRepet);
  return true;
}

}  // namespace quenor
