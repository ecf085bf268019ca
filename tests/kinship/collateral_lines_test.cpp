// LignCol.TXT: the pairing of the lines of both persons to each root
// ancestor, and the report written from it.
#include <gtest/gtest.h>

#include "tests/kinship/kinship_fixture.h"

namespace quenor::testing {
namespace {

std::string Left(int number, const std::string& name) {
  std::string text = std::to_string(number);
  return Blanks(8 - text.size()) + text + "  " + name + Blanks(40 - name.size());
}

std::string Right(int number, const std::string& name) {
  std::string text = std::to_string(number);
  return Blanks(8 - text.size()) + text + "  " + name;
}

class CollateralLinesTest : public KinshipTest {
 protected:
  std::string SameLineAsBefore() const { return Ansi("(Même lignée que la précédente)"); }
};

TEST_F(CollateralLinesTest, SiblingsMakeOneLineUnderTheirParents) {
  FamilyTree tree;
  tree.Person(1, "Jean", "Martin").Person(2, "Marie", "Durand").Person(3, "Paul", "Martin").Person(4, "Anne", "Martin");
  tree.Family(1, 1, 2, {3, 4});
  ASSERT_TRUE(Load(tree));
  EXPECT_EQ(Search(3, 4), KinshipOutcome::RootAncestors);
  const std::vector<std::string> expected = {
      AnalysisTitleLine(100),
      "",
      Blanks(18) + Ansi("La lignée collatérale double reliant Paul Martin et Anne Martin"),
      Blanks(36) + Ansi("à leurs 2 ascendants souches"),
      "",
      "",
      Blanks(33) + "1  Jean Martin  et  2  Marie Durand",
      Left(3, "Paul Martin") + Right(4, "Anne Martin"),
  };
  EXPECT_EQ(Lines("LignCol.TXT"), expected);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, Ansi("1 lignées collatérale double relie Paul Martin et Anne Martin"));
  EXPECT_EQ(ui.messages[0].caption, Ansi("Résultat de la recherche..."));
}

TEST_F(CollateralLinesTest, ARootCoupleOfWhichOnlyTheWifeIsARootShowsHerAlone) {
  FamilyTree tree;
  tree.Person(1, "Marie", "Veuve").Person(2, "Jean", "Premier").Person(3, "Luc", "Second")
      .Person(4, "Alain", "Premier").Person(5, "Bruno", "Second");
  tree.Family(1, 2, 1, {4}).Family(2, 3, 1, {5});
  ASSERT_TRUE(Load(tree));
  EXPECT_EQ(Search(4, 5), KinshipOutcome::RootAncestors);
  const std::vector<std::string> lines = Lines("LignCol.TXT");
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[3], Blanks(36) + Ansi("à leurs 1 ascendants souches"));
  EXPECT_EQ(lines[6], Blanks(43) + "1  Marie Veuve");
  EXPECT_EQ(lines[7], Left(4, "Alain Premier") + Right(5, "Bruno Second"));
}

TEST_F(CollateralLinesTest, TheSideWithFewerLinesReadsSameLineAsBefore) {
  // Alain's parents are brother and sister, children of 1 and 2; Bruno is a
  // grandson of 1 and 2 through Simon.
  FamilyTree tree;
  tree.Person(1, "Roger", "Souche").Person(2, "Rita", "Souche").Person(3, "Pierre", "Souche")
      .Person(4, "Paule", "Souche").Person(5, "Simon", "Souche").Person(6, "Alain", "Souche")
      .Person(7, "Bruno", "Souche");
  tree.Family(1, 1, 2, {3, 4, 5}).Family(2, 3, 4, {6}).Family(3, 5, 0, {7});
  ASSERT_TRUE(Load(tree));
  EXPECT_EQ(Search(6, 7), KinshipOutcome::RootAncestors);
  const std::string couple = Blanks(33) + "1  Roger Souche  et  2  Rita Souche";
  const std::vector<std::string> expected = {
      AnalysisTitleLine(100),
      "",
      Blanks(14) + Ansi("Les 2 lignées collatérales doubles reliant Alain Souche et Bruno Souche"),
      Blanks(36) + Ansi("à leurs 2 ascendants souches"),
      "",
      "",
      couple,
      Left(3, "Pierre Souche") + Right(5, "Simon Souche"),
      Left(6, "Alain Souche") + Right(7, "Bruno Souche"),
      "",
      couple,
      Left(4, "Paule Souche") + Blanks(10) + SameLineAsBefore() + Blanks(10),
      Left(6, "Alain Souche"),
  };
  EXPECT_EQ(Lines("LignCol.TXT"), expected);
  EXPECT_EQ(ui.messages.back().text, Ansi("2 lignées collatérales doubles relient Alain Souche et Bruno Souche"));
}

TEST_F(CollateralLinesTest, AShorterLeftLineIsFilledWithBlanksSoTheRightOneKeepsItsColumn) {
  FamilyTree tree;
  tree.Person(1, "Roger", "Souche").Person(2, "Pierre", "Court").Person(3, "Alain", "Court")
      .Person(4, "Simon", "Long").Person(5, "Tom", "Long").Person(6, "Bruno", "Long");
  tree.Family(1, 1, 0, {2, 4}).Family(2, 2, 0, {3}).Family(3, 4, 0, {5}).Family(4, 5, 0, {6});
  ASSERT_TRUE(Load(tree));
  EXPECT_EQ(Search(3, 6), KinshipOutcome::RootAncestors);
  const std::vector<std::string> lines = Lines("LignCol.TXT");
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[6], Blanks(43) + "1  Roger Souche");
  EXPECT_EQ(lines[7], Left(2, "Pierre Court") + Right(4, "Simon Long"));
  EXPECT_EQ(lines[8], Left(3, "Alain Court") + Right(5, "Tom Long"));
  EXPECT_EQ(lines[9], Blanks(50) + Right(6, "Bruno Long"));
}

// Two ladders of brothers and sisters married to each other, each ladder
// `levels` couples high, both under the couple 1 and 2: the bottom person of
// each ladder reaches person 1 by 2^levels lines.
FamilyTree TwoLadders(int levels, int& first, int& second) {
  FamilyTree tree;
  tree.Person(1, "Adam", "Souche").Person(2, "Eve", "Souche");
  int next = 3;
  std::vector<int> topChildren;
  int bottoms[2] = {0, 0};
  int family = 2;
  for (int ladder = 0; ladder < 2; ++ladder) {
    int brother = next++;
    int sister = next++;
    const std::string surname = ladder == 0 ? "Gauche" : "Droite";
    tree.Person(brother, "Frere", surname).Person(sister, "Soeur", surname);
    topChildren.push_back(brother);
    topChildren.push_back(sister);
    for (int level = 1; level < levels; ++level) {
      const int son = next++;
      const int daughter = next++;
      tree.Person(son, "Frere" + std::to_string(level), surname).Person(daughter, "Soeur" + std::to_string(level), surname);
      tree.Family(family++, brother, sister, {son, daughter});
      brother = son;
      sister = daughter;
    }
    bottoms[ladder] = next++;
    tree.Person(bottoms[ladder], "Dernier", surname).Family(family++, brother, sister, {bottoms[ladder]});
  }
  tree.Family(1, 1, 2, topChildren);
  first = bottoms[0];
  second = bottoms[1];
  return tree;
}

TEST_F(CollateralLinesTest, MoreThanAThousandDoubleLinesAreAllWritten) {
  int first = 0;
  int second = 0;
  ASSERT_TRUE(Load(TwoLadders(11, first, second)));
  EXPECT_EQ(Search(first, second), KinshipOutcome::RootAncestors);
  const std::vector<std::string> lines = Lines("LignCol.TXT");
  ASSERT_GT(lines.size(), 3u);
  EXPECT_NE(lines[2].find(Ansi("Les 2048 lignées collatérales doubles reliant")), std::string::npos);
  int couples = 0;
  int bottoms = 0;
  const std::string couple = "1  Adam Souche  et  2  Eve Souche";
  for (std::size_t i = 4; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.find(couple) != std::string::npos) ++couples;
    if (line.find("Dernier Gauche") != std::string::npos && line.find("Dernier Droite") != std::string::npos) ++bottoms;
  }
  EXPECT_EQ(couples, 2048);
  EXPECT_EQ(bottoms, 2048);
  EXPECT_EQ(ui.messages.back().text,
            Ansi("2048 lignées collatérales doubles relient Dernier Gauche et Dernier Droite"));
}

// Two persons with complete pedigrees of `generations` generations that
// share only the persons of the last one: each couple of that generation is a
// root couple of its own.
FamilyTree MeetingPedigrees(int generations) {
  FamilyTree tree;
  const int32_t top = int32_t{1} << (generations - 1);
  int family = 1;
  for (const int32_t side : {100000, 200000}) {
    auto id = [&](int32_t k) { return k >= top ? 300000 + k : side + k; };
    for (int32_t k = 1; k < 2 * top; ++k) {
      const std::string surname = k >= top ? "Souche" : side == 100000 ? "Gauche" : "Droite";
      tree.Person(id(k), "Ancetre" + std::to_string(k), surname);
    }
    for (int32_t k = 1; k < top; ++k) tree.Family(family++, id(2 * k), id(2 * k + 1), {id(k)});
  }
  return tree;
}

TEST_F(CollateralLinesTest, ThousandsOfRootAncestorsArePairedCoupleByCouple) {
  ASSERT_TRUE(Load(MeetingPedigrees(12)));
  EXPECT_EQ(Search(100001, 200001), KinshipOutcome::RootAncestors);
  EXPECT_EQ(Lines("LstSouch.TXT").size(), 6u + 2048u);
  const std::vector<std::string> lines = Lines("LignCol.TXT");
  ASSERT_GT(lines.size(), 3u);
  EXPECT_NE(lines[2].find(Ansi("Les 1024 lignées collatérales doubles reliant")), std::string::npos);
  EXPECT_EQ(lines[3], Blanks(34) + Ansi("à leurs 2048 ascendants souches"));
  // The first row: the couple 302048 and 302049, above both lines of ten persons.
  EXPECT_NE(lines[6].find("302048  Ancetre2048 Souche  et  302049  Ancetre2049 Souche"), std::string::npos);
  EXPECT_EQ(lines[7], Left(101024, "Ancetre1024 Gauche") + Right(201024, "Ancetre1024 Droite"));
}

}  // namespace
}  // namespace quenor::testing
