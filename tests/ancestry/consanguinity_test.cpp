// Coefficients of kinship and inbreeding on small families whose values are
// known, computed for the whole file, on demand, over the ancestors of the
// persons asked only, and over the part of them that bears on kinship: all
// must agree.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ancestry/inbreeding.h"
#include "ancestry/pedigree.h"
#include "ancestry/related_ancestry.h"
#include "tests/ancestry/kinship_samples.h"
#include "tests/kinship/family_tree.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using testing::FamilyTree;
using testing::LoopFile;

class ConsanguinityTest : public ::testing::Test {
 protected:
  void Load(const FamilyTree& tree) { ASSERT_TRUE(fixture.LoadText(tree.Gedcom())); }
  void LoadText(const std::string& text) { ASSERT_TRUE(fixture.LoadText(text)); }

  // F of individual n by the three computations, which must agree.
  double F(int32_t n) {
    const Pedigree whole = Pedigree::OfWholeFile(fixture.session.index);
    const std::vector<double> all = InbreedingOfAll(whole, 1);
    const double fromAll = all[static_cast<std::size_t>(whole.PlaceOf(n))];
    InbreedingOnDemand onDemand(whole);
    EXPECT_DOUBLE_EQ(onDemand.Of(whole.PlaceOf(n)), fromAll) << n;
    const int32_t persons[] = {n};
    const Pedigree own = Pedigree::OfAncestors(fixture.session.index, persons);
    InbreedingOnDemand ancestorsOnly(own);
    EXPECT_DOUBLE_EQ(ancestorsOnly.Of(own.PlaceOf(n)), fromAll) << n;
    const Pedigree related = RelatedAncestry(fixture.session.index, persons);
    EXPECT_DOUBLE_EQ(InbreedingOnDemand(related).Of(related.PlaceOf(n)), fromAll) << n;
    return fromAll;
  }

  // The kinship of individuals a and b, over their ancestors only and over
  // the whole file.
  double Kinship(int32_t a, int32_t b) {
    const int32_t persons[] = {a, b};
    const Pedigree own = Pedigree::OfAncestors(fixture.session.index, persons);
    const double kinship = InbreedingOnDemand(own).KinshipOf(own.PlaceOf(a), own.PlaceOf(b));
    const Pedigree whole = Pedigree::OfWholeFile(fixture.session.index);
    EXPECT_DOUBLE_EQ(InbreedingOnDemand(whole).KinshipOf(whole.PlaceOf(a), whole.PlaceOf(b)), kinship);
    const Pedigree related = RelatedAncestry(fixture.session.index, persons);
    EXPECT_DOUBLE_EQ(InbreedingOnDemand(related).KinshipOf(related.PlaceOf(a), related.PlaceOf(b)), kinship);
    return kinship;
  }

  testing::SessionFixture fixture;
};

// Adam and Eve (1, 2) with their sons Abel (3) and Seth (5) and their
// daughter Awan (4); the spouses from outside have no known parents.
FamilyTree FirstFamily() {
  FamilyTree tree;
  tree.Person(1, "Adam", "Souche").Person(2, "Eve", "Souche");
  tree.Person(3, "Abel", "Souche").Person(4, "Awan", "Souche").Person(5, "Seth", "Souche");
  tree.Family(1, 1, 2, {3, 4, 5});
  return tree;
}

TEST_F(ConsanguinityTest, ChildOfBrotherAndSisterAndOfUncleAndNiece) {
  FamilyTree tree = FirstFamily();
  tree.Person(6, "Enos", "Souche").Family(2, 3, 4, {6});                    // brother and sister
  tree.Person(7, "Azura", "Dehors").Person(8, "Noa", "Souche").Family(3, 5, 7, {8});
  tree.Person(9, "Kenan", "Souche").Family(4, 3, 8, {9});                   // uncle and niece
  Load(tree);
  EXPECT_DOUBLE_EQ(Kinship(3, 4), 0.25);  // brothers and sisters: r = 50 %
  EXPECT_DOUBLE_EQ(F(6), 0.25);
  EXPECT_DOUBLE_EQ(Kinship(3, 8), 0.125);
  EXPECT_DOUBLE_EQ(F(9), 0.125);
  EXPECT_DOUBLE_EQ(F(3), 0.0);
  EXPECT_DOUBLE_EQ(F(1), 0.0);
  // A person with himself: 1/2 (1 + F).
  EXPECT_DOUBLE_EQ(Kinship(6, 6), 0.5 * 1.25);
}

TEST_F(ConsanguinityTest, ChildOfHalfBrotherAndHalfSister) {
  FamilyTree tree;
  tree.Person(1, "Jean", "Martin").Person(2, "Anne", "Roux").Person(4, "Marie", "Blanc");
  tree.Person(3, "Louis", "Martin").Person(5, "Rose", "Martin").Person(6, "Paul", "Martin");
  tree.Family(1, 1, 2, {3}).Family(2, 1, 4, {5}).Family(3, 3, 5, {6});
  Load(tree);
  EXPECT_DOUBLE_EQ(Kinship(3, 5), 0.125);  // r = 25 %
  EXPECT_DOUBLE_EQ(F(6), 0.125);
}

// Brothers 3 and 4 (of 1 and 2) marry sisters 5 and 6 (of 10 and 11), or
// women without known parents.
FamilyTree Cousins(bool doubleCousins) {
  FamilyTree tree;
  tree.Person(1, "Pierre", "Martin").Person(2, "Adèle", "Roux").Person(10, "Henri", "Blanc").Person(11, "Léa", "Noir");
  tree.Person(3, "Jean", "Martin").Person(4, "Louis", "Martin").Person(5, "Marie", "Blanc").Person(6, "Rose", "Blanc");
  tree.Person(7, "Paul", "Martin").Person(8, "Alice", "Martin").Person(9, "Léon", "Martin");
  tree.Family(1, 1, 2, {3, 4});
  if (doubleCousins) tree.Family(2, 10, 11, {5, 6});
  tree.Family(3, 3, 5, {7}).Family(4, 4, 6, {8}).Family(5, 7, 8, {9});
  return tree;
}

TEST_F(ConsanguinityTest, ChildOfFirstCousins) {
  Load(Cousins(false));
  EXPECT_DOUBLE_EQ(Kinship(7, 8), 0.0625);  // r = 12.5 %
  EXPECT_DOUBLE_EQ(F(9), 0.0625);
}

// The first cousins Paul (7) and Alice (8) each have a son, Marc (21) and
// Luc (23), who has a daughter, Zoé (25): the coefficients of relationship
// r = 2 kinship halve with each generation away from the common couple.
TEST_F(ConsanguinityTest, CoefficientsOfRelationshipByDegree) {
  FamilyTree tree = Cousins(false);
  tree.Person(20, "Eva", "Dehors").Person(21, "Marc", "Martin").Person(22, "Ida", "Dehors").Person(23, "Luc", "Martin");
  tree.Person(24, "Lou", "Dehors").Person(25, "Zoé", "Martin");
  tree.Family(6, 7, 20, {21}).Family(7, 8, 22, {23}).Family(8, 23, 24, {25});
  Load(tree);
  EXPECT_DOUBLE_EQ(2 * Kinship(3, 4), 0.5);        // brothers
  EXPECT_DOUBLE_EQ(2 * Kinship(4, 7), 0.25);       // uncle and nephew
  EXPECT_DOUBLE_EQ(2 * Kinship(4, 21), 0.125);     // great-uncle
  EXPECT_DOUBLE_EQ(2 * Kinship(7, 8), 0.125);      // first cousins
  EXPECT_DOUBLE_EQ(2 * Kinship(7, 23), 0.0625);    // first cousins once removed
  EXPECT_DOUBLE_EQ(2 * Kinship(21, 23), 0.03125);  // second cousins
  EXPECT_DOUBLE_EQ(2 * Kinship(21, 25), 0.015625); // second cousins once removed
  EXPECT_DOUBLE_EQ(2 * Kinship(1, 25), 0.0625);    // great-great-grandfather
  EXPECT_DOUBLE_EQ(2 * Kinship(20, 23), 0.0);      // in-laws
}

TEST_F(ConsanguinityTest, ChildOfDoubleFirstCousins) {
  Load(Cousins(true));
  EXPECT_DOUBLE_EQ(Kinship(7, 8), 0.125);  // r = 25 %
  EXPECT_DOUBLE_EQ(F(9), 0.125);
}

// The common ancestor of two half-brothers is himself the child of a
// brother and a sister: his own F adds to theirs.
TEST_F(ConsanguinityTest, AnInbredCommonAncestorBringsHisOwnCoefficient) {
  FamilyTree tree = FirstFamily();
  tree.Person(6, "Enos", "Souche").Family(2, 3, 4, {6});
  tree.Person(10, "Ada", "Dehors").Person(11, "Irad", "Souche").Family(3, 6, 10, {11});
  tree.Person(12, "Zilla", "Dehors").Person(13, "Lea", "Souche").Family(4, 6, 12, {13});
  tree.Person(14, "Jabal", "Souche").Family(5, 11, 13, {14});
  Load(tree);
  ASSERT_DOUBLE_EQ(F(6), 0.25);
  // (1/2)^(1 + 1 + 1) (1 + 1/4)
  EXPECT_DOUBLE_EQ(Kinship(11, 13), 0.15625);
  EXPECT_DOUBLE_EQ(F(14), 0.15625);
}

// Paul (9) descends from Pierre (1) by two lines, through his father and his
// mother, first cousins.
TEST_F(ConsanguinityTest, DescentByTwoLines) {
  Load(Cousins(false));
  EXPECT_DOUBLE_EQ(Kinship(1, 9), 0.125);  // 2 (1/2)^3 (1/2)
  EXPECT_DOUBLE_EQ(Kinship(1, 7), 0.125);  // a grandchild, one line
  EXPECT_DOUBLE_EQ(Kinship(1, 3), 0.25);   // a child
}

// A family with a husband and no wife, a pointer to a record numbered 0 and
// a pointer to a missing record: each unknown parent counts as a distinct
// unrelated person.
TEST_F(ConsanguinityTest, UnknownParentsAreUnrelatedStrangers) {
  LoadText(
      "0 HEAD\n1 CHAR ANSI\n"
      "0 @I0@ INDI\n1 NAME Zero /Nul/\n1 FAMS @F2@\n"
      "0 @I1@ INDI\n1 NAME Jean /Seul/\n1 FAMS @F1@\n"
      "0 @I2@ INDI\n1 NAME Anne /Seul/\n1 FAMC @F1@\n1 FAMS @F4@\n"
      "0 @I3@ INDI\n1 NAME Paul /Seul/\n1 FAMC @F1@\n1 FAMS @F4@\n"
      "0 @I4@ INDI\n1 NAME Rose /Nul/\n1 FAMS @F2@\n"
      "0 @I5@ INDI\n1 NAME Luc /Nul/\n1 FAMC @F2@\n"
      "0 @I6@ INDI\n1 NAME Eva /Nul/\n1 FAMC @F2@\n"
      "0 @I7@ INDI\n1 NAME Max /Vide/\n1 FAMC @F3@\n"
      "0 @I8@ INDI\n1 NAME Ida /Vide/\n1 FAMC @F3@\n"
      "0 @I9@ INDI\n1 NAME Tom /Seul/\n1 FAMC @F4@\n"
      "0 @I10@ INDI\n1 NAME Noe /Perdu/\n1 FAMC @F77@\n"
      "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n1 CHIL @I3@\n"
      "0 @F2@ FAM\n1 HUSB @I0@\n1 WIFE @I4@\n1 CHIL @I5@\n1 CHIL @I6@\n"
      "0 @F3@ FAM\n1 HUSB @I99@\n1 WIFE @VOID@\n1 CHIL @I7@\n1 CHIL @I8@\n"
      "0 @F4@ FAM\n1 HUSB @I3@\n1 WIFE @I2@\n1 CHIL @I9@\n"
      "0 TRLR\n");
  const Pedigree whole = Pedigree::OfWholeFile(fixture.session.index);
  EXPECT_EQ(whole.PlaceOf(0), Pedigree::kNone);
  EXPECT_EQ(whole.Father(whole.PlaceOf(5)), Pedigree::kNone);  // HUSB @I0@
  EXPECT_EQ(whole.Individual(whole.Mother(whole.PlaceOf(5))), 4);
  EXPECT_EQ(whole.Father(whole.PlaceOf(7)), Pedigree::kNone);  // a missing record
  EXPECT_EQ(whole.Mother(whole.PlaceOf(7)), Pedigree::kNone);  // a pointer without a number
  EXPECT_EQ(whole.Father(whole.PlaceOf(10)), Pedigree::kNone);  // a missing family
  EXPECT_EQ(whole.OrderedCount(), whole.Size());

  EXPECT_DOUBLE_EQ(Kinship(2, 3), 0.125);  // the same father, mothers unknown
  EXPECT_DOUBLE_EQ(F(9), 0.125);
  EXPECT_DOUBLE_EQ(Kinship(5, 6), 0.125);  // the same mother only
  EXPECT_DOUBLE_EQ(Kinship(7, 8), 0.0);    // nobody known in common
  EXPECT_DOUBLE_EQ(F(2), 0.0);
}

TEST_F(ConsanguinityTest, OwnAncestorsAndTheirDescendantsHaveNoCoefficient) {
  LoadText(LoopFile());
  const Pedigree whole = Pedigree::OfWholeFile(fixture.session.index);
  EXPECT_EQ(whole.OrderedCount(), 2);  // Paul and Rose
  auto place = [&](int32_t n) { return whole.PlaceOf(n); };
  for (const int32_t n : {1, 2, 3, 8}) {
    EXPECT_FALSE(whole.IsOrdered(place(n))) << n;
    EXPECT_TRUE(whole.OnLoop(place(n))) << n;
    EXPECT_EQ(whole.LoopAncestor(place(n)), place(n)) << n;
  }
  for (const int32_t n : {4, 7}) {
    EXPECT_FALSE(whole.OnLoop(place(n))) << n;
    EXPECT_TRUE(whole.Individual(whole.LoopAncestor(place(n))) >= 1 &&
                whole.Individual(whole.LoopAncestor(place(n))) <= 3)
        << n;
  }
  const std::vector<double> all = InbreedingOfAll(whole, 1);
  EXPECT_TRUE(std::isnan(all[static_cast<std::size_t>(place(7))]));
  EXPECT_DOUBLE_EQ(all[static_cast<std::size_t>(place(5))], 0.0);
  InbreedingOnDemand onDemand(whole);
  EXPECT_TRUE(std::isnan(onDemand.Of(place(4))));
  EXPECT_DOUBLE_EQ(onDemand.Of(place(5)), 0.0);
}

// A line of descent of 60,000 generations, father to son; with `loop`, the
// first one is also the son of the last one.
std::string LongLine(int generations, bool loop) {
  std::string text = "0 HEAD\n1 CHAR ANSI\n";
  for (int n = 1; n <= generations; ++n) {
    text += "0 @I" + std::to_string(n) + "@ INDI\n1 NAME Fils" + std::to_string(n) + " /Lignee/\n";
    if (n > 1) text += "1 FAMC @F" + std::to_string(n - 1) + "@\n";
    if (n == 1 && loop) text += "1 FAMC @F" + std::to_string(generations) + "@\n";
  }
  for (int f = 1; f <= generations; ++f) {
    text += "0 @F" + std::to_string(f) + "@ FAM\n1 HUSB @I" + std::to_string(f) + "@\n";
    text += "1 CHIL @I" + std::to_string(f == generations ? 1 : f + 1) + "@\n";
  }
  return text + "0 TRLR\n";
}

// Thousands of generations (a fuzzed file): no walk may recurse.
TEST_F(ConsanguinityTest, AVeryLongLineNeitherRecursesNorLoops) {
  constexpr int kGenerations = 60'000;
  LoadText(LongLine(kGenerations, false));
  const Pedigree line = Pedigree::OfWholeFile(fixture.session.index);
  EXPECT_EQ(line.LevelCount(), kGenerations);
  const std::vector<double> all = InbreedingOfAll(line, 2);
  EXPECT_DOUBLE_EQ(all[static_cast<std::size_t>(line.PlaceOf(kGenerations))], 0.0);
  InbreedingOnDemand onDemand(line);
  EXPECT_DOUBLE_EQ(onDemand.KinshipOf(line.PlaceOf(kGenerations - 10), line.PlaceOf(kGenerations)),
                   std::ldexp(1.0, -11));

  LoadText(LongLine(kGenerations, true));
  const Pedigree loop = Pedigree::OfWholeFile(fixture.session.index);
  EXPECT_EQ(loop.OrderedCount(), 0);
  const std::vector<int32_t> loops = loop.LoopAncestors();
  for (int32_t place = 0; place < loop.Size(); ++place) ASSERT_TRUE(loop.OnLoop(place)) << place;
  EXPECT_EQ(loops[static_cast<std::size_t>(loop.PlaceOf(77))], loop.PlaceOf(77));
}

}  // namespace
}  // namespace quenor
