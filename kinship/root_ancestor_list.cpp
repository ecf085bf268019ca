#include "kinship/root_ancestor_list.h"

#include "gedcom/record_fields.h"
#include "kinship/report_text.h"
#include "platform/cp1252.h"
#include "session/load_report.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kTitleWidth = 105;
constexpr int kHeadingLines = 5;
constexpr char kRule = '\x97';

std::string Rule(std::size_t length) { return std::string(length, kRule); }

}  // namespace

std::string RootAncestorListText(const Session& session, const std::vector<int32_t>& roots) {
  const KinshipState& kinship = session.kinship;
  std::string text;
  const std::string title = AnalysisTitle(session);
  text += PrintToString("%*s%s\n\n", CentringMargin(kTitleWidth, title), "", title.c_str());
  const std::string heading = "Liste des "_ansi + FormatCount(static_cast<int32_t>(roots.size())) +
                              " ascendants souches de "_ansi + kinship.firstName + " et " + kinship.secondName;
  text += PrintToString("%*s%s\n\n", CentringMargin(kTitleWidth, heading), "", heading.c_str());
  text += "# Enrg.  Nom                                      Parents\n";
  text += Rule(7) + "  " + Rule(40) + " " + Rule(56) + "\n";
  for (const int32_t root : roots) {
    std::string name = PersonName(session.index, 0, root);
    if (name.size() > 40) name.resize(40);
    text += PrintToString("%7ld  %-40s %-56s\n", static_cast<long>(root), name.c_str(),
                   CoupleName(session.index, root).c_str());
  }
  return text;
}

bool ReportRootAncestors(Session& session, const std::vector<int32_t>& roots) {
  if (!WriteReportText(session, kSlotRootAncestors, RootAncestorListText(session, roots))) return false;
  session.slots[kSlotRootAncestors].hasContent = true;
  session.menus.Enable(MenuItem::LiensSouches);
  session.menus.Enable(MenuItem::ConsLiens);
  session.ui.MenusChanged();
  LoadReport(session, kSlotRootAncestors, kHeadingLines);
  return true;
}

}  // namespace quenor
