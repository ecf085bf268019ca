// quenor-bench-load: times the load of a GEDCOM file (read, conversion,
// indexing, alphabetical list) as "&Ouvrir un fichier GEDCom" runs it, with
// one thread and with every thread, beside a plain read of the same file.
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "bench/bench_timing.h"
#include "platform/clock.h"
#include "platform/large_page_blocks.h"
#include "platform/user_interface.h"
#include "session/gedcom_opening.h"
#include "session/session.h"

namespace {

using quenor::bench::Instant;
using quenor::bench::Span;

constexpr double kGoalSeconds = 1.0;
constexpr double kGoalReadRatio = 9.0;
constexpr double kGoalMemoryAboveFile = 150.0;  // MB

// Discards everything but notes when each status text arrives: the status
// texts of a load mark its phases.
class TimingUi : public quenor::UserInterface {
 public:
  void ShowMessage(const std::string& caption, const std::string& text, quenor::MessageIcon) override {
    lastMessage = caption + " : " + text;
  }
  void ShowStatus(const std::string& text) override { marks.push_back({Instant::Now(), text}); }

  struct Mark {
    Instant when;
    std::string text;
  };
  std::vector<Mark> marks;
  std::string lastMessage;
};

// The instant of the first status text that starts with `prefix`, or `fallback`.
Instant MarkTime(const TimingUi& ui, std::string_view prefix, const Instant& fallback) {
  for (const auto& mark : ui.marks) {
    if (std::string_view(mark.text).substr(0, prefix.size()) == prefix) return mark.when;
  }
  return fallback;
}

// The plain read of the file with its line count: the floor any load stands on.
Span PlainRead(const std::string& path, long long& lines) {
  const Instant start = Instant::Now();
  std::FILE* in = std::fopen(path.c_str(), "rb");
  lines = 0;
  if (in == nullptr) return {};
  std::vector<char> buffer(1 << 20);
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
    for (const char* p = buffer.data(); (p = static_cast<const char*>(std::memchr(p, '\n', buffer.data() + got - p))) != nullptr; ++p) ++lines;
  }
  std::fclose(in);
  return Between(start, Instant::Now());
}

// The phases of a load, told apart by its status texts.
struct RunTimes {
  Span total;
  Span reading;   // reading the file, up to "Lecture du fichier..."
  Span indexing;  // conversion, records, index, names, up to "Le fichier ... contient ..."
  Span sorting;   // sort by name, up to "Enregistrement..."
  Span listing;   // the alphabetical list written, to the end
  Span plainRead;
  // Memory high-water mark (kB) at the end of each phase and of the load.
  long memoryRead = 0, memoryIndexed = 0, memorySorted = 0, memoryHighWater = 0;
};

struct Series {
  unsigned threads = 0;
  std::vector<RunTimes> runs;
};

// Loads the file `passes` times into the session; false when a load is refused.
bool RunSeries(quenor::Session& session, TimingUi& ui, const std::string& path, int passes, Series& series,
               long long& lines) {
  session.workers.SetThreads(series.threads);
  for (int pass = 0; pass < passes; ++pass) {
    RunTimes t;
    t.plainRead = PlainRead(path, lines);
    ui.marks.clear();
    const Instant start = Instant::Now();
    const quenor::LoadResult result = quenor::LoadGedcomFile(session, path);
    const Instant end = Instant::Now();
    if (result != quenor::LoadResult::Loaded) {
      std::fprintf(stderr, "quenor-bench-load : chargement refusé (%s)\n", ui.lastMessage.c_str());
      return false;
    }
    const Instant indexStart = MarkTime(ui, "Lecture du fichier", start);
    const Instant sortStart = MarkTime(ui, "Le fichier ", indexStart);
    const Instant listStart = MarkTime(ui, "Enregistrement", sortStart);
    t.total = Between(start, end);
    t.reading = Between(start, indexStart);
    t.indexing = Between(indexStart, sortStart);
    t.sorting = Between(sortStart, listStart);
    t.listing = Between(listStart, end);
    t.memoryRead = indexStart.memoryHighWater;
    t.memoryIndexed = sortStart.memoryHighWater;
    t.memorySorted = listStart.memoryHighWater;
    t.memoryHighWater = end.memoryHighWater;
    std::printf("%u fil%s, passe %d : %.3f s, processeur %.3f s (lecture %.3f, index %.3f, tri %.3f, liste %.3f), "
                "mémoire maximale après la lecture %.1f Mo, l'index %.1f Mo, le tri %.1f Mo, la liste %.1f Mo\n",
                series.threads, series.threads > 1 ? "s" : "", pass + 1, t.total.wall, t.total.processor,
                t.reading.wall, t.indexing.wall, t.sorting.wall, t.listing.wall, t.memoryRead / 1024.0,
                t.memoryIndexed / 1024.0, t.memorySorted / 1024.0, t.memoryHighWater / 1024.0);
    series.runs.push_back(t);
  }
  return true;
}

std::vector<Span> Phase(const Series& series, Span RunTimes::*phase) {
  std::vector<Span> spans;
  for (const RunTimes& run : series.runs) spans.push_back(run.*phase);
  return spans;
}

void PrintSeries(const Series& series, double fileMegabytes) {
  std::printf("\n%u fil%s d'exécution, %zu passes (médianes, et minimums) :\n", series.threads,
              series.threads > 1 ? "s" : "", series.runs.size());
  // The labels are padded by hand: their accents take two bytes each.
  PrintSummary("chargement complet     ", Phase(series, &RunTimes::total));
  PrintSummary("  lecture du fichier   ", Phase(series, &RunTimes::reading));
  PrintSummary("  conversion et index  ", Phase(series, &RunTimes::indexing));
  PrintSummary("  tri par nom          ", Phase(series, &RunTimes::sorting));
  PrintSummary("  écriture de la liste ", Phase(series, &RunTimes::listing));
  PrintSummary("lecture brute          ", Phase(series, &RunTimes::plainRead));
  const double load = MedianWall(Phase(series, &RunTimes::total));
  const double read = MedianWall(Phase(series, &RunTimes::plainRead));
  std::printf("  rapport chargement / lecture brute : %.1f (temps muraux médians)\n", read > 0 ? load / read : 0.0);
  for (std::size_t pass : {std::size_t{0}, std::size_t{2}}) {
    if (pass >= series.runs.size()) continue;
    const double peak = series.runs[pass].memoryHighWater / 1024.0;
    std::printf("  mémoire maximale à la fin de la passe %zu : %.1f Mo (fichier + %.1f Mo)\n", pass + 1, peak,
                peak - fileMegabytes);
  }
}

void PrintGoals(const Series& all, double fileMegabytes) {
  const double load = MedianWall(Phase(all, &RunTimes::total));
  const double read = MedianWall(Phase(all, &RunTimes::plainRead));
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double above = usage.ru_maxrss / 1024.0 - fileMegabytes;
  auto verdict = [](bool met) { return met ? "atteint" : "NON atteint"; };
  std::printf("\nObjectifs (%u fils) :\n", all.threads);
  std::printf("  chargement complet en %.1f s au plus : %s (médiane %.3f s)\n", kGoalSeconds,
              verdict(load <= kGoalSeconds), load);
  std::printf("  au plus %.0f fois la lecture brute : %s (%.1f fois)\n", kGoalReadRatio,
              verdict(read > 0 && load <= kGoalReadRatio * read), read > 0 ? load / read : 0.0);
  std::printf("  mémoire maximale au plus fichier + %.0f Mo : %s (fichier + %.1f Mo)\n", kGoalMemoryAboveFile,
              verdict(above <= kGoalMemoryAboveFile), above);
}

}  // namespace

int main(int argc, char** argv) {
  quenor::UseLargePagesForLargeBlocks();
  if (argc < 2 || argc > 3 || std::strcmp(argv[1], "--aide") == 0) {
    std::fputs("usage : quenor-bench-load FICHIER.ged [NOMBRE_DE_PASSES (5 par défaut)]\n", stderr);
    return 2;
  }
  const std::string path = std::filesystem::absolute(argv[1]).string();
  const int passes = argc == 3 ? std::max(1, std::atoi(argv[2])) : 5;
  std::error_code error;
  const auto fileSize = std::filesystem::file_size(path, error);
  if (error) {
    std::fprintf(stderr, "quenor-bench-load : %s : %s\n", path.c_str(), error.message().c_str());
    return 1;
  }
  const std::string scratch = quenor::bench::MakeScratchFolder("quenor-bench");
  if (scratch.empty()) return 1;

  TimingUi ui;
  const quenor::FixedClock clock(quenor::CalendarDate{2024, 3, 15});
  quenor::Session session(ui, scratch, clock);
  const double fileMegabytes = fileSize / 1048576.0;
  Series one{1, {}};
  Series all{std::max(1u, std::thread::hardware_concurrency()), {}};
  long long lines = 0;
  const bool loaded =
      RunSeries(session, ui, path, passes, one, lines) && RunSeries(session, ui, path, passes, all, lines);
  if (loaded) {
    std::printf("\n%s\n  %.1f Mo, %lld lignes, %d individus, %d familles\n", path.c_str(), fileMegabytes, lines,
                session.index.IndividualCount(), session.index.FamilyCount());
    PrintSeries(one, fileMegabytes);
    PrintSeries(all, fileMegabytes);
    PrintGoals(all, fileMegabytes);
  }
  std::filesystem::remove_all(scratch, error);
  return loaded ? 0 : 1;
}
