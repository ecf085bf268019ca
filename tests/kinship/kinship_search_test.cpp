// The search for common root ancestors: which ancestors are listed, the
// descent cases, the refusals, and what the search leaves in the session.
#include <gtest/gtest.h>

#include "tests/kinship/kinship_fixture.h"

namespace quenor::testing {
namespace {

// Grandparents 1 and 2 (parents of 1: 10 and 11); their son 3 married to 5
// has Paul (7) and Anne (8); their daughter 4 married to 6 has Marc (9).
// Henri (6) is the son of Lucie (14), a daughter of Rose (11) by her second
// husband (13). Emile (12) has no known parents.
FamilyTree Cousins() {
  FamilyTree tree;
  tree.Person(1, "Pierre", "Martin").Person(2, "Jeanne", "Roux").Person(3, "Louis", "Martin")
      .Person(4, "Claire", "Martin").Person(5, "Sophie", "Blanc").Person(6, "Henri", "Noir")
      .Person(7, "Paul", "Martin").Person(8, "Anne", "Martin").Person(9, "Marc", "Noir")
      .Person(10, "Jacques", "Martin").Person(11, "Rose", "Petit").Person(12, "Emile", "Seul")
      .Person(13, "Victor", "Gris").Person(14, "Lucie", "Gris");
  tree.Family(1, 1, 2, {3, 4}).Family(2, 3, 5, {7, 8}).Family(3, 6, 4, {9}).Family(4, 10, 11, {1})
      .Family(5, 13, 11, {14}).Family(6, 0, 14, {6});
  return tree;
}

class RootAncestorTest : public KinshipTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Load(Cousins())); }
};

TEST_F(RootAncestorTest, SiblingsHaveTheirParentsAsRootAncestorsAndNotTheirGrandparents) {
  EXPECT_EQ(Search(7, 8), KinshipOutcome::RootAncestors);
  const std::vector<std::string> expected = {
      AnalysisTitleLine(105),
      "",
      Blanks(22) + "Liste des 2 ascendants souches de Paul Martin et Anne Martin",
      "",
      "# Enrg.  Nom                                      Parents",
      std::string(7, '\x97') + "  " + std::string(40, '\x97') + " " + std::string(56, '\x97'),
      "      3  Louis Martin" + Blanks(28) + " Pierre Martin et Jeanne Roux" + Blanks(28),
      "      5  Sophie Blanc" + Blanks(28) + " " + Blanks(56),
  };
  EXPECT_EQ(Lines("LstSouch.TXT"), expected);
}

TEST_F(RootAncestorTest, FirstCousinsShareTheirGrandparentsButNotTheAncestorsAboveThem) {
  EXPECT_EQ(Search(7, 9), KinshipOutcome::RootAncestors);
  const std::vector<std::string> lines = Lines("LstSouch.TXT");
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[6].substr(0, 22), "      1  Pierre Martin");
  EXPECT_EQ(lines[7].substr(0, 20), "      2  Jeanne Roux");
}

TEST_F(RootAncestorTest, AnAncestorReachedOnlyThroughAnotherCommonAncestorIsNotListed) {
  // Rose (11) is an ancestor of Marc through Henri and Lucie as well, but Paul
  // reaches her only through Pierre (1), himself a root ancestor.
  EXPECT_EQ(Search(9, 7), KinshipOutcome::RootAncestors);
  const std::vector<std::string> lines = Lines("LstSouch.TXT");
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_NE(lines[2].find("Liste des 2 ascendants souches de Marc Noir et Paul Martin"), std::string::npos);
}

TEST_F(RootAncestorTest, PersonsWithoutCommonAncestorsAreToldSoAndNothingIsWritten) {
  EXPECT_EQ(Search(7, 12), KinshipOutcome::NoCommonRoot);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, Ansi("Résultat de la recherche..."));
  EXPECT_EQ(ui.messages[0].text,
            "Le fichier " + session.dataFolder + " ne contient aucune souche commune de Paul Martin et Emile Seul");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
  EXPECT_FALSE(std::filesystem::exists(folder / "LstSouch.TXT"));
  EXPECT_FALSE(session.slots[kSlotRootAncestors].hasContent);
  EXPECT_FALSE(session.menus.Enabled(MenuItem::LiensSouches));
}

TEST_F(RootAncestorTest, AChildAndHisFatherAreADescentNotRootAncestors) {
  EXPECT_EQ(Search(7, 3), KinshipOutcome::Descent);
  EXPECT_FALSE(std::filesystem::exists(folder / "LstSouch.TXT"));
  EXPECT_TRUE(std::filesystem::exists(folder / "LstDesc.TXT"));
  EXPECT_EQ(Search(1, 9), KinshipOutcome::Descent);
}

TEST_F(RootAncestorTest, TheSearchSetsItsSlotsMenusAndShowsBothReports) {
  session.menus.ApplyAfterLoad();
  ui.shownReports.clear();
  EXPECT_EQ(Search(7, 9), KinshipOutcome::RootAncestors);
  EXPECT_TRUE(session.slots[kSlotRootAncestors].hasContent);
  EXPECT_TRUE(session.slots[kSlotCollateralLines].hasContent);
  EXPECT_FALSE(session.slots[kSlotDescentLines].hasContent);
  for (MenuItem item : {MenuItem::LiensSouches, MenuItem::LiensCollat, MenuItem::ConsLiens}) {
    EXPECT_TRUE(session.menus.Enabled(item));
  }
  EXPECT_FALSE(session.menus.Enabled(MenuItem::LiensDesc));
  const std::vector<std::pair<int, int>> shown = {{kSlotRootAncestors, 5}, {kSlotCollateralLines, 4}};
  EXPECT_EQ(ui.shownReports, shown);
  EXPECT_TRUE(session.slots[kSlotCollateralLines].shown);
}

TEST_F(RootAncestorTest, TheProbantsAncestorTableSurvivesASearch) {
  session.ancestors.Clear();
  session.ancestors[1] = 9;
  session.ancestors[2] = 6;
  session.ancestors.lastStradonitz = 2;
  Search(7, 9);
  EXPECT_EQ(session.ancestors[1], 9);
  EXPECT_EQ(session.ancestors[2], 6);
  EXPECT_EQ(session.ancestors[3], 0);
  EXPECT_EQ(session.ancestors.lastStradonitz, 2);
}

TEST_F(RootAncestorTest, AReportThatCannotBeWrittenStopsTheSearchAndIsTold) {
  std::filesystem::create_directory(folder / "LstSouch.TXT");
  EXPECT_EQ(Search(7, 8), KinshipOutcome::NotWritten);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, Ansi("Rapport non créé"));
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_FALSE(session.slots[kSlotRootAncestors].hasContent);
  EXPECT_FALSE(std::filesystem::exists(folder / "LignCol.TXT"));
}

TEST(KinshipLoopTest, APersonWhoIsHisOwnAncestorMakesTheLinksUnreliable) {
  KinshipFixture fixture;
  FamilyTree tree;
  tree.Person(1, "Boucle", "Un").Person(2, "Boucle", "Deux").Person(3, "Mere", "Un").Person(4, "Mere", "Deux")
      .Person(5, "Autre", "Personne");
  tree.Family(1, 2, 3, {1}).Family(2, 1, 4, {2});
  ASSERT_TRUE(fixture.Load(tree));
  EXPECT_EQ(fixture.Search(5, 1), KinshipOutcome::Unreliable);
  ASSERT_GE(fixture.ui.messages.size(), 2u);
  const RecordedMessage& last = fixture.ui.messages.back();
  EXPECT_EQ(last.caption, fixture.Ansi("Fichier GEDCOM erroné"));
  EXPECT_EQ(last.text, fixture.Ansi("Les liens ne peuvent être établis de façon fiable."));
  EXPECT_EQ(last.icon, MessageIcon::Warning);
  EXPECT_EQ(fixture.ui.messages.front().caption, "Erreur dans le fichier GEDCOM");
  for (const char* report : {"LstSouch.TXT", "LignCol.TXT", "LstDesc.TXT", "OrgDesc.TXT"}) {
    EXPECT_FALSE(std::filesystem::exists(fixture.folder / report)) << report;
  }
}

}  // namespace
}  // namespace quenor::testing
