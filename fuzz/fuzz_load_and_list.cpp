// Fuzz target: any bytes loaded as a GEDCOM file, as "&Ouvrir un fichier
// GEDCom" loads it (check, character set conversion, records, index, the
// renumbering of numbers too large), then the lines of the alphabetical list
// in name order and the record fields of the first individuals read back.
// No session: an index and the renumbering state are all a load needs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz/fuzz_support.h"
#include "gedcom/gedcom_index.h"
#include "gedcom/gedcom_loader.h"
#include "gedcom/list_entry_lines.h"
#include "gedcom/record_fields.h"
#include "gedcom/renumbering.h"
#include "gedcom/sort_list.h"
#include "platform/collation.h"
#include "platform/worker_pool.h"

namespace {

using namespace quenor;

constexpr std::size_t kIndividualsRead = 16;

// One index for the whole process: it reserves its tables once (about
// 120 MB, touched only where a load sets them).
struct Harness {
  fuzzing::SilentUi ui;
  GedcomIndex index;
  RenumberingState renumbering;
  WorkerPool workers{1};  // the load and the sort on the fuzzing thread alone
  std::unique_ptr<Collation> collation = OpenCollation(CollationLocaleFromEnvironment());
  std::string path = fuzzing::ScratchFolder() + "/entree.ged";
};

void Check(bool condition) {
  if (!condition) std::abort();
}

// The longest name of each format: a part keeps at most 41 characters;
// "given surname" gives up the given names for a surname of 39 characters or
// more, and keeps the blank before it.
constexpr std::size_t kLongestName[] = {42, 40, 41, 41};

// Reads every field of one person, as the reports do.
std::size_t ReadPerson(const GedcomIndex& index, int32_t n) {
  std::size_t total = 0;
  for (int format = 0; format <= 3; ++format) {
    const std::string name = PersonName(index, format, n);
    Check(name.size() <= kLongestName[format]);
    total += name.size();
  }
  for (const std::string& marriage : MarriagesOf(index, n)) total += marriage.size();
  total += CoupleName(index, n).size();
  total += static_cast<std::size_t>(FatherOf(index, n) != 0) + (MotherOf(index, n) != 0);
  return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static Harness harness;
  fuzzing::WriteInput(harness.path, data, size);
  GedcomLoad load = LoadGedcom(harness.path, harness.ui, harness.index, harness.renumbering, harness.workers);
  if (load.result != LoadResult::Loaded) return 0;
  const GedcomIndex& index = harness.index;
  Check(load.list.Size() == static_cast<std::size_t>(index.IndividualCount()));

  SortByName(load.list, *harness.collation);
  Check(load.list.Order().size() == load.list.Size());
  volatile std::size_t sink = 0;
  {
    const ListEntryLines lines(index, load.list);
    std::string text;
    lines.Append(load.list.Order(), text);
    sink = sink + text.size();
  }
  for (std::size_t i = 0; i < load.list.Size() && i < kIndividualsRead; ++i) {
    sink = sink + ReadPerson(index, load.list.Number(i));
  }
  sink = sink + ReadPerson(index, index.HighestIndividual());
  return 0;
}
