// Parente.TXT, written by the kinship search over every generation of the
// file: its lines, the menu items it enables, and the searches that must
// leave it unwritten or refuse it.
#include <gtest/gtest.h>

#include <filesystem>

#include "session/kinship_choice.h"
#include "tests/kinship/kinship_fixture.h"

namespace quenor::testing {
namespace {

std::string Rule(std::size_t length) { return std::string(length, '\x97'); }

// Pierre (1) and Jeanne (2) are the grandparents of Paul (7) and Marc (9).
// Rose (11), Pierre's mother, has by a second husband a daughter Lucie (14),
// the grandmother of Marc: Marc's parents are related, and he is also Paul's
// half second cousin. Emile (12) is nobody's kin.
FamilyTree Cousins() {
  FamilyTree tree;
  tree.Person(1, "Pierre", "Martin").Person(2, "Jeanne", "Roux").Person(3, "Louis", "Martin")
      .Person(4, "Claire", "Martin").Person(5, "Sophie", "Blanc").Person(6, "Henri", "Noir")
      .Person(7, "Paul", "Martin").Sex(7, "M").Person(8, "Anne", "Martin").Person(9, "Marc", "Noir").Sex(9, "M")
      .Person(10, "Jacques", "Martin").Person(11, "Rose", "Petit").Person(12, "Emile", "Seul")
      .Person(13, "Victor", "Gris").Person(14, "Lucie", "Gris");
  tree.Family(1, 1, 2, {3, 4}).Family(2, 3, 5, {7, 8}).Family(3, 6, 4, {9}).Family(4, 10, 11, {1})
      .Family(5, 13, 11, {14}).Family(6, 0, 14, {6});
  return tree;
}

class KinshipDegreesTest : public KinshipTest {
 protected:
  void SetUp() override { ASSERT_TRUE(Load(Cousins())); }
};

TEST_F(KinshipDegreesTest, EveryWayWithItsNamesDegreesLinesAndTheCoefficients) {
  EXPECT_EQ(Search(7, 9), KinshipOutcome::RootAncestors);
  const std::string relation(68, ' ');
  const std::vector<std::string> expected = {
      AnalysisTitleLine(100),
      "",
      Blanks(27) + Ansi("Degrés de parenté de Paul Martin et Marc Noir"),
      "",
      Ansi("Première personne :       7  Paul Martin                               consanguinité 0 %"),
      Ansi("Deuxième personne :       9  Marc Noir                                 consanguinité 3,125 %"),
      "",
      Ansi("Coefficient de parenté : 14,06 %"),
      Ansi("Coefficient de consanguinité d'un enfant qu'ils auraient : 7,031 %"),
      "",
      Ansi("Les 2 liens de parenté, du plus proche au plus éloigné :"),
      "",
      Ansi("Générations Degré         Degré                             Nombre"),
      "   a     b  civil         canonique                      de lignes  Relation",
      Rule(4) + "  " + Rule(4) + "  " + Rule(12) + "  " + Rule(19) + "  " + Rule(19) + "  " + Rule(60),
      Ansi("   2     2  4e degré      2e degré                               1  Paul Martin, cousin germain de Marc Noir"),
      relation + "Marc Noir, cousin germain de Paul Martin",
      relation + "par 1 Pierre Martin et 2 Jeanne Roux",
      "",
      Ansi("   3     3  6e degré      3e degré                               1  Paul Martin, demi-cousin issu de germain de Marc Noir"),
      relation + "Marc Noir, demi-cousin issu de germain de Paul Martin",
      relation + "par 11 Rose Petit",
      "",
  };
  EXPECT_EQ(Lines("Parente.TXT"), expected);
  // The first lines of the search are as they were.
  EXPECT_TRUE(session.slots[kSlotCollateralLines].shown);
}

TEST_F(KinshipDegreesTest, TheSearchEnablesTheItemsAndANewChoiceDisablesThem) {
  EXPECT_FALSE(session.menus.Enabled(MenuItem::LiensDegres));
  Search(7, 8);
  EXPECT_TRUE(session.slots[kSlotKinshipDegrees].hasContent);
  EXPECT_TRUE(session.menus.Enabled(MenuItem::LiensDegres));
  EXPECT_TRUE(session.menus.Enabled(MenuItem::ConsLiens));
  const std::vector<std::string> lines = Lines("Parente.TXT");
  ASSERT_GE(lines.size(), 16u);
  EXPECT_EQ(lines[10], Ansi("Le lien de parenté :"));
  EXPECT_NE(lines[15].find(Ansi("Paul Martin, frère germain d'Anne Martin")), std::string::npos);
  EXPECT_EQ(lines[7], Ansi("Coefficient de parenté : 50,00 %"));

  session.selectionMode = 0;
  LiensSelect2Click(session);
  EXPECT_FALSE(session.menus.Enabled(MenuItem::LiensDegres));
  // A father and his son: a line of descent.
  Search(1, 7);
  EXPECT_NE(Lines("Parente.TXT")[15].find(Ansi("Pierre Martin, grand-père de Paul Martin")), std::string::npos);
}

TEST_F(KinshipDegreesTest, UnrelatedPersonsGetNoReport) {
  Search(7, 8);
  ASSERT_TRUE(session.slots[kSlotKinshipDegrees].hasContent);
  EXPECT_EQ(Search(7, 12), KinshipOutcome::NoCommonRoot);
  EXPECT_EQ(ui.messages.size(), 1u);  // the search's own message only
  EXPECT_FALSE(session.slots[kSlotKinshipDegrees].hasContent);
}

// Two lines of 21 generations from one couple: the ancestor tables stop at
// the 20th generation, the degrees go on.
TEST(KinshipDegreesBeyondTheTablesTest, ALinkBeyondTwentyGenerationsIsFoundAndTold) {
  KinshipFixture fixture;
  FamilyTree tree;
  tree.Person(1, "Adam", "Souche").Person(2, "Eve", "Souche");
  std::vector<int> tops;
  for (int side = 0; side < 2; ++side) {
    for (int g = 1; g <= 21; ++g) {
      const int person = 100 * (side + 1) + g;
      tree.Person(person, "G" + std::to_string(g), side == 0 ? "Aine" : "Cadet");
      if (g == 1) tops.push_back(person);
      else tree.Family(person, person - 1, 0, {person});
    }
  }
  tree.Family(1, 1, 2, tops);
  ASSERT_TRUE(fixture.Load(tree));
  EXPECT_EQ(fixture.Search(121, 221), KinshipOutcome::NoCommonRoot);
  ASSERT_EQ(fixture.ui.messages.size(), 2u);
  EXPECT_EQ(fixture.ui.messages[1].text,
            fixture.Ansi("Un lien de parenté au-delà de la 20e génération relie G21 Aine et G21 Cadet : "
                         "voyez Liens de parenté, Degrés de parenté."));
  EXPECT_TRUE(fixture.session.menus.Enabled(MenuItem::LiensDegres));
  const std::vector<std::string> lines = fixture.Lines("Parente.TXT");
  ASSERT_GE(lines.size(), 16u);
  EXPECT_EQ(lines[15].substr(0, 12), "  21    21  ");
  EXPECT_NE(lines[15].find(fixture.Ansi("42e degré     21e degré")), std::string::npos);
  EXPECT_NE(lines[15].find("cousin(e) au 21e degr"), std::string::npos);
}

// Louis (30), 22 generations above Paul, is his own father: no ancestor
// table reaches him, the degrees do and refuse.
TEST(KinshipDegreesBeyondTheTablesTest, AnOwnAncestorBeyondTheTablesIsNamed) {
  KinshipFixture fixture;
  FamilyTree tree;
  tree.Person(30, "Louis", "Boucle").Family(30, 30, 0, {30});
  int previous = 30;
  for (int g = 1; g <= 22; ++g) {
    tree.Person(g, "G" + std::to_string(g), "Boucle");
    tree.Family(g, previous, 0, {g});
    previous = g;
  }
  tree.Person(50, "Paul", "Frere").Person(51, "Anne", "Soeur").Family(50, 22, 0, {50, 51});
  ASSERT_TRUE(fixture.Load(tree));
  EXPECT_EQ(fixture.Search(50, 51), KinshipOutcome::RootAncestors);
  ASSERT_EQ(fixture.ui.messages.size(), 2u);
  EXPECT_EQ(fixture.ui.messages[1].caption, fixture.Ansi("Fichier GEDCOM erroné"));
  EXPECT_EQ(fixture.ui.messages[1].text,
            fixture.Ansi("Le degré de parenté de Paul Frere et d'Anne Soeur ne peut être calculé :\n"
                         "30 Louis Boucle est son propre ascendant dans le fichier GEDCOM."));
  EXPECT_EQ(fixture.ui.messages[1].icon, MessageIcon::Stop);
  EXPECT_FALSE(std::filesystem::exists(fixture.folder / "Parente.TXT"));
  EXPECT_FALSE(fixture.session.menus.Enabled(MenuItem::LiensDegres));
}

}  // namespace
}  // namespace quenor::testing
