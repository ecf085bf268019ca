// The coefficients of the real files checked against a second, independent
// computation: Wright's sum over every pair of lines from the two persons up
// to a common ancestor that meet nowhere else, (1/2)^(n1 + n2 + 1) (1 + F) of
// that ancestor. The lines are listed one by one, so only the persons with
// few enough of them are checked.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ancestry/inbreeding.h"
#include "ancestry/pedigree.h"
#include "ancestry/relationship_ways.h"
#include "tests/ancestry/kinship_samples.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using Line = std::vector<int32_t>;  // from a person up to an ancestor, both included

class PathCount {
 public:
  PathCount(const Pedigree& pedigree, std::size_t limit) : pedigree_(pedigree), limit_(limit) {}

  // Wright's kinship of x and y, or nothing when one of them has too many lines.
  std::optional<double> Kinship(int32_t x, int32_t y) {
    std::map<int32_t, std::vector<Line>> fromX, fromY;
    if (!Lines(x, fromX) || !Lines(y, fromY)) return std::nullopt;
    double sum = 0.0;
    for (const auto& [ancestor, xLines] : fromX) {
      const auto found = fromY.find(ancestor);
      if (found == fromY.end()) continue;
      const std::optional<double> f = Inbreeding(ancestor);
      if (!f) return std::nullopt;
      for (const Line& one : xLines) {
        const std::set<int32_t> persons(one.begin(), one.end() - 1);
        for (const Line& two : found->second) {
          bool apart = true;
          for (std::size_t i = 0; i + 1 < two.size() && apart; ++i) apart = persons.count(two[i]) == 0;
          // (1/2)^(n1 + n2 + 1), each line holding n + 1 persons.
          if (apart) sum += std::ldexp(1.0 + *f, -static_cast<int>(one.size() + two.size() - 1));
        }
      }
    }
    return sum;
  }

  std::optional<double> Inbreeding(int32_t person) {
    if (const auto known = inbreeding_.find(person); known != inbreeding_.end()) return known->second;
    const int32_t father = pedigree_.Father(person);
    const int32_t mother = pedigree_.Mother(person);
    std::optional<double> f = 0.0;
    if (father != Pedigree::kNone && mother != Pedigree::kNone) f = Kinship(father, mother);
    inbreeding_[person] = f;
    return f;
  }

 private:
  // Every line from `start` up, by the ancestor where it ends; false beyond the limit.
  bool Lines(int32_t start, std::map<int32_t, std::vector<Line>>& lines) {
    std::size_t count = 0;
    std::vector<Line> pending{{start}};
    while (!pending.empty()) {
      Line line = std::move(pending.back());
      pending.pop_back();
      if (++count > limit_) return false;
      for (const int32_t parent : {pedigree_.Father(line.back()), pedigree_.Mother(line.back())}) {
        if (parent == Pedigree::kNone) continue;
        Line longer = line;
        longer.push_back(parent);
        pending.push_back(std::move(longer));
      }
      lines[line.back()].push_back(std::move(line));
    }
    return true;
  }

  const Pedigree& pedigree_;
  const std::size_t limit_;
  std::map<int32_t, std::optional<double>> inbreeding_;
};

struct Checked {
  int couples = 0;
  int inbred = 0;
  int pairs = 0;
};

class PathCountTest : public ::testing::TestWithParam<const char*> {
 protected:
  testing::SessionFixture fixture;
};

// Every person of the file whose parents have few enough lines: his F, by
// the whole-file computation, and the kinship of many pairs, on demand,
// match the sums over lines; two persons are related by some way exactly
// when their kinship is not nil.
TEST_P(PathCountTest, CoefficientsMatchWrightsSumOverLines) {
  ASSERT_TRUE(fixture.LoadData(GetParam()));
  const Pedigree pedigree = Pedigree::OfWholeFile(fixture.session.index);
  const std::vector<double> all = InbreedingOfAll(pedigree, 2);
  PathCount paths(pedigree, 3000);
  Checked checked;
  for (int32_t place = 0; place < pedigree.OrderedCount(); ++place) {
    const std::optional<double> f = paths.Inbreeding(place);
    if (!f) continue;
    if (pedigree.Father(place) != Pedigree::kNone && pedigree.Mother(place) != Pedigree::kNone) ++checked.couples;
    if (*f > 0) ++checked.inbred;
    ASSERT_NEAR(all[static_cast<std::size_t>(place)], *f, 1e-12 * (1 + *f)) << pedigree.Individual(place);
  }
  InbreedingOnDemand onDemand(pedigree);
  const int32_t step = std::max(1, pedigree.OrderedCount() / 40);
  for (int32_t x = 0; x < pedigree.OrderedCount(); x += step) {
    for (int32_t y = x + 1; y < pedigree.OrderedCount(); y += step / 3 + 1) {
      const std::optional<double> kinship = paths.Kinship(x, y);
      if (!kinship) continue;
      ++checked.pairs;
      ASSERT_NEAR(onDemand.KinshipOf(x, y), *kinship, 1e-12) << pedigree.Individual(x) << " " << pedigree.Individual(y);
      EXPECT_EQ(FindRelationshipWays(pedigree, x, y).empty(), *kinship == 0.0)
          << pedigree.Individual(x) << " " << pedigree.Individual(y);
    }
  }
  RecordProperty("couples", checked.couples);
  RecordProperty("pairs", checked.pairs);
  EXPECT_GT(checked.couples, 0);
  EXPECT_GT(checked.pairs, 0);
  if (std::string(GetParam()) == "royal92.ged") {
    EXPECT_GT(checked.inbred, 50);
    EXPECT_GT(checked.pairs, 500);
    // Harald of Norway, whose parents Olav V and Martha of Sweden are
    // related by six ways over eight generations.
    const int32_t harald = pedigree.PlaceOf(452);
    PathCount deeper(pedigree, 200000);
    const std::optional<double> f = deeper.Inbreeding(harald);
    ASSERT_TRUE(f.has_value());
    EXPECT_NEAR(all[static_cast<std::size_t>(harald)], *f, 1e-12);
    EXPECT_NEAR(*f, 0.08759, 5e-6);
  }
}

INSTANTIATE_TEST_SUITE_P(RealFiles, PathCountTest, testing::KinshipRealFiles(), testing::FileTestName);

}  // namespace
}  // namespace quenor
