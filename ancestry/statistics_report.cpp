#include "ancestry/statistics_report.h"

#include <algorithm>

#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "ancestry/report_printing.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kTitleWidth = 76;
constexpr std::size_t kDashRuleLength = 87;
constexpr char kDash = '\x97';

double Percent(double part, double whole) { return whole == 0 ? 0.0 : part / whole * 100.0; }
double Implex(int32_t entries, int32_t distinct) {
  return entries == 0 ? 0.0 : static_cast<double>(entries - distinct) * 100.0 / entries;
}

void WriteCentred(ReportFile& file, const std::string& text, const char* format) {
  const int pad = std::max(0, (kTitleWidth - static_cast<int>(text.size())) / 2);
  PrintToReport(file, format, pad, " ", text.c_str());
}

void WriteHeadings(ReportFile& file, const ReportTitle& title) {
  const std::string heading = "Analyse de l'ascendance "_ansi + DeOrDApostrophe(title.probantName) +
                              title.probantName + "  " + title.runDate;
  WriteCentred(file, heading, "%*s%s\n\n");
  WriteCentred(file, "Tableau des indices de complétude et implexes des ascendants"_ansi, "%*s%s\n");
  file.Write(kDash, kDashRuleLength);
  file.Write("\n");
  file.Write("            ——————————————  Ascendants  —————————————   ————— Indices —————    Implexe\n"_ansi);
  file.Write("Génération  Attendus    Connus     Répétés  Différents Complétude   Implexe   cumulatif\n"_ansi);
  file.Write("—————————— —————————— —————————— —————————— —————————— —————————— —————————— ——————————\n"_ansi);
}

void WriteGenerationRow(ReportFile& file, const GenerationFigures& row) {
  // A generation without a named entry has no implex of its own: both implex cells show 0.00.
  PrintToReport(file, "%6d    %10s %10s %10s %10s %9.2f%%", row.generation, FormatCount(row.expected).c_str(),
             FormatCount(row.known).c_str(), FormatCount(row.repeated).c_str(), FormatCount(row.distinct).c_str(),
             CompletenessPercent(row));
  PrintToReport(file, " %9.2f%%", ImplexPercent(row));
  PrintToReport(file, " %9.2f%%\n", CumulativeImplexPercent(row));
}

void WriteTotals(ReportFile& file, const AncestryFigures& figures) {
  const int32_t expected = (int32_t{1} << figures.LastGeneration()) - 1;
  file.Write("           —————————— —————————— —————————— —————————— —————————— ——————————\n"_ansi);
  PrintToReport(file, "Ensemble: %10s %10s %10s %10s %9.2f%%", FormatCount(expected).c_str(),
             FormatCount(figures.entries).c_str(), FormatCount(figures.repeated).c_str(),
             FormatCount(figures.distinct).c_str(), Percent(figures.entries, expected));
  PrintToReport(file, " %9.2f%%\n\n\n", Implex(figures.entries, figures.distinct));
}

void WriteRepetitions(ReportFile& file, const AncestryFigures& figures) {
  const int32_t unrepeated = figures.distinct - figures.repeated;
  file.Write("                  Statistiques des apparitions répétées\n\n"_ansi);
  PrintToReport(file, "                  Ascendants différents: %10s\n"_ansi.c_str(), FormatCount(figures.distinct).c_str());
  PrintToReport(file, "                  Ascendants non répétés:%10s  soit %5.1f%%\n"_ansi.c_str(), FormatCount(unrepeated).c_str(),
             Percent(unrepeated, figures.distinct));
  PrintToReport(file, "                  Ascendants répétés:    %10s  soit %5.1f%%\n"_ansi.c_str(), FormatCount(figures.repeated).c_str(),
             Percent(figures.repeated, figures.distinct));
  PrintToReport(file, "                  Total des apparitions: %10s\n\n"_ansi.c_str(), FormatCount(figures.entries).c_str());
  file.Write("                      Distribution des répétitions\n"_ansi);
  file.Write("                        Ascendants  Répétitions\n"_ansi);
  file.Write("                        ——————————  ———————————\n"_ansi);
  for (const auto& [appearances, persons] : figures.distribution) {
    PrintToReport(file, "                      %10s   %10s\n", FormatCount(persons).c_str(), FormatCount(appearances).c_str());
  }
}

}  // namespace

bool WriteStatisticsReport(const std::string& path, const ReportTitle& title, const AncestryFigures& figures) {
  ReportFile file;
  if (!file.Create(path)) return false;
  WriteHeadings(file, title);
  if (figures.LastGeneration() > 0) {
    for (const GenerationFigures& row : figures.generations) WriteGenerationRow(file, row);
    WriteTotals(file, figures);
    WriteRepetitions(file, figures);
  }
  return file.Close();
}

}  // namespace quenor
