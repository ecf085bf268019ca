#include "kinship/collateral_lines.h"

#include <algorithm>
#include <map>

#include "gedcom/record_fields.h"
#include "kinship/report_text.h"
#include "kinship/side_mark.h"
#include "platform/cp1252.h"
#include "session/load_report.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kTitleWidth = 100;
constexpr int kCoupleCentre = 50;
constexpr int kHeadingLines = 4;

// Entries 1, 2, ... of `line`: the persons from the child of the couple at
// `couple` down to entry 1 of the table.
void CopyLineBelow(const AncestorTable& table, int32_t couple, std::array<int32_t, CollateralRow::kEntries>& line) {
  int entry = 1;
  for (int32_t k = couple / 2; k >= 1 && entry < CollateralRow::kEntries; k /= 2) line[entry++] = table[k];
}

// The couples (their even Stradonitz numbers, increasing) of `table` that
// hold a root ancestor, grouped by that root; a couple of two root ancestors
// goes to the one with the smaller number.
std::map<int32_t, std::vector<int32_t>> CouplesByRoot(const AncestorTable& table, int32_t last,
                                                     const SideMark& marks) {
  std::map<int32_t, std::vector<int32_t>> couples;
  for (int32_t k = 2; k <= last && k + 1 < AncestorTable::kSize; k += 2) {
    const bool husbandRoot = marks.Of(table[k]) == kBothSides;
    const bool wifeRoot = marks.Of(table[k + 1]) == kBothSides;
    if (!husbandRoot && !wifeRoot) continue;
    const int32_t root = !wifeRoot ? table[k] : !husbandRoot ? table[k + 1] : std::min(table[k], table[k + 1]);
    couples[root].push_back(k);
  }
  return couples;
}

const std::vector<int32_t>& CouplesOf(const std::map<int32_t, std::vector<int32_t>>& couples, int32_t root) {
  static const std::vector<int32_t> kNone;
  const auto found = couples.find(root);
  return found != couples.end() ? found->second : kNone;
}

// One row per couple from row `base`. The root couple heads a row only when
// `headsFrom` rows of the group are already headed by the other side.
void FillRows(const AncestorTable& table, const std::vector<int32_t>& couples, const SideMark& marks,
              bool firstSide, std::vector<CollateralRow>& rows, std::size_t base, std::size_t headsFrom) {
  if (rows.size() < base + couples.size()) rows.resize(base + couples.size());
  for (std::size_t taken = 0; taken < couples.size(); ++taken) {
    const int32_t k = couples[taken];
    CollateralRow& row = rows[base + taken];
    if (taken >= headsFrom) {
      if (marks.Of(table[k]) == kBothSides) row.first[0] = table[k];
      if (marks.Of(table[k + 1]) == kBothSides) row.second[0] = table[k + 1];
    }
    CopyLineBelow(table, k, firstSide ? row.first : row.second);
  }
}

std::string NumberAndName(const GedcomIndex& index, int32_t person) {
  return PrintToString("%ld  %s", static_cast<long>(person), PersonName(index, 0, person).c_str());
}

std::string CoupleLine(const GedcomIndex& index, int32_t husband, int32_t wife) {
  std::string couple;
  if (husband != 0) couple = NumberAndName(index, husband);
  if (wife != 0) couple += (husband != 0 ? "  et  " : "") + NumberAndName(index, wife);
  if (couple.empty()) return couple;
  return PrintToString("\n%*s%s\n", kCoupleCentre - static_cast<int>(couple.size() / 2), " ", couple.c_str());
}

std::string LeftHalf(const GedcomIndex& index, int32_t person, int entry) {
  if (person != 0) {
    return PrintToString("%8ld  %-40s", static_cast<long>(person), PersonName(index, 0, person).c_str());
  }
  if (entry == 1) return PrintToString("%10s%s%9s", " ", "(Même lignée que la précédente)"_ansi.c_str(), " ");
  return PrintToString("%50s", " ");
}

std::string RightHalf(const GedcomIndex& index, int32_t person, int entry) {
  if (person != 0) return PrintToString("%8ld  %s", static_cast<long>(person), PersonName(index, 0, person).c_str());
  if (entry == 1) return PrintToString("%10s%s%10s", " ", "(Même lignée que la précédente)"_ansi.c_str(), " ");
  return "";
}

std::string RowText(const GedcomIndex& index, const CollateralRow& row) {
  std::string text = CoupleLine(index, row.first[0], row.second[0]);
  for (int j = 1; j < CollateralRow::kEntries; ++j) {
    if (row.first[j] == 0 && row.second[j] == 0) continue;
    text += LeftHalf(index, row.first[j], j) + RightHalf(index, row.second[j], j) + "\n";
  }
  return text;
}

std::string Heading(const Session& session, std::size_t lineCount, std::size_t rootCount) {
  const KinshipState& kinship = session.kinship;
  const std::string names = kinship.firstName + " et " + kinship.secondName;
  const std::string lines = lineCount == 1
                                ? "La lignée collatérale double reliant "_ansi + names
                                : PrintToString("Les %ld ", static_cast<long>(lineCount)) +
                                      "lignées collatérales doubles reliant "_ansi + names;
  const std::string roots = PrintToString("%s %ld ascendants souches", "à leurs"_ansi.c_str(), static_cast<long>(rootCount));
  return PrintToString("%*s%s\n", CentringMargin(kTitleWidth, lines), "", lines.c_str()) +
         PrintToString("%*s%s\n\n", CentringMargin(kTitleWidth, roots), "", roots.c_str());
}

void TellLineCount(Session& session, std::size_t lineCount) {
  const KinshipState& kinship = session.kinship;
  const std::string names = kinship.firstName + " et " + kinship.secondName;
  const std::string text = lineCount == 1
                               ? "1 lignées collatérale double relie "_ansi + names
                               : PrintToString("%ld ", static_cast<long>(lineCount)) +
                                     "lignées collatérales doubles relient "_ansi + names;
  session.Message("Résultat de la recherche..."_ansi, text, MessageIcon::Information);
}

}  // namespace

std::vector<CollateralRow> PairCollateralLines(const AncestorTable& first, int32_t firstLast,
                                               const AncestorTable& second, int32_t secondLast,
                                               const std::vector<int32_t>& roots, const SideMark& marks) {
  const auto firstCouples = CouplesByRoot(first, firstLast, marks);
  const auto secondCouples = CouplesByRoot(second, secondLast, marks);
  std::vector<CollateralRow> rows;
  std::size_t base = 0;
  for (const int32_t root : roots) {
    const std::vector<int32_t>& a = CouplesOf(firstCouples, root);
    const std::vector<int32_t>& b = CouplesOf(secondCouples, root);
    FillRows(first, a, marks, true, rows, base, 0);
    FillRows(second, b, marks, false, rows, base, a.size());
    base += std::max(a.size(), b.size());
  }
  rows.resize(base);
  return rows;
}

std::string CollateralLinesText(const Session& session, const std::vector<CollateralRow>& rows,
                                std::size_t rootCount) {
  const std::string title = AnalysisTitle(session);
  std::string text = PrintToString("%*s%s\n\n", CentringMargin(kTitleWidth, title), "", title.c_str());
  text += Heading(session, rows.size(), rootCount);
  for (const CollateralRow& row : rows) text += RowText(session.index, row);
  return text;
}

bool ReportCollateralLines(Session& session, const std::vector<int32_t>& roots, const SideMark& marks) {
  KinshipState& kinship = session.kinship;
  const std::vector<CollateralRow> rows =
      PairCollateralLines(kinship.firstAncestors, kinship.firstLast, kinship.secondAncestors, kinship.secondLast,
                          roots, marks);
  if (!WriteReportText(session, kSlotCollateralLines, CollateralLinesText(session, rows, roots.size()))) {
    return false;
  }
  session.slots[kSlotCollateralLines].hasContent = true;
  session.menus.Enable(MenuItem::LiensCollat);
  session.ui.MenusChanged();
  LoadReport(session, kSlotCollateralLines, kHeadingLines);
  TellLineCount(session, rows.size());
  return true;
}

}  // namespace quenor
