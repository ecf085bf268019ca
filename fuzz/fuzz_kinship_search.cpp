// Fuzz target: the kinship search between two persons of a GEDCOM file, as
// the choice of the two persons runs it, after the ancestry analysis of the
// first one. The first line of the input
// names them after its "0 HEAD" ("0 HEAD 115 426"); without numbers there,
// the first two individuals of the file with parents are taken. Every
// report is written (LstAscd.TXT, Stat.TXT, LstRep.TXT, LstSouch.TXT,
// LignCol.TXT or LstDesc.TXT and OrgDesc.TXT), into the scratch folder.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ancestry/ancestry_analysis.h"
#include "ancestry/ancestor_table.h"
#include "fuzz/fuzz_support.h"
#include "gedcom/gedcom_index.h"
#include "gedcom/gedcom_loader.h"
#include "gedcom/record_fields.h"
#include "platform/clock.h"
#include "session/kinship_choice.h"
#include "session/session.h"

namespace {

using namespace quenor;

// One session for the whole process: it reserves its tables once.
struct Harness {
  fuzzing::SilentUi ui;
  FixedClock clock{CalendarDate{2024, 3, 15}};
  Session session{ui, fuzzing::ScratchFolder(), clock};
  std::string path = fuzzing::ScratchFolder() + "/entree.ged";
};

// A file of a few persons may fill the ancestor table down to generation
// 20 (a person who is his own ancestor repeats his line to the end; cousins
// marrying over and over fill every entry); the analyses then walk a million
// entries several times, which the tests cover. The fuzzing keeps to
// pedigrees of at most this many generations and entries.
constexpr int kDeepestGeneration = 14;
constexpr int64_t kLargestPedigree = 4096;

struct Pedigree {
  int64_t entries = 0;
  int deepest = 0;  // generation
};

// The pedigree that the ancestor table of a person would hold, measured
// without filling it (as far as the limits, which stop the counting).
class PedigreeMeasure {
 public:
  explicit PedigreeMeasure(const GedcomIndex& index) : index_(index) {}

  bool WithinLimits(int32_t person) {
    const Pedigree pedigree = Of(person, 1);
    return pedigree.entries <= kLargestPedigree && pedigree.deepest <= kDeepestGeneration;
  }

 private:
  Pedigree Of(int32_t person, int generation) {
    if (person == 0) return {};
    if (generation > kDeepestGeneration) return {1, generation};
    const auto known = measured_.find({person, generation});
    if (known != measured_.end()) return known->second;
    Pedigree pedigree{1, generation};
    if (const int32_t family = index_.ParentFamily(person); family != 0) {
      for (const int32_t parent : {HusbandOf(index_, family), WifeOf(index_, family)}) {
        const Pedigree above = Of(parent, generation + 1);
        pedigree.entries = std::min(pedigree.entries + above.entries, kLargestPedigree + 1);
        pedigree.deepest = std::max(pedigree.deepest, above.deepest);
      }
    }
    measured_[{person, generation}] = pedigree;
    return pedigree;
  }

  const GedcomIndex& index_;
  std::map<std::pair<int32_t, int>, Pedigree> measured_;
};

// The numbers written after "0 HEAD" on the first line, at most two.
std::vector<int32_t> NumbersOfTheFirstLine(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view first = bytes.substr(0, std::min(bytes.find('\n'), std::size_t{254}));
  std::vector<int32_t> numbers;
  const std::size_t head = first.find("0 HEAD");
  if (head == std::string_view::npos) return numbers;
  int64_t value = -1;
  for (std::size_t i = head + 6; i <= first.size() && numbers.size() < 2; ++i) {
    const bool digit = i < first.size() && first[i] >= '0' && first[i] <= '9';
    if (digit) {
      value = std::min<int64_t>((value < 0 ? 0 : value * 10) + (first[i] - '0'), INT32_MAX);
    } else if (value >= 0) {
      numbers.push_back(static_cast<int32_t>(value));
      value = -1;
    }
  }
  return numbers;
}

// The persons named by the input, completed by the first with parents.
std::vector<int32_t> ChosenPersons(const GedcomLoad& load, const GedcomIndex& index, const uint8_t* data,
                                   std::size_t size) {
  std::vector<int32_t> persons = NumbersOfTheFirstLine(data, size);
  for (std::size_t i = 0; i < load.list.Size() && persons.size() < 2; ++i) {
    const int32_t n = load.list.Number(i);
    if (index.ParentFamily(n) != 0 && (persons.empty() || persons[0] != n)) persons.push_back(n);
  }
  return persons;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static Harness harness;
  Session& session = harness.session;
  fuzzing::WriteInput(harness.path, data, size);
  const GedcomLoad load = LoadGedcom(harness.path, session.ui, session.index, session.renumbering, session.workers);
  if (load.result != LoadResult::Loaded) return 0;
  session.dataFolder = load.dataFolder;
  const std::vector<int32_t> persons = ChosenPersons(load, session.index, data, size);
  if (persons.size() < 2) return 0;
  PedigreeMeasure pedigree(session.index);
  if (!pedigree.WithinLimits(persons[0]) || !pedigree.WithinLimits(persons[1])) return 0;

  session.selectionMode = 1;
  session.chosenLine = std::to_string(persons[0]);
  AnalyseAncestry(session);

  // "&Sélectionner les 2 individus", then each person chosen and "OK".
  session.selectionMode = 0;
  LiensSelect2Click(session);
  for (const int32_t person : persons) {
    session.chosenLine = std::to_string(person);
    LiensSelect2Click(session);
  }
  return 0;
}
