// quenor-bench-kinship: times the kinship search between two cousins whose
// common ancestors stand at the 20th generation: each has a complete pedigree
// of 20 generations (1,048,575 entries in each ancestor table), distinct but
// for the one couple they share at the top.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "ancestry/ancestor_loops.h"
#include "ancestry/ancestor_walk.h"
#include "bench/bench_timing.h"
#include "bench/generated_pedigree.h"
#include "gedcom/record_fields.h"
#include "kinship/kinship_degrees.h"
#include "kinship/kinship_search.h"
#include "kinship/side_mark.h"
#include "platform/clock.h"
#include "platform/large_page_blocks.h"
#include "platform/user_interface.h"
#include "session/session.h"

namespace {

using quenor::bench::FileBytes;
using quenor::bench::QuietUi;
using quenor::bench::Span;
using quenor::bench::Time;

constexpr double kGoalSeconds = 0.3;
constexpr int kGenerations = 20;
constexpr int32_t kFirstCousin = 1;
constexpr int32_t kSecondCousin = int32_t{1} << kGenerations;

struct Passes {
  unsigned threads = 0;
  std::vector<Span> searches, tables, loops, marks, degrees;
};

// One search and its pieces alone; false when the search did not find the
// two cousins' common ancestors.
bool RunPass(quenor::Session& session, QuietUi& ui, Passes& passes) {
  quenor::KinshipState& kinship = session.kinship;
  kinship.firstPerson = kFirstCousin;
  kinship.secondPerson = kSecondCousin;
  kinship.firstName = quenor::PersonName(session.index, 0, kFirstCousin);
  kinship.secondName = quenor::PersonName(session.index, 0, kSecondCousin);
  quenor::KinshipOutcome outcome = quenor::KinshipOutcome::NotRun;
  const int messagesBefore = ui.messages;
  passes.searches.push_back(Time([&] { outcome = quenor::SearchKinship(session); }));
  // The search tells the count of collateral lines, and nothing else.
  if (outcome != quenor::KinshipOutcome::RootAncestors || ui.messages != messagesBefore + 1) {
    std::fprintf(stderr, "quenor-bench-kinship : recherche manquée (%s)\n", ui.lastMessage.c_str());
    return false;
  }
  quenor::AncestorTable& first = kinship.firstAncestors;
  quenor::AncestorTable& second = kinship.secondAncestors;
  passes.tables.push_back(Time([&] {
    quenor::FillAncestorTable(session.index, kFirstCousin, first);
    quenor::FillAncestorTable(session.index, kSecondCousin, second);
  }));
  int loops = 0;
  passes.loops.push_back(Time([&] {
    loops += quenor::CheckAncestorLoops(session, first, first.lastStradonitz);
    loops += quenor::CheckAncestorLoops(session, second, second.lastStradonitz);
  }));
  std::size_t roots = 0;
  passes.marks.push_back(Time([&] {
    quenor::SideMark marks(session.index.HighestIndividual());
    marks.MarkTable(first, first.lastStradonitz, quenor::kFirstSide);
    marks.MarkTable(second, second.lastStradonitz, quenor::kSecondSide);
    roots = marks.OnBothSides().size();
  }));
  // Parente.TXT, the degrees of kinship over every generation of the file,
  // which the search writes last.
  passes.degrees.push_back(Time([&] { quenor::ReportKinshipDegrees(session); }));
  return loops == 0 && roots > 0;
}

void Print(const Passes& passes) {
  std::printf("\n%u fil%s d'exécution, %zu passes (médianes, et minimums) :\n", passes.threads,
              passes.threads > 1 ? "s" : "", passes.searches.size());
  quenor::bench::PrintSummary("recherche complète             ", passes.searches);
  quenor::bench::PrintSummary("  les deux tables seules       ", passes.tables);
  quenor::bench::PrintSummary("  recherche des boucles (deux) ", passes.loops);
  quenor::bench::PrintSummary("  marques des deux côtés       ", passes.marks);
  quenor::bench::PrintSummary("  degrés de parenté (Parente)  ", passes.degrees);
}

}  // namespace

int main(int argc, char** argv) {
  quenor::UseLargePagesForLargeBlocks();
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const std::string scratch = quenor::bench::MakeScratchFolder("quenor-bench-kinship");
  if (scratch.empty()) return 1;
  const std::string gedcom = scratch + "/cousins20.ged";
  std::printf("Génération de deux ascendances complètes de %d générations...\n", kGenerations);
  QuietUi ui;
  const quenor::FixedClock clock(quenor::CalendarDate{2024, 3, 15});
  quenor::Session session(ui, scratch, clock);
  const auto [generation, load, loaded] =
      quenor::bench::WriteAndLoadPedigree(session, ui, gedcom, kGenerations, true, "quenor-bench-kinship");
  int status = loaded ? 0 : 1;
  Passes one{1, {}, {}, {}, {}, {}};
  Passes all{std::max(1u, std::thread::hardware_concurrency()), {}, {}, {}, {}, {}};
  for (Passes* passes : {&one, &all}) {
    session.workers.SetThreads(passes->threads);
    for (int run = 0; run < runs && status == 0; ++run) {
      if (!RunPass(session, ui, *passes)) status = 1;
    }
  }
  if (status == 0) {
    std::printf("Deux cousins, %d et %d, dont les ancêtres communs sont à la %de génération :\n", kFirstCousin,
                kSecondCousin, kGenerations);
    std::printf("  %d individus, %d familles ; tables remplies jusqu'aux Stradonitz %d et %d\n",
                session.index.IndividualCount(), session.index.FamilyCount(),
                session.kinship.firstAncestors.lastStradonitz, session.kinship.secondAncestors.lastStradonitz);
    std::printf("  génération du fichier %.3f s, fichier %.1f Mo, chargement %.3f s (processeur %.3f s)\n",
                generation.wall, FileBytes(gedcom) / 1048576.0, load.wall, load.processor);
    std::printf("  rapports : LstSouch.TXT %ju octets, LignCol.TXT %ju octets\n", FileBytes(scratch + "/LstSouch.TXT"),
                FileBytes(scratch + "/LignCol.TXT"));
    Print(one);
    Print(all);
    std::printf("\n  mémoire maximale %.1f Mo\n", quenor::bench::MemoryHighWaterKilobytes() / 1024.0);
    quenor::bench::PrintGoal(kGoalSeconds, all.searches, all.threads);
  }
  std::error_code error;
  std::filesystem::remove_all(scratch, error);
  return status;
}
