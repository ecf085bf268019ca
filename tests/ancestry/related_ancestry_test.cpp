// The part of an ancestry that bears on kinship: what it leaves out, and
// that coefficients, ways and loops found over it are those found over the
// whole ancestry, on hand-made families and on real files.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ancestry/inbreeding.h"
#include "ancestry/pedigree.h"
#include "ancestry/related_ancestry.h"
#include "ancestry/relationship_ways.h"
#include "tests/ancestry/kinship_samples.h"
#include "tests/kinship/family_tree.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using testing::FamilyTree;

// Second cousins Anne (11) and Bruno (12), great-grandchildren of the couple
// Jean (1) and Marie (2). Everyone who married into the family (5, 6, 9, 10)
// has parents of his own, and so have Jean and Marie: branches of strangers.
FamilyTree SecondCousins() {
  FamilyTree tree;
  for (int n : {1, 3, 5, 7, 9, 11, 20, 22, 24, 26, 30}) tree.Person(n, "Homme" + std::to_string(n), "Famille");
  for (int n : {2, 4, 6, 8, 10, 12, 21, 23, 25, 27, 31}) tree.Person(n, "Femme" + std::to_string(n), "Famille");
  tree.Family(1, 1, 2, {3, 4}).Family(2, 3, 6, {7}).Family(3, 5, 4, {8});
  tree.Family(4, 7, 10, {11}).Family(5, 9, 8, {12});
  tree.Family(6, 20, 21, {5}).Family(7, 22, 23, {6}).Family(8, 24, 25, {9}).Family(9, 26, 27, {10});
  tree.Family(10, 30, 31, {1});
  return tree;
}

void ExpectSameWays(const std::vector<RelationshipWay>& found, const std::vector<RelationshipWay>& expected,
                    const std::string& pair) {
  ASSERT_EQ(found.size(), expected.size()) << pair;
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].a, expected[i].a) << pair;
    EXPECT_EQ(found[i].b, expected[i].b) << pair;
    EXPECT_EQ(found[i].kind, expected[i].kind) << pair;
    EXPECT_EQ(found[i].lines.value, expected[i].lines.value) << pair;
    ASSERT_EQ(found[i].ancestors.size(), expected[i].ancestors.size()) << pair;
    for (std::size_t k = 0; k < found[i].ancestors.size(); ++k) {
      EXPECT_EQ(found[i].ancestors[k].first, expected[i].ancestors[k].first) << pair;
      EXPECT_EQ(found[i].ancestors[k].second, expected[i].ancestors[k].second) << pair;
      EXPECT_EQ(found[i].ancestors[k].lines.value, expected[i].ancestors[k].lines.value) << pair;
    }
  }
}

void ExpectNear(double found, double expected, const std::string& what) {
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(found)) << what;
  } else {
    EXPECT_NEAR(found, expected, 1e-13 * (1.0 + expected)) << what;
  }
}

class RelatedAncestryTest : public ::testing::Test {
 protected:
  // Individuals a and b over their whole ancestry and over the part that
  // bears on kinship: the same loops, ways and coefficients. True when the
  // two are related.
  bool ExpectSameAsWholeAncestry(int32_t a, int32_t b) {
    const int32_t persons[] = {a, b};
    const Pedigree whole = Pedigree::OfAncestors(fixture.session.index, persons);
    const Pedigree related = RelatedAncestry(fixture.session.index, persons);
    const std::string pair = std::to_string(a) + " et " + std::to_string(b);
    const int32_t wa = whole.PlaceOf(a), wb = whole.PlaceOf(b);
    const int32_t ra = related.PlaceOf(a), rb = related.PlaceOf(b);
    EXPECT_EQ(wa == Pedigree::kNone, ra == Pedigree::kNone) << pair;
    EXPECT_EQ(wb == Pedigree::kNone, rb == Pedigree::kNone) << pair;
    if (wa == Pedigree::kNone || wb == Pedigree::kNone || ra == Pedigree::kNone || rb == Pedigree::kNone) return false;
    for (const auto& [w, r] : {std::pair{wa, ra}, std::pair{wb, rb}}) {
      EXPECT_EQ(whole.IsOrdered(w), related.IsOrdered(r)) << pair;
      if (whole.IsOrdered(w) || related.IsOrdered(r)) continue;
      EXPECT_EQ(whole.Individual(whole.LoopAncestor(w)), related.Individual(related.LoopAncestor(r))) << pair;
    }
    if (!whole.IsOrdered(wa) || !whole.IsOrdered(wb) || !related.IsOrdered(ra) || !related.IsOrdered(rb)) return false;
    const std::vector<RelationshipWay> ways = FindRelationshipWays(whole, wa, wb);
    ExpectSameWays(FindRelationshipWays(related, ra, rb), ways, pair);
    InbreedingOnDemand onWhole(whole);
    InbreedingOnDemand onRelated(related);
    ExpectNear(onRelated.KinshipOf(ra, rb), onWhole.KinshipOf(wa, wb), "kinship " + pair);
    ExpectNear(onRelated.Of(ra), onWhole.Of(wa), "F " + pair);
    ExpectNear(onRelated.Of(rb), onWhole.Of(wb), "F " + pair);
    return !ways.empty();
  }

  testing::SessionFixture fixture;
};

TEST_F(RelatedAncestryTest, KeepsTheLinesDownFromTheCommonCoupleOnly) {
  ASSERT_TRUE(fixture.LoadText(SecondCousins().Gedcom()));
  const int32_t cousins[] = {11, 12};
  const Pedigree related = RelatedAncestry(fixture.session.index, cousins);
  EXPECT_EQ(related.Size(), 8);  // the cousins, their parents and grandparents of the family, the couple
  for (const int32_t stranger : {5, 6, 9, 10, 20, 21, 30, 31}) EXPECT_EQ(related.PlaceOf(stranger), Pedigree::kNone) << stranger;
  // Jean's parents are strangers too: the couple has no known parents here.
  EXPECT_EQ(related.Father(related.PlaceOf(1)), Pedigree::kNone);
  // Anne's father is of the family, her mother is not.
  EXPECT_EQ(related.Individual(related.Father(related.PlaceOf(11))), 7);
  EXPECT_EQ(related.Mother(related.PlaceOf(11)), Pedigree::kNone);
  const std::vector<RelationshipWay> ways =
      FindRelationshipWays(related, related.PlaceOf(11), related.PlaceOf(12));
  ASSERT_EQ(ways.size(), 1u);
  EXPECT_EQ(ways[0].a, 3);
  EXPECT_EQ(ways[0].b, 3);
  EXPECT_EQ(ways[0].kind, WayKind::Full);
  EXPECT_DOUBLE_EQ(InbreedingOnDemand(related).KinshipOf(related.PlaceOf(11), related.PlaceOf(12)), 1.0 / 64);

  // Two strangers: nothing but themselves.
  const int32_t strangers[] = {5, 10};
  EXPECT_EQ(RelatedAncestry(fixture.session.index, strangers).Size(), 2);
  // Every pair of the family agrees with the whole ancestry.
  for (int32_t a = 1; a <= 31; ++a) {
    for (int32_t b = a + 1; b <= 31; ++b) ExpectSameAsWholeAncestry(a, b);
  }
}

// The loops of the shared loop family (Jean his own grandfather, Lise her
// own mother) and the persons who descend from them.
TEST_F(RelatedAncestryTest, LoopsAreKeptWhole) {
  ASSERT_TRUE(fixture.LoadText(testing::LoopFile()));
  const int32_t luc[] = {7};
  const Pedigree related = RelatedAncestry(fixture.session.index, luc);
  EXPECT_EQ(related.Size(), 5);  // Luc, Marc and the three of the loop
  EXPECT_FALSE(related.IsOrdered(related.PlaceOf(7)));
  for (int32_t a = 1; a <= 8; ++a) {
    for (int32_t b = 1; b <= 8; ++b) ExpectSameAsWholeAncestry(a, b);
  }
}

class RelatedAncestryOfRealFilesTest : public RelatedAncestryTest, public ::testing::WithParamInterface<const char*> {};

// Pairs spread over the whole file, as the kinship search would take them.
TEST_P(RelatedAncestryOfRealFilesTest, SameWaysAndCoefficientsAsTheWholeAncestry) {
  ASSERT_TRUE(fixture.LoadData(GetParam()));
  const Pedigree file = Pedigree::OfWholeFile(fixture.session.index);
  const int32_t step = std::max(1, file.Size() / 30);
  int related = 0;
  for (int32_t x = 0; x < file.Size(); x += step) {
    for (int32_t y = x + 1; y < file.Size(); y += step / 2 + 1) {
      if (ExpectSameAsWholeAncestry(file.Individual(x), file.Individual(y))) ++related;
      if (HasFailure()) return;
    }
  }
  RecordProperty("related", related);
  // The royal pedigree's most inbred: Harald and his parents.
  if (std::string(GetParam()) == "royal92.ged") {
    EXPECT_GT(related, 200);
    EXPECT_TRUE(ExpectSameAsWholeAncestry(450, 451));
    EXPECT_TRUE(ExpectSameAsWholeAncestry(452, 450));
  }
}

INSTANTIATE_TEST_SUITE_P(RealFiles, RelatedAncestryOfRealFilesTest, testing::KinshipRealFiles(),
                         testing::FileTestName);

}  // namespace
}  // namespace quenor
