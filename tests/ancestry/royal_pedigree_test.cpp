// The royal pedigrees of royal92.ged repeat the same ancestors many times
// over 20 generations: the table and its figures are checked against a
// plain recursive walk of the pedigree.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ancestry/ancestry_analysis.h"
#include "ancestry/ancestry_figures.h"
#include "ancestry/is_named.h"
#include "gedcom/record_fields.h"
#include "tests/support/royal_file_test.h"

namespace quenor {
namespace {

using testing::SessionFixture;

// Every ancestor reached by following fathers and mothers, by Stradonitz
// number, walked depth first.
class PedigreeWalk {
 public:
  PedigreeWalk(const GedcomIndex& index, int32_t probant) : index_(index) { Visit(probant, 1, 1); }

  std::map<int32_t, int32_t> entries;  // Stradonitz number -> individual

 private:
  void Visit(int32_t person, int32_t k, int generation) {
    if (generation > 20) return;
    entries[k] = person;
    const int32_t father = FatherOf(index_, person);
    const int32_t mother = MotherOf(index_, person);
    if (father != 0) Visit(father, 2 * k, generation + 1);
    if (mother != 0) Visit(mother, 2 * k + 1, generation + 1);
  }

  const GedcomIndex& index_;
};

int GenerationOfNumber(int32_t k) {
  int g = 0;
  for (; k > 0; k /= 2) ++g;
  return g;
}

class RoyalPedigreeTest : public testing::RoyalFileTest {};

TEST_P(RoyalPedigreeTest, TableAndFiguresMatchARecursiveWalk) {
  Session& session = fixture_->session;
  const int32_t probant = GetParam();
  session.chosenLine = std::to_string(probant);
  ASSERT_EQ(AnalyseAncestry(session), AncestryOutcome::Analysed);

  const PedigreeWalk walk(session.index, probant);
  int32_t filled = 0;
  for (int32_t k = 1; k < AncestorTable::kSize; ++k) {
    if (session.ancestors[k] == 0) continue;
    ++filled;
    auto found = walk.entries.find(k);
    ASSERT_NE(found, walk.entries.end()) << k;
    ASSERT_EQ(found->second, session.ancestors[k]) << k;
  }
  EXPECT_EQ(filled, static_cast<int32_t>(walk.entries.size()));
  EXPECT_EQ(session.ancestors.lastStradonitz, walk.entries.rbegin()->first);

  // Appearances per generation (named persons) and over the whole table.
  std::map<int, int32_t> namedPerGeneration;
  std::map<int32_t, int32_t> appearances;
  for (const auto& [k, person] : walk.entries) {
    if (IsNamed(session.index, person)) ++namedPerGeneration[GenerationOfNumber(k)];
    ++appearances[person];
  }
  std::map<int32_t, int32_t> distribution;
  int32_t repeated = 0;
  for (const auto& [person, count] : appearances) {
    ++distribution[count];
    if (count > 1) ++repeated;
  }

  const AncestryFigures figures = MeasureAncestry(session.index, session.ancestors, session.ancestors.lastStradonitz);
  ASSERT_EQ(figures.LastGeneration(), namedPerGeneration.rbegin()->first);
  for (const GenerationFigures& row : figures.generations) {
    EXPECT_EQ(row.known, namedPerGeneration[row.generation]) << row.generation;
  }
  EXPECT_EQ(figures.entries, filled);
  EXPECT_EQ(figures.distinct, static_cast<int32_t>(appearances.size()));
  EXPECT_EQ(figures.repeated, repeated);
  EXPECT_EQ(figures.distribution, distribution);
  EXPECT_GT(repeated, 0);

  // The reports agree: one list line per entry, one repeated line per person.
  const std::string list = fixture_->Report("LstAscd.TXT");
  EXPECT_EQ(list.substr(list.rfind(": ") + 2), FormatCount(filled));
  const std::string repeatedList = fixture_->Report("LstRep.TXT");
  int32_t lines = 0;
  for (char c : repeatedList) lines += c == '\n';
  EXPECT_EQ(lines, 6 + repeated);
  EXPECT_NE(repeatedList.find("Liste des " + FormatCount(repeated) + " ascendants"), std::string::npos);
  EXPECT_NE(fixture_->Report("Stat.TXT").find("Total des apparitions: " + std::string(10 - FormatCount(filled).size(), ' ') +
                                              FormatCount(filled)),
            std::string::npos);
}

// Queen Victoria (1) and two of the deepest pedigrees of the file.
INSTANTIATE_TEST_SUITE_P(Probants, RoyalPedigreeTest, ::testing::Values(1, 743, 974));

}  // namespace
}  // namespace quenor
