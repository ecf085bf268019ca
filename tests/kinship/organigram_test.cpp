// The descent organigram: the tree laid out in columns and OrgDesc.TXT, its
// text drawing with code page 437 box-drawing bytes.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "kinship/organigram.h"
#include "tests/kinship/descent_families.h"
#include "tests/kinship/kinship_fixture.h"

namespace quenor::testing {
namespace {

// Writes a drawing line with the box-drawing characters and turns them into
// their code page 437 bytes.
std::string Cp437(const std::string& utf8) {
  static const std::map<std::string, char> kBoxes = {
      {"│", '\xB3'}, {"─", '\xC4'}, {"├", '\xC3'}, {"┤", '\xB4'},
      {"┬", '\xC2'}, {"┐", '\xBF'}, {"└", '\xC0'}, {"┘", '\xD9'}};
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size();) {
    bool replaced = false;
    for (const auto& [box, byte] : kBoxes) {
      if (utf8.compare(i, box.size(), box) == 0) {
        bytes.push_back(byte);
        i += box.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) bytes.push_back(utf8[i++]);
  }
  return bytes;
}

std::vector<std::string> Cp437(const std::vector<std::string>& lines) {
  std::vector<std::string> converted;
  for (const std::string& line : lines) converted.push_back(Cp437(line));
  return converted;
}

// The individual numbers of the name lines ("#"), cell by cell, each read
// from the character after the cell's "#" as the organigram window reads it.
std::multiset<int32_t> PersonsDrawn(const std::vector<std::string>& lines) {
  std::multiset<int32_t> persons;
  for (const std::string& line : lines) {
    if (line.empty() || line[0] != '#') continue;
    for (std::size_t cell = 0; cell + 7 <= line.size(); cell += 7) {
      const int32_t number = static_cast<int32_t>(std::atol(line.c_str() + cell + 1));
      if (number > 0) persons.insert(number);
    }
  }
  return persons;
}

using OrganigramTest = KinshipTest;

TEST_F(OrganigramTest, ASingleLineIsDrawnInTwoColumnsWithTheSpouseBesideTheAncestor) {
  ASSERT_TRUE(Load(FatherAndSon()));
  session.menus.ApplyAfterLoad();
  EXPECT_EQ(Search(3, 1), KinshipOutcome::Descent);
  const std::vector<std::string> expected = Cp437({
      "*              ",
      "#     1#     2 ",
      "*     │        ",
      "#     3#       ",
  });
  EXPECT_EQ(Lines("OrgDesc.TXT"), expected);
  const OrganigramLayout& layout = session.kinship.organigram;
  EXPECT_TRUE(layout.laidOut);
  EXPECT_TRUE(layout.singleLineOrganigram);
  EXPECT_EQ(layout.columnCount, 2);
  EXPECT_EQ(layout.lineCount, 4);
  EXPECT_EQ(layout.caption, "Descente de Jean Martin et Marie Durand sur Paul Martin");
  EXPECT_TRUE(session.slots[kSlotOrganigram].hasContent);
  EXPECT_TRUE(session.menus.Enabled(MenuItem::SubLiensOrgan));
  EXPECT_TRUE(session.menus.Enabled(MenuItem::LiensOrgan));
}

TEST_F(OrganigramTest, ThreeLinesBranchUnderTheAncestorAndPartnersAreJoined) {
  ASSERT_TRUE(Load(ThreeLines()));
  EXPECT_EQ(Search(18, 10), KinshipOutcome::Descent);
  const std::vector<std::string> expected = Cp437({
      "*                     ",
      "#    10#    11#       ",
      "*     ├──────┬──────┐ ",
      "#    12#    13#    14 ",
      "*     ├──────┘      │ ",
      "*     │             │ ",
      "#    15#      #    17 ",
      "*     ├─────────────┘ ",
      "*     │               ",
      "#    18#      #       ",
  });
  EXPECT_EQ(Lines("OrgDesc.TXT"), expected);
  EXPECT_FALSE(session.kinship.organigram.singleLineOrganigram);
  EXPECT_EQ(session.kinship.organigram.columnCount, 3);
  EXPECT_EQ(session.kinship.organigram.caption, "Descente de Adam Trois et Eve Trois sur Dernier Trois");
}

TEST_F(OrganigramTest, LinesOfUnequalLengthThroughTheSameGrandchildDrawHimOnce) {
  ASSERT_TRUE(Load(UnequalLines()));
  EXPECT_EQ(Search(20, 27), KinshipOutcome::Descent);
  const std::vector<std::string> expected = Cp437({
      "*              ",
      "#    20#    21 ",
      "*     ├──────┐ ",
      "#    23#     │ ",
      "*     │      │ ",
      "#    25#    22 ",
      "*     ├──────┘ ",
      "*     │        ",
      "#    26#       ",
      "*     │        ",
      "#    27#       ",
  });
  EXPECT_EQ(Lines("OrgDesc.TXT"), expected);
  EXPECT_EQ(session.kinship.organigram.generationCount, 5);
}

TEST_F(OrganigramTest, AnAncestorWithDifferentSpousesIsNamedAloneInTheCaption) {
  ASSERT_TRUE(Load(TwoWives()));
  EXPECT_EQ(Search(35, 30), KinshipOutcome::Descent);
  const std::vector<std::string> expected = Cp437({
      "*              ",
      "#    30#       ",
      "*     ├──────┐ ",
      "#    33#    34 ",
      "*     ├──────┘ ",
      "*     │        ",
      "#    35#       ",
  });
  EXPECT_EQ(Lines("OrgDesc.TXT"), expected);
  EXPECT_EQ(session.kinship.organigram.ancestorSpouse, 0);
  EXPECT_EQ(session.kinship.organigram.caption, "Descente de Xavier Double sur Denis Double");
}

TEST_F(OrganigramTest, APartnerWhoStandsLowerInTheSameColumnIsNotDrawnTwice) {
  // Quitterie, Xavier's daughter, had Pierre with Paul, then Denis with Pierre.
  FamilyTree tree;
  tree.Person(50, "Xavier", "Haut").Person(51, "Quitterie", "Haut").Person(52, "Pierre", "Bas")
      .Person(53, "Paul", "Bas").Person(54, "Denis", "Bas");
  tree.Family(50, 50, 0, {51}).Family(51, 53, 51, {52}).Family(52, 52, 51, {54});
  ASSERT_TRUE(Load(tree));
  EXPECT_EQ(Search(54, 50), KinshipOutcome::Descent);
  const std::vector<std::string> expected = Cp437({
      "*              ",
      "#    50#       ",
      "*     │        ",
      "#    51#       ",
      "*     │        ",
      "#    52#       ",
      "*     │        ",
      "#    54#       ",
  });
  EXPECT_EQ(Lines("OrgDesc.TXT"), expected);
  EXPECT_TRUE(session.kinship.organigram.singleLineOrganigram);
}

TEST_F(OrganigramTest, APartnerStandingLowerInAnotherColumnIsBroughtUpBesideThePerson) {
  // Pierre (3) and Quitterie (4), children of Xavier and Wanda, had Charles
  // (5); Pierre's daughter Fanny (7) by Odile is the mother of Emma (8),
  // Charles's wife and mother of Denis (9). Pierre stands one level above
  // Quitterie, his partner at Charles's place.
  FamilyTree tree;
  tree.Person(1, "Xavier", "Haut").Person(2, "Wanda", "Haut").Person(3, "Pierre", "Haut")
      .Person(4, "Quitterie", "Haut").Person(5, "Charles", "Haut").Person(6, "Odile", "Autre")
      .Person(7, "Fanny", "Haut").Person(8, "Emma", "Bas").Person(9, "Denis", "Haut").Person(10, "Bruno", "Bas");
  tree.Family(1, 1, 2, {3, 4}).Family(2, 3, 4, {5}).Family(3, 3, 6, {7}).Family(4, 10, 7, {8})
      .Family(5, 5, 8, {9});
  ASSERT_TRUE(Load(tree));
  EXPECT_EQ(Search(9, 1), KinshipOutcome::Descent);
  const std::vector<std::string> expected = Cp437({
      "*                     ",
      "#     1#     2#       ",
      "*     ├─────────────┐ ",
      "#     3#      #     │ ",
      "#     │       #     4 ",
      "*     ├─────────────┘ ",
      "*     ├─────────────┘ ",
      "*     ├──────┐        ",
      "#     7#     │        ",
      "*     │      │        ",
      "#     8#     5#       ",
      "*     ├──────┘        ",
      "*     │               ",
      "#     9#      #       ",
  });
  EXPECT_EQ(Lines("OrgDesc.TXT"), expected);
}

TEST_F(OrganigramTest, ANumberOfSevenDigitsKeepsAllItsDigits) {
  FamilyTree tree;
  tree.Person(1234567, "Jean", "Long").Person(3, "Paul", "Long");
  tree.Family(1, 1234567, 0, {3});
  ASSERT_TRUE(Load(tree));
  EXPECT_EQ(Search(3, 1234567), KinshipOutcome::Descent);
  const std::vector<std::string> lines = Lines("OrgDesc.TXT");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[1], "#1234567       ");
  EXPECT_EQ(PersonsDrawn(lines), (std::multiset<int32_t>{1234567, 3}));
}

TEST_F(OrganigramTest, SixtyFourLinesOfALadderDrawEveryPersonOnce) {
  ASSERT_TRUE(Load(SiblingLadder(6)));
  EXPECT_EQ(Search(1, 15), KinshipOutcome::Descent);
  const std::vector<std::string> lines = Lines("OrgDesc.TXT");
  const OrganigramLayout& layout = session.kinship.organigram;
  ASSERT_EQ(static_cast<int>(lines.size()), layout.lineCount);
  for (const std::string& line : lines) EXPECT_EQ(line.size(), 7u * layout.columnCount + 1) << line;
  std::multiset<int32_t> expected;
  for (int32_t n = 1; n <= 15; ++n) expected.insert(n);
  EXPECT_EQ(PersonsDrawn(lines), expected);
  EXPECT_EQ(layout.generationCount, 8);
  EXPECT_EQ(layout.caption, "Descente de Adam Souche et Eve Souche sur Dernier Echelle");
}

}  // namespace
}  // namespace quenor::testing
