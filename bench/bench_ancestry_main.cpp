// quenor-bench-ancestry: times the ancestry analysis of a probant whose
// pedigree is complete over 20 generations (1,048,575 distinct ancestors,
// every entry of the ancestor table filled), with its three reports, with
// one thread and with every thread.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "ancestry/ancestor_loops.h"
#include "ancestry/ancestor_walk.h"
#include "ancestry/ancestry_analysis.h"
#include "ancestry/ancestry_figures.h"
#include "ancestry/ancestry_list.h"
#include "ancestry/ancestry_statistics.h"
#include "ancestry/consanguinity_report.h"
#include "ancestry/is_named.h"
#include "ancestry/named_persons.h"
#include "bench/bench_timing.h"
#include "bench/generated_pedigree.h"
#include "gedcom/record_fields.h"
#include "platform/clock.h"
#include "platform/large_page_blocks.h"
#include "platform/user_interface.h"
#include "session/session.h"

namespace {

using quenor::bench::FileBytes;
using quenor::bench::QuietUi;
using quenor::bench::Span;
using quenor::bench::Time;

constexpr double kGoalSeconds = 0.2;
constexpr int kPedigreeGenerations = 20;
constexpr int32_t kPedigreePersons = (int32_t{1} << kPedigreeGenerations) - 1;

struct Passes {
  unsigned threads = 0;
  std::vector<Span> analyses, lists, statistics, consanguinity;
};

// The whole analysis as the selection dialog starts it, then its parts
// alone: the table with the ancestry list, the statistics with the repeated
// ancestors, and the probant's consanguinity.
bool RunPass(quenor::Session& session, QuietUi& ui, Passes& passes) {
  session.chosenLine = "      1";
  session.slots[quenor::kSlotAncestryList].shown = false;
  quenor::AncestryOutcome outcome = quenor::AncestryOutcome::NothingChosen;
  passes.analyses.push_back(Time([&] { outcome = quenor::AnalyseAncestry(session); }));
  if (outcome != quenor::AncestryOutcome::Analysed || ui.messages != 0) {
    std::fprintf(stderr, "quenor-bench-ancestry : analyse refusée (%s)\n", ui.lastMessage.c_str());
    return false;
  }
  quenor::NamedPersons named(session.index);
  bool written = false;
  passes.lists.push_back(Time([&] { written = quenor::BuildAncestorTable(session, 1, &named); }));
  passes.statistics.push_back(Time([&] { written = written && quenor::WriteAncestryStatistics(session, &named); }));
  passes.consanguinity.push_back(Time([&] { quenor::WriteConsanguinityReport(session, 1); }));
  return written;
}

// Each piece alone on the calling thread, to find where the time goes.
void PrintPieces(quenor::Session& session, int runs) {
  std::vector<Span> walks, measures, names, isNamed, marriages, loops;
  std::size_t sink = 0;
  for (int run = 0; run < runs; ++run) {
    walks.push_back(Time([&] { quenor::FillAncestorTable(session.index, 1, session.ancestors); }));
    measures.push_back(Time([&] {
      sink += quenor::MeasureAncestry(session.index, session.ancestors, session.ancestors.lastStradonitz).entries;
    }));
    names.push_back(Time([&] {
      for (int32_t n = 1; n <= kPedigreePersons; ++n) sink += quenor::PersonName(session.index, 0, n).size();
    }));
    isNamed.push_back(Time([&] {
      for (int32_t n = 1; n <= kPedigreePersons; ++n) sink += quenor::IsNamed(session.index, n);
    }));
    marriages.push_back(Time([&] {
      for (int32_t f = 1; f <= kPedigreePersons / 2; ++f) sink += quenor::MarriageLine(session.index, f).size();
    }));
    loops.push_back(Time([&] {
      sink += quenor::CheckAncestorLoops(session, session.ancestors, session.ancestors.lastStradonitz);
    }));
  }
  if (sink == 0) std::printf(" ");
  std::printf("\nChaque morceau seul, sur un fil :\n");
  quenor::bench::PrintSummary("table seule (sans liste)  ", walks);
  quenor::bench::PrintSummary("mesure (noms relus)       ", measures);
  quenor::bench::PrintSummary("1 048 575 noms            ", names);
  quenor::bench::PrintSummary("1 048 575 IsNamed         ", isNamed);
  quenor::bench::PrintSummary("524 287 mariages          ", marriages);
  quenor::bench::PrintSummary("recherche des boucles     ", loops);
}

void Print(const Passes& passes) {
  std::printf("\n%u fil%s d'exécution, %zu passes (médianes, et minimums) :\n", passes.threads,
              passes.threads > 1 ? "s" : "", passes.analyses.size());
  quenor::bench::PrintSummary("analyse complète          ", passes.analyses);
  quenor::bench::PrintSummary("  table et LstAscd.TXT    ", passes.lists);
  quenor::bench::PrintSummary("  statistiques            ", passes.statistics);
  quenor::bench::PrintSummary("  Consang.TXT             ", passes.consanguinity);
}

}  // namespace

int main(int argc, char** argv) {
  quenor::UseLargePagesForLargeBlocks();
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const std::string scratch = quenor::bench::MakeScratchFolder("quenor-bench-ancestry");
  if (scratch.empty()) return 1;
  const std::string gedcom = scratch + "/pedigree20.ged";
  std::printf("Génération de l'ascendance complète de %d générations...\n", kPedigreeGenerations);
  QuietUi ui;
  const quenor::FixedClock clock(quenor::CalendarDate{2024, 3, 15});
  quenor::Session session(ui, scratch, clock);
  const auto [generation, load, loaded] =
      quenor::bench::WriteAndLoadPedigree(session, ui, gedcom, kPedigreeGenerations, false, "quenor-bench-ancestry");
  int status = loaded ? 0 : 1;
  Passes one{1, {}, {}, {}, {}};
  Passes all{std::max(1u, std::thread::hardware_concurrency()), {}, {}, {}, {}};
  for (Passes* passes : {&one, &all}) {
    session.workers.SetThreads(passes->threads);
    for (int run = 0; run < runs && status == 0; ++run) {
      if (!RunPass(session, ui, *passes)) status = 1;
    }
  }
  if (status == 0) {
    std::printf("Ascendance complète de %d générations : %d individus, %d familles, dernier Stradonitz %d\n",
                kPedigreeGenerations, session.index.IndividualCount(), session.index.FamilyCount(),
                session.ancestors.lastStradonitz);
    std::printf("  génération du fichier %.3f s, chargement %.3f s (processeur %.3f s), fichier %.1f Mo\n",
                generation.wall, load.wall, load.processor, FileBytes(gedcom) / 1048576.0);
    std::printf("  rapports : LstAscd.TXT %.1f Mo, Stat.TXT %ju octets, LstRep.TXT %s\n",
                FileBytes(scratch + "/LstAscd.TXT") / 1048576.0, FileBytes(scratch + "/Stat.TXT"),
                std::filesystem::exists(scratch + "/LstRep.TXT") ? "écrit" : "absent (aucun ascendant répété)");
    Print(one);
    Print(all);
    PrintPieces(session, runs);
    std::printf("\n  mémoire maximale %.1f Mo\n", quenor::bench::MemoryHighWaterKilobytes() / 1024.0);
    // The list is written on every thread, so the goal is judged on the wall
    // time: the processor time adds up the threads.
    quenor::bench::PrintGoal(kGoalSeconds, all.analyses, all.threads);
  }
  std::error_code error;
  std::filesystem::remove_all(scratch, error);
  return status;
}
