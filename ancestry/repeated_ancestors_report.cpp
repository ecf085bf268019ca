#include "ancestry/repeated_ancestors_report.h"

#include <algorithm>

#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "ancestry/report_printing.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kTitleWidth = 108;
constexpr std::size_t kNameWidth = 40;
constexpr std::size_t kParentsWidth = 56;

void WriteCentred(ReportFile& file, const std::string& text) {
  const int pad = std::max(0, (kTitleWidth - static_cast<int>(text.size())) / 2);
  PrintToReport(file, "%*s%s\n\n", pad, "", text.c_str());
}

std::string TitleText(const ReportTitle& title) {
  const std::string de = DeOrDApostrophe(title.probantName);
  const std::string afterName = de == "d'" ? "  " : ",  ";
  return "Analyse de l'ascendance "_ansi + de + title.probantName + afterName + title.runDate;
}

std::string CutTo(std::string text, std::size_t width) {
  if (text.size() > width) text.resize(width);
  return text;
}

}  // namespace

bool WriteRepeatedAncestorsReport(const std::string& path, const GedcomIndex& index, const ReportTitle& title,
                                  const AncestryFigures& figures) {
  ReportFile file;
  if (!file.Create(path)) return false;
  WriteCentred(file, TitleText(title));
  WriteCentred(file, "Liste des "_ansi + FormatCount(figures.repeated) + " ascendants répétés"_ansi);
  file.Write("# Enrg.  Nom                                      Parents                                             Répétitions\n"_ansi);
  file.Write("———————  ———————————————————————————————————————— ——————————————————————————————————————————————————— ———————————\n"_ansi);
  for (const RepeatedAncestor& ancestor : figures.repeatedAncestors) {
    PrintToReport(file, "%7ld  %-40s %-56s %2ld\n", static_cast<long>(ancestor.person),
               CutTo(PersonName(index, 0, ancestor.person), kNameWidth).c_str(),
               CutTo(CoupleName(index, ancestor.person), kParentsWidth).c_str(), static_cast<long>(ancestor.appearances));
  }
  return file.Close();
}

}  // namespace quenor
