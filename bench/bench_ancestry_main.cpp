// quenor-bench-ancestry: times the ancestry analysis of a probant whose
// pedigree is complete over 20 generations (1,048,575 distinct ancestors,
// every entry of the ancestor table filled), with its three reports.
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
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
#include "ancestry/is_named.h"
#include "bench/bench_timing.h"
#include "bench/gedgen/gedcom_writer.h"
#include "bench/gedgen/population.h"
#include "gedcom/record_fields.h"
#include "platform/clock.h"
#include "platform/user_interface.h"
#include "session/gedcom_opening.h"
#include "session/session.h"

namespace {

constexpr double kGoalSeconds = 0.3;
constexpr int kPedigreeGenerations = 20;
constexpr int32_t kPedigreePersons = (int32_t{1} << kPedigreeGenerations) - 1;

using quenor::bench::Median;
using quenor::bench::Minimum;
using quenor::bench::QuietUi;
using quenor::bench::Span;
using quenor::bench::Time;

void PrintLine(const char* label, const std::vector<Span>& spans) {
  std::vector<double> wall, processor;
  for (const Span& span : spans) {
    wall.push_back(span.wall);
    processor.push_back(span.processor);
  }
  std::printf("  %s murale min %7.3f s méd. %7.3f s | processeur min %7.3f s méd. %7.3f s\n", label, Minimum(wall),
              Median(wall), Minimum(processor), Median(processor));
}

std::uintmax_t SizeOf(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : size;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::string scratch = (std::filesystem::temp_directory_path() / "quenor-bench-ancestry-XXXXXX").string();
  if (mkdtemp(scratch.data()) == nullptr) {
    std::perror("quenor-bench-ancestry : mkdtemp");
    return 1;
  }
  const std::string gedcom = scratch + "/pedigree20.ged";
  std::printf("Génération de l'ascendance complète de %d générations...\n", kPedigreeGenerations);
  const Span generation = Time([&] {
    if (!quenor::gedgen::WriteCompletePedigree(gedcom, kPedigreeGenerations)) std::fprintf(stderr, "quenor-bench-ancestry : écriture de %s impossible\n", gedcom.c_str());
  });
  QuietUi ui;
  const quenor::FixedClock clock(quenor::CalendarDate{2024, 3, 15});
  quenor::Session session(ui, scratch, clock);
  quenor::LoadResult loaded = quenor::LoadResult::Refused;
  const Span load = Time([&] { loaded = quenor::LoadGedcomFile(session, gedcom); });
  int status = 0;
  if (loaded != quenor::LoadResult::Loaded) {
    std::fprintf(stderr, "quenor-bench-ancestry : chargement refusé (%s)\n", ui.lastMessage.c_str());
    status = 1;
  }
  std::vector<Span> analyses, walks, measures, names, named, marriages, loops;
  for (int run = 0; run < runs && status == 0; ++run) {
    walks.push_back(Time([&] { quenor::FillAncestorTable(session.index, 1, session.ancestors); }));
    measures.push_back(Time([&] {
      quenor::MeasureAncestry(session.index, session.ancestors, session.ancestors.lastStradonitz);
    }));
    std::size_t sink = 0;
    names.push_back(Time([&] {
      for (int32_t n = 1; n <= kPedigreePersons; ++n) sink += quenor::PersonName(session.index, 0, n).size();
    }));
    named.push_back(Time([&] {
      for (int32_t n = 1; n <= kPedigreePersons; ++n) sink += quenor::IsNamed(session.index, n);
    }));
    marriages.push_back(Time([&] {
      for (int32_t f = 1; f <= kPedigreePersons / 2; ++f) sink += quenor::MarriageLine(session.index, f).size();
    }));
    loops.push_back(Time([&] {
      sink += quenor::CheckAncestorLoops(session, session.ancestors, session.ancestors.lastStradonitz);
    }));
    if (sink == 0) std::printf(" ");
    session.chosenLine = "      1";
    session.slots[quenor::kSlotAncestryList].shown = false;
    quenor::AncestryOutcome outcome = quenor::AncestryOutcome::NothingChosen;
    analyses.push_back(Time([&] { outcome = quenor::AnalyseAncestry(session); }));
    if (outcome != quenor::AncestryOutcome::Analysed || ui.messages != 0) {
      std::fprintf(stderr, "quenor-bench-ancestry : analyse refusée (%s)\n", ui.lastMessage.c_str());
      status = 1;
    }
    std::printf("passe %d : analyse %.3f s, processeur %.3f s\n", run + 1, analyses.back().wall,
                analyses.back().processor);
  }
  if (status == 0) {
    std::printf("Ascendance complète de %d générations : %d individus, %d familles, dernier Stradonitz %d\n",
                kPedigreeGenerations, session.index.IndividualCount(), session.index.FamilyCount(),
                session.ancestors.lastStradonitz);
    std::printf("  génération du fichier %.3f s, chargement %.3f s (processeur %.3f s), fichier %.1f Mo\n",
                generation.wall, load.wall, load.processor, SizeOf(gedcom) / 1048576.0);
    std::printf("  rapports : LstAscd.TXT %.1f Mo, Stat.TXT %ju octets, LstRep.TXT %s\n",
                SizeOf(scratch + "/LstAscd.TXT") / 1048576.0, SizeOf(scratch + "/Stat.TXT"),
                std::filesystem::exists(scratch + "/LstRep.TXT") ? "écrit" : "absent (aucun ascendant répété)");
    PrintLine("analyse complète         ", analyses);
    PrintLine("  table seule (sans liste)", walks);
    PrintLine("  mesure (noms relus)     ", measures);
    PrintLine("  1 048 575 noms          ", names);
    PrintLine("  1 048 575 IsNamed       ", named);
    PrintLine("  524 287 mariages        ", marriages);
    PrintLine("  recherche des boucles   ", loops);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("  mémoire maximale %.1f Mo\n", usage.ru_maxrss / 1024.0);
    // The list is written on every processor: the user waits for the wall
    // time, the processor time being the sum over the threads.
    std::vector<double> wall;
    for (const Span& span : analyses) wall.push_back(span.wall);
    std::printf("  objectif %.1f s : %s (temps mural min %.3f s, méd. %.3f s, %u processeurs)\n", kGoalSeconds,
                Minimum(wall) <= kGoalSeconds ? "atteint" : "NON atteint", Minimum(wall), Median(wall),
                std::thread::hardware_concurrency());
  }
  std::error_code error;
  std::filesystem::remove_all(scratch, error);
  return status;
}
