#include "kinship/descent_lines.h"

#include <array>

#include "gedcom/record_fields.h"
#include "kinship/organigram.h"
#include "kinship/report_text.h"
#include "platform/cp1252.h"
#include "session/load_report.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kTitleWidth = 100;
constexpr int kHeadingLines = 4;
constexpr int kLineLength = AncestorTable::kGenerations;

// One line of descent, from the ancestor (entry 0) down to the descendant.
using DescentColumn = std::array<int32_t, kLineLength>;

DescentColumn LineAt(const AncestorTable& table, int32_t k) {
  DescentColumn column{};
  int entry = 0;
  for (int32_t j = k; j >= 1 && entry < kLineLength; j /= 2) column[entry++] = table[j];
  return column;
}

// Two lines side by side, down to the end of the longer one.
std::string ColumnPairText(const GedcomIndex& index, int descentCase, const DescentColumn& left,
                           const DescentColumn& right) {
  const char* rowFormat = descentCase == 1 ? "%-8s %-40s %-8s %-40s\n" : "%8s %-40s %8s %-40s\n";
  auto number = [](int32_t person) { return person != 0 ? std::to_string(person) : std::string(" "); };
  std::string text;
  for (int j = 0; j < kLineLength && (left[j] != 0 || right[j] != 0); ++j) {
    text += PrintToString(rowFormat, number(left[j]).c_str(), PersonName(index, 0, left[j]).c_str(),
                   number(right[j]).c_str(), PersonName(index, 0, right[j]).c_str());
  }
  return text;
}

void TellDescent(Session& session, const Descent& descent, std::size_t lineCount) {
  const KinshipState& kinship = session.kinship;
  const std::string& descendantName = descent.descentCase == 1 ? kinship.firstName : kinship.secondName;
  const std::string& ancestorName = descent.descentCase == 1 ? kinship.secondName : kinship.firstName;
  const std::string start = descendantName + " descend de " + ancestorName;
  const std::string text = lineCount == 1 ? start + "\ret voici la lignée les reliant"_ansi
                                          : start + PrintToString("\ret voici les %ld ", static_cast<long>(lineCount)) +
                                                "lignées les reliant"_ansi;
  session.Message("Résultat de la recherche..."_ansi, text, MessageIcon::Information);
}

}  // namespace

std::vector<int32_t> DescentLineIndexes(const Descent& descent) {
  std::vector<int32_t> indexes;
  for (int32_t k = 2; k <= descent.last && k < AncestorTable::kSize; ++k) {
    if (descent.table[k] == descent.ancestor) indexes.push_back(k);
  }
  return indexes;
}

std::string DescentLinesText(const Session& session, const Descent& descent) {
  const KinshipState& kinship = session.kinship;
  const std::vector<int32_t> lines = DescentLineIndexes(descent);
  const std::string title = AnalysisTitle(session);
  std::string text = PrintToString("%*s%s\n\n", CentringMargin(kTitleWidth, title), "", title.c_str());
  const std::string names = kinship.firstName + " et " + kinship.secondName;
  const std::string heading = lines.size() == 1
                                  ? "La lignée reliant "_ansi + names
                                  : PrintToString("Les %ld ", static_cast<long>(lines.size())) + "lignées reliant "_ansi + names;
  text += PrintToString("%*s%s\n\n", CentringMargin(kTitleWidth, heading), "", heading.c_str());

  DescentColumn left{};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool even = (i + 1) % 2 == 0;
    if (!even) left = LineAt(descent.table, lines[i]);
    if (even) {
      text += ColumnPairText(session.index, descent.descentCase, left, LineAt(descent.table, lines[i]));
    } else if (i + 1 == lines.size()) {
      text += ColumnPairText(session.index, descent.descentCase, left, DescentColumn{});
    }
    text += "\n\n";
  }
  return text;
}

bool ReportDescentLines(Session& session, const Descent& descent) {
  if (!WriteReportText(session, kSlotDescentLines, DescentLinesText(session, descent))) return false;
  session.slots[kSlotDescentLines].hasContent = true;
  session.menus.Enable(MenuItem::LiensDesc);
  session.menus.Enable(MenuItem::ConsLiens);
  session.ui.MenusChanged();
  LoadReport(session, kSlotDescentLines, kHeadingLines);
  const std::size_t lineCount = DescentLineIndexes(descent).size();
  TellDescent(session, descent, lineCount);
  if (lineCount < kOrganigramLineLimit) return ReportOrganigram(session, descent.ancestor, descent.table, descent.last);
  return true;
}

}  // namespace quenor
