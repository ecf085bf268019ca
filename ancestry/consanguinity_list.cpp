#include "ancestry/consanguinity_list.h"

#include <algorithm>
#include <cstdio>

#include "ancestry/inbreeding.h"
#include "ancestry/pedigree.h"
#include "ancestry/relationship_text.h"
#include "ancestry/report_printing.h"
#include "platform/report_failure.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "platform/ordered_blocks.h"
#include "platform/report_file.h"
#include "session/load_report.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kTitleWidth = 110;
constexpr std::size_t kRowsPerBlock = 4096;

std::string Headings(const Session& session, const ConsanguinityFigures& figures) {
  std::string text = Centred("Analyse du fichier " + session.dataFolder + "  " + session.runDate, kTitleWidth, 2);
  std::string subtitle;
  if (figures.individuals == 0) {
    subtitle = "Coefficients de consanguinité : le fichier ne contient aucun individu"_ansi;
  } else if (figures.consanguineous.empty()) {
    subtitle = "Coefficients de consanguinité : aucun individu consanguin parmi les "_ansi +
               FormatCount(figures.individuals) + " individus du fichier";
  } else {
    const std::size_t count = figures.consanguineous.size();
    subtitle = "Coefficients de consanguinité : "_ansi + FormatCount(static_cast<int32_t>(count)) +
               (count == 1 ? " individu consanguin sur " : " individus consanguins sur ") +
               FormatCount(figures.individuals) + ", le plus élevé "_ansi +
               FormatPercent(figures.consanguineous.front().inbreeding);
  }
  // The count above takes in the persons listed apart at the end.
  if (!figures.undefined.empty()) {
    subtitle += ", " + FormatCount(static_cast<int32_t>(figures.undefined.size())) + " sans coefficient";
  }
  text += Centred(subtitle, kTitleWidth, 2);
  text += "# Enrg.  Nom                                       Consanguinité  Parents\n"_ansi;
  text += Rule(7) + "  " + Rule(40) + "  " + Rule(13) + "  " + Rule(56) + "\n";
  return text;
}

void AppendRow(std::string& text, const GedcomIndex& index, const ConsanguinityFigures::Row& row) {
  text += PrintToString("%7ld  %-40s  %13s  %s\n", static_cast<long>(row.person), PersonName(index, 0, row.person).c_str(),
                  FormatPercent(row.inbreeding).c_str(), CoupleName(index, row.person).c_str());
}

std::string UndefinedList(const GedcomIndex& index, const ConsanguinityFigures& figures) {
  const auto count = static_cast<int32_t>(figures.undefined.size());
  std::string text = "\nCoefficient indéterminé pour "_ansi + FormatCount(count) + (count == 1 ? " individu" : " individus") +
                     " : une personne qui est son propre ascendant n'a pas de coefficient, ni aucun de ses descendants.\n\n"_ansi;
  text += "# Enrg.  Nom                                       Cause\n";
  text += Rule(7) + "  " + Rule(40) + "  " + Rule(56) + "\n";
  for (const ConsanguinityFigures::Undefined& person : figures.undefined) {
    const std::string cause = person.loop == person.person
                                  ? std::string("son propre ascendant")
                                  : "descend de " + std::to_string(person.loop) + " " + PersonName(index, 0, person.loop);
    text += PrintToString("%7ld  %-40s  %s\n", static_cast<long>(person.person), PersonName(index, 0, person.person).c_str(),
                    cause.c_str());
  }
  return text;
}

bool WriteList(Session& session, const ConsanguinityFigures& figures) {
  ReportFile file(session.SlotPath(kSlotConsanguinityList));
  if (file.IsOpen()) {
    file.Write(Headings(session, figures));
    const std::size_t rows = figures.consanguineous.size();
    BlockWork work;
    work.count = static_cast<int>((rows + kRowsPerBlock - 1) / kRowsPerBlock);
    work.produce = [&](int block, std::string& text) {
      const std::size_t end = std::min(rows, (static_cast<std::size_t>(block) + 1) * kRowsPerBlock);
      for (std::size_t r = static_cast<std::size_t>(block) * kRowsPerBlock; r < end; ++r) {
        AppendRow(text, session.index, figures.consanguineous[r]);
      }
    };
    work.consume = [&](const std::string& text) { file.Write(text); };
    ProduceInOrder(work, session.workers);
    if (!figures.undefined.empty()) file.Write(UndefinedList(session.index, figures));
  }
  if (file.Close()) return true;
  TellReportNotWritten(session.ui, session.SlotPath(kSlotConsanguinityList));
  return false;
}

void WarnOfUndefined(Session& session, std::size_t count) {
  const std::string persons = FormatCount(static_cast<int32_t>(count)) + (count == 1 ? " individu" : " individus");
  session.Message("Fichier GEDCOM erroné"_ansi,
                  "Le coefficient de consanguinité de "_ansi + persons +
                      " ne peut être calculé : ils sont leur propre ascendant ou descendent d'une telle personne.\n"
                      "Ils sont listés à la fin du rapport."_ansi,
                  MessageIcon::Warning);
}

}  // namespace

ConsanguinityFigures MeasureConsanguinity(const GedcomIndex& index, unsigned threads) {
  const Pedigree pedigree = Pedigree::OfWholeFile(index);
  const std::vector<double> inbreeding = InbreedingOfAll(pedigree, threads);
  ConsanguinityFigures figures;
  figures.individuals = pedigree.Size();
  for (int32_t place = 0; place < pedigree.OrderedCount(); ++place) {
    const double f = inbreeding[static_cast<std::size_t>(place)];
    if (f > 0.0) figures.consanguineous.push_back({pedigree.Individual(place), f});
  }
  std::sort(figures.consanguineous.begin(), figures.consanguineous.end(), [](const auto& l, const auto& r) {
    return l.inbreeding != r.inbreeding ? l.inbreeding > r.inbreeding : l.person < r.person;
  });
  const std::vector<int32_t> loops = pedigree.LoopAncestors();
  for (int32_t place = pedigree.OrderedCount(); place < pedigree.Size(); ++place) {
    const int32_t loop = loops[static_cast<std::size_t>(place - pedigree.OrderedCount())];
    figures.undefined.push_back({pedigree.Individual(place), loop == Pedigree::kNone ? 0 : pedigree.Individual(loop)});
  }
  std::sort(figures.undefined.begin(), figures.undefined.end(),
            [](const auto& l, const auto& r) { return l.person < r.person; });
  return figures;
}

bool ListConsanguinity(Session& session) {
  session.Status("Un moment S.V.P. ...  Calcul de la consanguinité de tous les individus..."_ansi);
  const ConsanguinityFigures figures = MeasureConsanguinity(session.index, session.workers.Threads());
  const bool written = WriteList(session, figures);
  session.Status("");
  if (!written) return false;
  session.slots[kSlotConsanguinityList].hasContent = true;
  session.slots[kSlotConsanguinityList].shown = false;
  LoadReport(session, kSlotConsanguinityList, kConsanguinityListHeadingLines);
  if (!figures.undefined.empty()) WarnOfUndefined(session, figures.undefined.size());
  return true;
}

}  // namespace quenor
