// LstDesc.TXT: the lines of descent side by side, in both descent cases.
#include <gtest/gtest.h>

#include "kinship/descent_lines.h"
#include "tests/kinship/descent_families.h"
#include "tests/kinship/kinship_fixture.h"

namespace quenor::testing {
namespace {

// "%-8s %-40s" (first person descends) or "%8s %-40s" (second person descends).
std::string Half(bool numbersLeft, const std::string& number, const std::string& name) {
  const std::string padded = numbersLeft ? number + Blanks(8 - number.size()) : Blanks(8 - number.size()) + number;
  return padded + " " + name + Blanks(40 - name.size());
}

std::string Row(bool numbersLeft, const std::string& n1, const std::string& name1, const std::string& n2,
                const std::string& name2) {
  return Half(numbersLeft, n1, name1) + " " + Half(numbersLeft, n2, name2);
}

using DescentLinesTest = KinshipTest;

TEST_F(DescentLinesTest, ASonDescendingFromHisFatherHasOneLine) {
  ASSERT_TRUE(Load(FatherAndSon()));
  session.menus.ApplyAfterLoad();
  ui.shownReports.clear();
  EXPECT_EQ(Search(3, 1), KinshipOutcome::Descent);
  const std::vector<std::string> expected = {
      AnalysisTitleLine(100),
      "",
      Blanks(28) + Ansi("La lignée reliant Paul Martin et Jean Martin"),
      "",
      Row(true, "1", "Jean Martin", " ", ""),
      Row(true, "3", "Paul Martin", " ", ""),
      "",
      "",
  };
  EXPECT_EQ(Lines("LstDesc.TXT"), expected);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, Ansi("Paul Martin descend de Jean Martin\ret voici la lignée les reliant"));
  EXPECT_EQ(ui.messages[0].caption, Ansi("Résultat de la recherche..."));
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(session.slots[kSlotDescentLines].hasContent);
  EXPECT_TRUE(session.menus.Enabled(MenuItem::LiensDesc));
  EXPECT_TRUE(session.menus.Enabled(MenuItem::ConsLiens));
  EXPECT_FALSE(session.menus.Enabled(MenuItem::LiensSouches));
  ASSERT_FALSE(ui.shownReports.empty());
  EXPECT_EQ(ui.shownReports[0], std::make_pair(int{kSlotDescentLines}, 4));
}

TEST_F(DescentLinesTest, WhenTheSecondPersonDescendsTheNumbersStandRightAligned) {
  ASSERT_TRUE(Load(FatherAndSon()));
  EXPECT_EQ(Search(1, 3), KinshipOutcome::Descent);
  const std::vector<std::string> lines = Lines("LstDesc.TXT");
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[2], Blanks(28) + Ansi("La lignée reliant Jean Martin et Paul Martin"));
  EXPECT_EQ(lines[4], Row(false, "1", "Jean Martin", " ", ""));
  EXPECT_EQ(lines[5], Row(false, "3", "Paul Martin", " ", ""));
  EXPECT_EQ(ui.messages[0].text, Ansi("Paul Martin descend de Jean Martin\ret voici la lignée les reliant"));
}

TEST_F(DescentLinesTest, ThreeLinesMakeAPairThenALineAlone) {
  ASSERT_TRUE(Load(ThreeLines()));
  EXPECT_EQ(Search(10, 18), KinshipOutcome::Descent);
  const std::vector<std::string> expected = {
      AnalysisTitleLine(100),
      "",
      Blanks(25) + Ansi("Les 3 lignées reliant Adam Trois et Dernier Trois"),
      "",
      "",
      "",
      Row(false, "10", "Adam Trois", "10", "Adam Trois"),
      Row(false, "12", "Cain Trois", "13", "Abla Trois"),
      Row(false, "15", "Enos Trois", "15", "Enos Trois"),
      Row(false, "18", "Dernier Trois", "18", "Dernier Trois"),
      "",
      "",
      Row(false, "10", "Adam Trois", " ", ""),
      Row(false, "14", "Seth Trois", " ", ""),
      Row(false, "17", "Ada Trois", " ", ""),
      Row(false, "18", "Dernier Trois", " ", ""),
      "",
      "",
  };
  EXPECT_EQ(Lines("LstDesc.TXT"), expected);
  EXPECT_EQ(ui.messages[0].text, Ansi("Dernier Trois descend de Adam Trois\ret voici les 3 lignées les reliant"));
}

TEST_F(DescentLinesTest, TheShorterLineShowsBlanksBelowItsEnd) {
  ASSERT_TRUE(Load(UnequalLines()));
  EXPECT_EQ(Search(27, 20), KinshipOutcome::Descent);
  const std::vector<std::string> lines = Lines("LstDesc.TXT");
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[6], Row(true, "20", "Xavier Haut", "20", "Xavier Haut"));
  EXPECT_EQ(lines[7], Row(true, "22", "Claude Haut", "23", "Cora Haut"));
  EXPECT_EQ(lines[8], Row(true, "26", "Gilles Haut", "25", "Helene Bas"));
  EXPECT_EQ(lines[9], Row(true, "27", "Denis Haut", "26", "Gilles Haut"));
  EXPECT_EQ(lines[10], Row(true, " ", "", "27", "Denis Haut"));
}

TEST_F(DescentLinesTest, AHundredLinesOrMoreAreListedWithoutOrganigram) {
  ASSERT_TRUE(Load(SiblingLadder(7)));  // 128 lines from person 1 to person 17
  EXPECT_EQ(Search(17, 1), KinshipOutcome::Descent);
  const std::vector<std::string> lines = Lines("LstDesc.TXT");
  ASSERT_GT(lines.size(), 3u);
  EXPECT_NE(lines[2].find(Ansi("Les 128 lignées reliant Dernier Echelle et Adam Souche")), std::string::npos);
  EXPECT_EQ(ui.messages[0].text,
            Ansi("Dernier Echelle descend de Adam Souche\ret voici les 128 lignées les reliant"));
  EXPECT_FALSE(std::filesystem::exists(folder / "OrgDesc.TXT"));
  EXPECT_FALSE(session.kinship.organigram.laidOut);
  EXPECT_FALSE(session.slots[kSlotOrganigram].hasContent);
  // 64 pairs of lines of 9 persons: two empty lines after the first line of
  // each pair, its 9 rows, two empty lines.
  EXPECT_EQ(lines.size(), 4u + 64u * (2u + 9u + 2u));
}

TEST_F(DescentLinesTest, NinetyNineLinesStillHaveTheirOrganigram) {
  ASSERT_TRUE(Load(SiblingLadder(6)));  // 64 lines
  EXPECT_EQ(Search(15, 1), KinshipOutcome::Descent);
  EXPECT_TRUE(std::filesystem::exists(folder / "OrgDesc.TXT"));
  EXPECT_TRUE(session.kinship.organigram.laidOut);
}

}  // namespace
}  // namespace quenor::testing
