#include "ancestry/ancestry_figures.h"

#include <algorithm>
#include <unordered_map>

#include "ancestry/named_persons.h"
#include "gedcom/gedcom_index.h"

namespace quenor {
namespace {

// What the measure remembers of one person.
struct PersonTally {
  int32_t appearances = 0;       // entries holding the person in the whole table
  uint8_t generationSeen = 0;    // the generation `seenInGeneration` belongs to
  uint8_t seenInGeneration = 0;  // 1 once, 2 more than once
  bool inCumulative = false;     // already counted in the cumulative figures
};

// Tallies by individual number: a flat table up to the flat limit of the
// loaded file, a map for the odd pointer or the sparse number beyond.
class PersonTallies {
 public:
  explicit PersonTallies(int32_t denseLimit) : dense_(static_cast<std::size_t>(denseLimit) + 1) {}

  PersonTally& operator[](int32_t n) {
    if (n >= 0 && static_cast<std::size_t>(n) < dense_.size()) return dense_[static_cast<std::size_t>(n)];
    return sparse_[n];
  }

 private:
  std::vector<PersonTally> dense_;
  std::unordered_map<int32_t, PersonTally> sparse_;
};

int32_t DenseLimit(const GedcomIndex& index, const AncestorTable& table, int32_t last) {
  int32_t highestEntry = 0;
  for (int32_t k = 1; k <= last; ++k) highestEntry = std::max(highestEntry, table[k]);
  return std::min(highestEntry, index.FlatIndividualLimit());
}

class AncestryMeasure {
 public:
  AncestryMeasure(const GedcomIndex& index, const AncestorTable& table, int32_t last, NamedPersons& named)
      : named_(named), table_(table), last_(std::clamp(last, 0, AncestorTable::kSize - 1)),
        tallies_(DenseLimit(index, table, last_)) {}

  AncestryFigures Measure() {
    CountGenerationRows();
    CountWholeTable();
    if (!figures_.generations.empty()) figures_.entries = figures_.generations.back().cumulativeEntries;
    return std::move(figures_);
  }

 private:
  bool Named(int32_t person) { return named_.IsNamed(person); }

  void CountGenerationRows() {
    GenerationFigures row = NewRow(1);
    bool anyNamed = false;
    for (int32_t k = 1; k <= last_; ++k) {
      const int32_t person = table_[k];
      if (person == 0 || !Named(person)) continue;
      const int generation = GenerationOf(k);
      while (row.generation < generation) {
        CloseRow(row);
        row = NewRow(row.generation + 1);
      }
      anyNamed = true;
      CountInRow(row, person);
    }
    if (anyNamed) CloseRow(row);
  }

  static GenerationFigures NewRow(int generation) {
    GenerationFigures row;
    row.generation = generation;
    row.expected = int32_t{1} << (generation - 1);
    return row;
  }

  void CountInRow(GenerationFigures& row, int32_t person) {
    ++row.known;
    PersonTally& tally = tallies_[person];
    if (tally.generationSeen != row.generation) {
      tally.generationSeen = static_cast<uint8_t>(row.generation);
      tally.seenInGeneration = 1;
      ++row.distinct;
    } else if (tally.seenInGeneration == 1) {
      tally.seenInGeneration = 2;
      ++row.repeated;
    }
  }

  // Adds the entries of the row's generation to the cumulative figures.
  void CloseRow(GenerationFigures& row) {
    const int32_t end = std::min(int32_t{1} << row.generation, AncestorTable::kSize);
    for (; cumulativeNext_ < end; ++cumulativeNext_) {
      const int32_t person = table_[cumulativeNext_];
      if (person == 0) continue;
      ++cumulativeEntries_;
      PersonTally& tally = tallies_[person];
      if (!tally.inCumulative) {
        tally.inCumulative = true;
        ++cumulativeDistinct_;
      }
    }
    row.cumulativeEntries = cumulativeEntries_;
    row.cumulativeDistinct = cumulativeDistinct_;
    figures_.generations.push_back(row);
  }

  // Over the generations of the rows only: entries past the last named one
  // would count among the distinct persons but not among the entries.
  void CountWholeTable() {
    const int32_t end = std::min(last_, (int32_t{1} << figures_.generations.size()) - 1);
    std::vector<int32_t> persons;
    for (int32_t k = 1; k <= end; ++k) {
      const int32_t person = table_[k];
      if (person == 0) continue;
      const int32_t appearances = ++tallies_[person].appearances;
      if (appearances == 1) persons.push_back(person);
      if (appearances == 2) ++figures_.repeated;
    }
    figures_.distinct = static_cast<int32_t>(persons.size());
    // Persons by count, gathered in a flat table first: a million persons
    // seen once would otherwise be a million look-ups in the map.
    std::vector<int32_t> personsByCount;
    for (int32_t person : persons) {
      const int32_t appearances = tallies_[person].appearances;
      if (static_cast<std::size_t>(appearances) >= personsByCount.size()) {
        personsByCount.resize(static_cast<std::size_t>(appearances) + 1);
      }
      ++personsByCount[static_cast<std::size_t>(appearances)];
      if (appearances >= 2) figures_.repeatedAncestors.push_back({person, appearances});
    }
    for (std::size_t count = 1; count < personsByCount.size(); ++count) {
      if (personsByCount[count] != 0) figures_.distribution[static_cast<int32_t>(count)] = personsByCount[count];
    }
    std::sort(figures_.repeatedAncestors.begin(), figures_.repeatedAncestors.end(),
              [](const RepeatedAncestor& a, const RepeatedAncestor& b) {
                if (a.appearances != b.appearances) return a.appearances > b.appearances;
                return a.person < b.person;
              });
  }

  NamedPersons& named_;
  const AncestorTable& table_;
  const int32_t last_;
  PersonTallies tallies_;
  AncestryFigures figures_;
  int32_t cumulativeNext_ = 1;
  int32_t cumulativeEntries_ = 0;
  int32_t cumulativeDistinct_ = 0;
};

double Implex(int32_t entries, int32_t distinct) {
  return entries == 0 ? 0.0 : static_cast<double>(entries - distinct) * 100.0 / entries;
}

}  // namespace

double CompletenessPercent(const GenerationFigures& row) {
  return row.expected == 0 ? 0.0 : static_cast<double>(row.known) / row.expected * 100.0;
}

double ImplexPercent(const GenerationFigures& row) { return Implex(row.known, row.distinct); }

double CumulativeImplexPercent(const GenerationFigures& row) {
  return row.known == 0 ? 0.0 : Implex(row.cumulativeEntries, row.cumulativeDistinct);
}

AncestryFigures MeasureAncestry(const GedcomIndex& index, const AncestorTable& table, int32_t last,
                                NamedPersons& named) {
  return AncestryMeasure(index, table, last, named).Measure();
}

AncestryFigures MeasureAncestry(const GedcomIndex& index, const AncestorTable& table, int32_t last) {
  NamedPersons named(index);
  return MeasureAncestry(index, table, last, named);
}

}  // namespace quenor
