// The ancestry analysis as the person selection hands it the chosen line:
// refusals, report flags, menus, status texts and report failures.
#include <gtest/gtest.h>

#include <filesystem>

#include "ancestry/ancestry_analysis.h"
#include "platform/cp1252.h"
#include "tests/ancestry/pedigree_text.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;
using testing::PedigreeText;
using testing::SessionFixture;

// Paul has parents who are cousins (a repeated grandmother); Luc has
// parents only; Jacques has none.
PedigreeText SmallFile() {
  PedigreeText text;
  text.Person(1, "Paul /Martin/", 1)
      .Person(2, "Jean /Martin/", 2)
      .Person(3, "Marie /Durand/", 3)
      .Person(4, "Pierre /Martin/")
      .Person(5, "Rose /Blanc/")
      .Person(6, "Louis /Durand/")
      .Person(10, "Luc /Petit/", 4)
      .Person(11, "Jacques /Seul/")
      .Family(1, 2, 3)
      .Family(2, 4, 5)
      .Family(3, 6, 5)
      .Family(4, 4, 5);
  return text;
}

class AncestryAnalysisTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fixture.LoadText(SmallFile().Text()));
    fixture.ui.messages.clear();
    fixture.ui.statuses.clear();
    fixture.ui.shownReports.clear();
    session().selectionMode = 1;
  }
  Session& session() { return fixture.session; }
  AncestryOutcome Choose(const std::string& line) {
    session().chosenLine = line;
    return AnalyseAncestry(session());
  }
  bool Enabled(MenuItem item) { return session().menus.Enabled(item); }

  SessionFixture fixture;
};

TEST_F(AncestryAnalysisTest, LineWithoutNumberDoesNothing) {
  EXPECT_EQ(Choose("   Martin, Paul"), AncestryOutcome::NothingChosen);
  EXPECT_EQ(Choose(""), AncestryOutcome::NothingChosen);
  EXPECT_TRUE(fixture.ui.messages.empty());
  EXPECT_TRUE(fixture.ui.statuses.empty());
  EXPECT_EQ(session().selectionMode, 1);
}

TEST_F(AncestryAnalysisTest, PersonWithoutParentsIsRefusedAndTheChoiceGoesOn) {
  const std::string line = "     11  Seul, Jacques";
  EXPECT_EQ(Choose(line), AncestryOutcome::NoAncestors);
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].caption, "Analyse d'ascendance impossible...");
  EXPECT_EQ(fixture.ui.messages[0].text, "Jacques Seul n'a pas d'ascendants dans le fichier");
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(fixture.ui.statuses.back(), line);
  EXPECT_EQ(session().selectionMode, 1);
  EXPECT_EQ(session().probantNumber, 0);
  EXPECT_FALSE(session().slots[kSlotAncestryList].hasContent);
  EXPECT_FALSE(std::filesystem::exists(fixture.folder / "LstAscd.TXT"));
  // A number that is not in the file is refused the same way.
  EXPECT_EQ(Choose("9999999  "), AncestryOutcome::NoAncestors);
}

TEST_F(AncestryAnalysisTest, AnalysisSetsProbantFlagsMenusAndShowsTheList) {
  EXPECT_EQ(Choose("      1  Martin, Paul"), AncestryOutcome::Analysed);
  EXPECT_EQ(session().selectionMode, 0);
  EXPECT_EQ(session().probantNumber, 1);
  EXPECT_EQ(session().probantName, "Paul Martin");
  EXPECT_EQ(session().ancestors.lastStradonitz, 7);
  for (int slot : {kSlotStatistics, kSlotAncestryList, kSlotRepeatedAncestors}) {
    EXPECT_TRUE(session().slots[slot].hasContent) << slot;
  }
  for (MenuItem item : {MenuItem::AscStat, MenuItem::AscRepet, MenuItem::AscEventail,
                        MenuItem::AscEventailInteractif, MenuItem::AscGraphique, MenuItem::ConsAsc,
                        MenuItem::SubAscListe, MenuItem::SubAscStat, MenuItem::SubAscRepet,
                        MenuItem::SubAscGraphique}) {
    EXPECT_TRUE(Enabled(item)) << static_cast<int>(item);
  }
  ASSERT_FALSE(fixture.ui.shownReports.empty());
  EXPECT_EQ(fixture.ui.shownReports.back(), std::make_pair(int{kSlotAncestryList}, 3));
  EXPECT_TRUE(session().slots[kSlotAncestryList].shown);
  const std::vector<std::string>& statuses = fixture.ui.statuses;
  EXPECT_NE(std::find(statuses.begin(), statuses.end(), "Un moment S.V.P. ...  Analyse en cours..."), statuses.end());
  EXPECT_EQ(statuses.back(), "");
  EXPECT_TRUE(fixture.ui.messages.empty());
}

TEST_F(AncestryAnalysisTest, NextProbantWithoutRepeatsForgetsTheRepeatedList) {
  ASSERT_EQ(Choose("      1  Martin, Paul"), AncestryOutcome::Analysed);
  ASSERT_TRUE(session().slots[kSlotRepeatedAncestors].hasContent);
  EXPECT_EQ(Choose("     10  Petit, Luc"), AncestryOutcome::Analysed);
  EXPECT_EQ(session().probantName, "Luc Petit");
  EXPECT_FALSE(session().slots[kSlotRepeatedAncestors].hasContent);
  EXPECT_FALSE(Enabled(MenuItem::AscRepet));
  EXPECT_TRUE(Enabled(MenuItem::AscStat));
  // The ancestry list was shown before: it is shown again, rewritten.
  EXPECT_EQ(fixture.ui.shownReports.size(), 2u);
  EXPECT_NE(fixture.Report("LstAscd.TXT").find("Luc Petit"), std::string::npos);
}

TEST_F(AncestryAnalysisTest, AncestryListThatCannotBeWrittenIsToldAndNothingIsOffered) {
  std::filesystem::create_directory(fixture.folder / "LstAscd.TXT");
  EXPECT_EQ(Choose("      1  Martin, Paul"), AncestryOutcome::ReportFailed);
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_NE(fixture.ui.messages[0].text.find("LstAscd.TXT"), std::string::npos);
  EXPECT_FALSE(session().slots[kSlotAncestryList].hasContent);
  EXPECT_FALSE(session().slots[kSlotStatistics].hasContent);
  EXPECT_FALSE(Enabled(MenuItem::AscStat));
  EXPECT_FALSE(Enabled(MenuItem::AscEventail));
  EXPECT_TRUE(fixture.ui.shownReports.empty());
  EXPECT_EQ(fixture.ui.statuses.back(), "");
}

TEST_F(AncestryAnalysisTest, StatisticsThatCannotBeWrittenAreToldAndNothingIsOffered) {
  for (const char* name : {"Stat.TXT", "LstRep.TXT"}) {
    SCOPED_TRACE(name);
    SessionFixture other;
    ASSERT_TRUE(other.LoadText(SmallFile().Text()));
    std::filesystem::create_directory(other.folder / name);
    other.session.chosenLine = "      1  Martin, Paul";
    EXPECT_EQ(AnalyseAncestry(other.session), AncestryOutcome::ReportFailed);
    ASSERT_FALSE(other.ui.messages.empty());
    EXPECT_NE(other.ui.messages.back().text.find(name), std::string::npos);
    EXPECT_FALSE(other.session.slots[kSlotStatistics].hasContent);
    EXPECT_FALSE(other.session.menus.Enabled(MenuItem::AscStat));
    EXPECT_TRUE(other.ui.shownReports.empty() || other.ui.shownReports.back().first != kSlotAncestryList);
  }
}

TEST_F(AncestryAnalysisTest, FailedRewriteLeavesNoStaleReportToConsult) {
  ASSERT_EQ(Choose("      1  Martin, Paul"), AncestryOutcome::Analysed);
  std::filesystem::remove(fixture.folder / "Stat.TXT");
  std::filesystem::create_directory(fixture.folder / "Stat.TXT");
  EXPECT_EQ(Choose("     10  Petit, Luc"), AncestryOutcome::ReportFailed);
  EXPECT_FALSE(session().slots[kSlotStatistics].hasContent);
  EXPECT_FALSE(session().slots[kSlotRepeatedAncestors].hasContent);
  EXPECT_FALSE(Enabled(MenuItem::AscRepet));
  EXPECT_FALSE(Enabled(MenuItem::AscEventail));
}

}  // namespace
}  // namespace quenor
