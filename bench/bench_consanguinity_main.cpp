// quenor-bench-consanguinity: times the coefficient of inbreeding of every
// person of a large file with pedigree collapse, and the degrees of kinship
// and consanguinity reports of a probant and a pair of a royal file.
//
//   quenor-bench-consanguinity tous [FICHIER.ged] [PASSES]
//   quenor-bench-consanguinity royal FICHIER.ged PROBANT NUMÉRO1 NUMÉRO2 [PASSES]
//   quenor-bench-consanguinity charge FICHIER.ged
//
// Without a file, "tous" writes (under the temporary folder) a population
// of 1,000,000 persons over about fifteen generations with cousins who marry.
// "charge" only loads the file: the yardstick to take away from the others
// when the whole process is timed from outside.
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

#include "ancestry/consanguinity_list.h"
#include "ancestry/consanguinity_report.h"
#include "ancestry/inbreeding.h"
#include "ancestry/pedigree.h"
#include "bench/bench_timing.h"
#include "bench/gedgen/gedcom_writer.h"
#include "bench/gedgen/population.h"
#include "gedcom/record_fields.h"
#include "kinship/kinship_degrees.h"
#include "platform/clock.h"
#include "platform/large_page_blocks.h"
#include "platform/user_interface.h"
#include "session/gedcom_opening.h"
#include "session/session.h"

namespace {

constexpr int32_t kPopulation = 1'000'000;
constexpr double kWholeFileGoal = 1.5;
constexpr double kReportsGoal = 0.05;

using quenor::bench::Median;
using quenor::bench::Minimum;
using quenor::bench::QuietUi;
using quenor::bench::Span;
using quenor::bench::Time;

// Prints the minimum and median of the wall and processor times; returns the wall median.
double PrintLine(const char* label, const std::vector<Span>& spans) {
  std::vector<double> wall, processor;
  for (const Span& span : spans) {
    wall.push_back(span.wall);
    processor.push_back(span.processor);
  }
  std::printf("  %s murale min %7.4f s méd. %7.4f s | processeur min %7.4f s méd. %7.4f s\n", label, Minimum(wall),
              Median(wall), Minimum(processor), Median(processor));
  return Median(wall);
}

void PrintGoal(double goal, double median) {
  std::printf("  objectif %.2f s : %s (temps mural médian %.4f s, %u processeurs)\n", goal,
              median <= goal ? "atteint" : "NON atteint", median, std::thread::hardware_concurrency());
}

struct Bench {
  QuietUi ui;
  quenor::FixedClock clock{quenor::CalendarDate{2024, 3, 15}};
  std::string scratch;
  std::unique_ptr<quenor::Session> session;

  Bench() {
    scratch = (std::filesystem::temp_directory_path() / "quenor-bench-consanguinity-XXXXXX").string();
    if (mkdtemp(scratch.data()) == nullptr) {
      std::perror("quenor-bench-consanguinity : mkdtemp");
      std::exit(1);
    }
    session = std::make_unique<quenor::Session>(ui, scratch, clock);
  }
  ~Bench() {
    std::error_code error;
    std::filesystem::remove_all(scratch, error);
  }

  bool Load(const std::string& path) {
    quenor::LoadResult loaded = quenor::LoadResult::Refused;
    const Span load = Time([&] { loaded = quenor::LoadGedcomFile(*session, path); });
    if (loaded != quenor::LoadResult::Loaded) {
      std::fprintf(stderr, "quenor-bench-consanguinity : chargement refusé (%s)\n", ui.lastMessage.c_str());
      return false;
    }
    std::printf("%s : %d individus, %d familles, chargés en %.3f s (processeur %.3f s)\n", path.c_str(),
                session->index.IndividualCount(), session->index.FamilyCount(), load.wall, load.processor);
    return true;
  }
};

std::string WriteImplexPopulation(const std::string& folder) {
  const std::string path = folder + "/implexe.ged";
  std::printf("Génération de %d individus avec implexe...\n", kPopulation);
  const quenor::gedgen::Population population(quenor::gedgen::ImplexPopulation(kPopulation));
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return {};
  quenor::gedgen::GedcomWriter writer(population, quenor::gedgen::WriterOptions{}, out);
  const bool written = writer.Write();
  return std::fclose(out) == 0 && written ? path : std::string();
}

int WholeFile(const std::string& given, int runs) {
  Bench bench;
  const std::string path = given.empty() ? WriteImplexPopulation(bench.scratch) : given;
  if (path.empty() || !bench.Load(path)) return 1;
  const quenor::GedcomIndex& index = bench.session->index;
  std::vector<Span> measures, pedigrees, coefficients, lists;
  quenor::ConsanguinityFigures figures;
  for (int run = 0; run < runs; ++run) {
    measures.push_back(Time([&] { figures = quenor::MeasureConsanguinity(index); }));
    quenor::Pedigree pedigree;
    pedigrees.push_back(Time([&] { pedigree = quenor::Pedigree::OfWholeFile(index); }));
    coefficients.push_back(Time([&] { quenor::InbreedingOfAll(pedigree); }));
    bench.session->slots[quenor::kSlotConsanguinityList].shown = false;
    lists.push_back(Time([&] { quenor::ListConsanguinity(*bench.session); }));
    std::printf("passe %d : F de tous %.3f s (processeur %.3f s)\n", run + 1, measures.back().wall,
                measures.back().processor);
  }
  const quenor::Pedigree pedigree = quenor::Pedigree::OfWholeFile(index);
  std::printf("%d personnes sur %d niveaux, %zu consanguines (la plus haute %.4f %%), %zu sans coefficient\n",
              pedigree.Size(), pedigree.LevelCount(), figures.consanguineous.size(),
              figures.consanguineous.empty() ? 0.0 : 100 * figures.consanguineous.front().inbreeding,
              figures.undefined.size());
  const double median = PrintLine("F de tous (ascendance + coefficients + tri)", measures);
  PrintLine("  ascendance de tout le fichier            ", pedigrees);
  PrintLine("  coefficients seuls                       ", coefficients);
  PrintLine("commande entière, LstConsg.TXT écrit        ", lists);
  PrintGoal(kWholeFileGoal, median);
  return 0;
}

int RoyalReports(const std::string& path, int32_t probant, int32_t first, int32_t second, int runs) {
  Bench bench;
  if (!bench.Load(path)) return 1;
  quenor::Session& session = *bench.session;
  session.kinship.firstPerson = first;
  session.kinship.firstName = quenor::PersonName(session.index, 0, first);
  session.kinship.secondPerson = second;
  session.kinship.secondName = quenor::PersonName(session.index, 0, second);
  std::vector<Span> degrees, consanguinity, both;
  for (int run = 0; run < runs; ++run) {
    quenor::KinshipDegreesOutcome degreesOutcome{};
    quenor::ConsanguinityOutcome consanguinityOutcome{};
    degrees.push_back(Time([&] { degreesOutcome = quenor::ReportKinshipDegrees(session); }));
    consanguinity.push_back(Time([&] { consanguinityOutcome = quenor::WriteConsanguinityReport(session, probant); }));
    both.push_back({degrees.back().wall + consanguinity.back().wall,
                    degrees.back().processor + consanguinity.back().processor});
    if (degreesOutcome != quenor::KinshipDegreesOutcome::Written ||
        consanguinityOutcome != quenor::ConsanguinityOutcome::Written) {
      std::fprintf(stderr, "quenor-bench-consanguinity : rapport refusé (%s)\n", bench.ui.lastMessage.c_str());
      return 1;
    }
  }
  std::printf("Parente.TXT de %d et %d, Consang.TXT de %d\n", first, second, probant);
  PrintLine("Parente.TXT            ", degrees);
  PrintLine("Consang.TXT            ", consanguinity);
  const double median = PrintLine("Parente.TXT + Consang.TXT", both);
  PrintGoal(kReportsGoal, median);
  return 0;
}

int Usage() {
  std::fputs(
      "usage : quenor-bench-consanguinity tous [FICHIER.ged] [PASSES]\n"
      "        quenor-bench-consanguinity royal FICHIER.ged PROBANT NUMÉRO1 NUMÉRO2 [PASSES]\n"
      "        quenor-bench-consanguinity charge FICHIER.ged\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  quenor::UseLargePagesForLargeBlocks();
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  auto runsAt = [&](std::size_t i, int fallback) {
    return args.size() > i ? std::max(1, std::atoi(args[i].c_str())) : fallback;
  };
  if (args[0] == "tous") {
    const bool fileGiven = args.size() > 1 && args[1].find_first_not_of("0123456789") != std::string::npos;
    return WholeFile(fileGiven ? args[1] : std::string(), runsAt(fileGiven ? 2 : 1, 5));
  }
  if (args[0] == "royal" && args.size() >= 5) {
    return RoyalReports(args[1], std::atoi(args[2].c_str()), std::atoi(args[3].c_str()), std::atoi(args[4].c_str()),
                        runsAt(5, 20));
  }
  if (args[0] == "charge" && args.size() == 2) {
    Bench bench;
    return bench.Load(args[1]) ? 0 : 1;
  }
  return Usage();
}
