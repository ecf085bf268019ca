// quenor-bench-load: times the load of a GEDCOM file (read, conversion,
// indexing, alphabetical list) as "&Ouvrir un fichier GEDCom" runs it.
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/user_interface.h"
#include "session/gedcom_opening.h"
#include "session/session.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of the process: on a machine shared with other work the
// wall time grows with the load, the processor time does not.
double ProcessorSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The high-water mark of the resident memory so far, in kB (Linux).
long MemoryHighWaterKilobytes() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) return 0;
  char line[256];
  long kilobytes = 0;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::sscanf(line, "VmHWM: %ld kB", &kilobytes) == 1) break;
  }
  std::fclose(status);
  return kilobytes;
}

struct Instant {
  Clock::time_point wall;
  double processor = 0;
  long memoryHighWater = 0;  // kB
  static Instant Now() { return {Clock::now(), ProcessorSeconds(), MemoryHighWaterKilobytes()}; }
};

// Wall and processor seconds between two instants.
struct Span {
  double wall = 0;
  double processor = 0;
};

Span Between(const Instant& from, const Instant& to) {
  return {std::chrono::duration<double>(to.wall - from.wall).count(), to.processor - from.processor};
}

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
double PlainReadSeconds(const std::string& path, long long& lines) {
  const Clock::time_point start = Clock::now();
  std::FILE* in = std::fopen(path.c_str(), "rb");
  lines = 0;
  if (in == nullptr) return 0;
  std::vector<char> buffer(1 << 20);
  std::size_t got = 0;
  while ((got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
    for (const char* p = buffer.data(); (p = static_cast<const char*>(std::memchr(p, '\n', buffer.data() + got - p))) != nullptr; ++p) ++lines;
  }
  std::fclose(in);
  return SecondsSince(start);
}

// The phases of a load, told apart by its status texts.
struct RunTimes {
  Span total;
  Span reading;   // read and conversion, up to "Lecture du fichier..."
  Span indexing;  // up to "Le fichier ... contient ..."
  Span listing;   // sort and alphabetical list, up to the end
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

long PeakMemoryKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

double Minimum(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

// `label` is padded by hand: its accents take two bytes each.
void PrintSummary(const char* label, const std::vector<RunTimes>& runs, Span RunTimes::*phase) {
  std::vector<double> wall, processor;
  for (const RunTimes& run : runs) {
    wall.push_back((run.*phase).wall);
    processor.push_back((run.*phase).processor);
  }
  std::printf("  %s murale min %7.3f s méd. %7.3f s | processeur min %7.3f s méd. %7.3f s\n", label, Minimum(wall),
              Median(wall), Minimum(processor), Median(processor));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || std::strcmp(argv[1], "--aide") == 0) {
    std::fputs("usage : quenor-bench-load FICHIER.ged [NOMBRE_DE_PASSES (3 par défaut)]\n", stderr);
    return 2;
  }
  const std::string path = std::filesystem::absolute(argv[1]).string();
  const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 3;
  std::error_code error;
  const auto fileSize = std::filesystem::file_size(path, error);
  if (error) {
    std::fprintf(stderr, "quenor-bench-load : %s : %s\n", path.c_str(), error.message().c_str());
    return 1;
  }
  std::string scratch = (std::filesystem::temp_directory_path() / "quenor-bench-XXXXXX").string();
  if (mkdtemp(scratch.data()) == nullptr) {
    std::perror("quenor-bench-load : mkdtemp");
    return 1;
  }

  TimingUi ui;
  const quenor::FixedClock clock(quenor::CalendarDate{2024, 3, 15});
  quenor::Session session(ui, scratch, clock);
  std::vector<RunTimes> times;
  std::vector<double> plainReads;
  long long lines = 0;
  int status = 0;
  for (int run = 0; run < runs && status == 0; ++run) {
    plainReads.push_back(PlainReadSeconds(path, lines));
    ui.marks.clear();
    const Instant start = Instant::Now();
    const quenor::LoadResult result = quenor::LoadGedcomFile(session, path);
    const Instant end = Instant::Now();
    if (result != quenor::LoadResult::Loaded) {
      std::fprintf(stderr, "quenor-bench-load : chargement refusé (%s)\n", ui.lastMessage.c_str());
      status = 1;
      break;
    }
    const Instant indexStart = MarkTime(ui, "Lecture du fichier", start);
    const Instant listStart = MarkTime(ui, "Le fichier ", indexStart);
    times.push_back({Between(start, end), Between(start, indexStart), Between(indexStart, listStart),
                     Between(listStart, end)});
    const RunTimes& t = times.back();
    std::printf("passe %d : %.3f s, processeur %.3f s (lecture et conversion %.3f, index %.3f, liste %.3f)\n",
                run + 1, t.total.wall, t.total.processor, t.reading.processor, t.indexing.processor,
                t.listing.processor);
    std::printf("  mémoire maximale après la lecture %.1f Mo, après l'index %.1f Mo, à la fin %.1f Mo\n",
                indexStart.memoryHighWater / 1024.0, listStart.memoryHighWater / 1024.0, end.memoryHighWater / 1024.0);
  }
  if (status == 0) {
    std::printf("%s\n  %lld octets, %lld lignes, %d individus, %d familles\n", path.c_str(),
                static_cast<long long>(fileSize), lines, session.index.IndividualCount(), session.index.FamilyCount());
    PrintSummary("chargement complet     ", times, &RunTimes::total);
    PrintSummary("  lecture et conversion", times, &RunTimes::reading);
    PrintSummary("  index                ", times, &RunTimes::indexing);
    PrintSummary("  liste alphabétique   ", times, &RunTimes::listing);
    std::printf("  lecture brute du fichier (comptage des lignes) min %.3f s méd. %.3f s\n", Minimum(plainReads),
                Median(plainReads));
    const long peak = PeakMemoryKilobytes();
    std::printf("  mémoire maximale %.1f Mo (taille du fichier %.1f Mo, soit %+.1f Mo)\n", peak / 1024.0,
                fileSize / 1048576.0, peak / 1024.0 - fileSize / 1048576.0);
  }
  std::filesystem::remove_all(scratch, error);
  return status;
}
