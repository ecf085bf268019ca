// Fuzz target: any bytes loaded as a GEDCOM file (check, conversion,
// indexing, alphabetical list), then the record fields of the first
// individuals read back.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ancestry/ancestry_analysis.h"
#include "gedcom/record_fields.h"
#include "platform/clock.h"
#include "platform/user_interface.h"
#include "session/gedcom_opening.h"
#include "session/session.h"

namespace {

constexpr int kIndividualsRead = 16;
constexpr int32_t kHighestNumberScanned = 4096;

class SilentUi : public quenor::UserInterface {
 public:
  void ShowMessage(const std::string&, const std::string&, quenor::MessageIcon) override {}
  void ShowStatus(const std::string&) override {}
};

std::string MakeScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quenor-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  return pattern;
}

// One session for the whole process: it reserves its tables once (about
// 120 MB, touched lazily) and every input is loaded into it again.
struct Harness {
  Harness() : folder(MakeScratchFolder()), clock(quenor::CalendarDate{2024, 3, 15}), session(ui, folder, clock) {}
  ~Harness() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  std::string folder;
  SilentUi ui;
  quenor::FixedClock clock;
  quenor::Session session;
};

bool WriteInput(const std::string& path, const uint8_t* data, std::size_t size) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  const bool written = size == 0 || std::fwrite(data, 1, size, out) == size;
  return std::fclose(out) == 0 && written;
}

// Reads every field of one person, as the reports do.
std::size_t ReadPerson(const quenor::GedcomIndex& index, int32_t n) {
  std::size_t total = 0;
  for (int format = 0; format <= 3; ++format) total += quenor::PersonName(index, format, n).size();
  for (const std::string& marriage : quenor::MarriagesOf(index, n)) total += marriage.size();
  total += quenor::CoupleName(index, n).size();
  total += static_cast<std::size_t>(quenor::FatherOf(index, n) != 0) + (quenor::MotherOf(index, n) != 0);
  return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static Harness harness;
  const std::string path = harness.folder + "/entree.ged";
  if (!WriteInput(path, data, size)) std::abort();
  if (quenor::LoadGedcomFile(harness.session, path) != quenor::LoadResult::Loaded) return 0;
  const quenor::GedcomIndex& index = harness.session.index;
  const int32_t last = std::min(index.HighestIndividual(), kHighestNumberScanned);
  int read = 0;
  volatile std::size_t sink = 0;
  for (int32_t n = 0; n <= last && read < kIndividualsRead; ++n) {
    if (index.IndividualRecord(n) == nullptr) continue;
    sink = sink + ReadPerson(index, n);
    ++read;
  }
  sink = sink + ReadPerson(index, index.HighestIndividual());
  // The ancestry analysis of the first individual that has parents, as if
  // chosen in the list: table, list, statistics, loops.
  for (int32_t n = 1; n <= last; ++n) {
    if (index.ParentFamily(n) == 0) continue;
    harness.session.chosenLine = std::to_string(n);
    quenor::AnalyseAncestry(harness.session);
    break;
  }
  return 0;
}
