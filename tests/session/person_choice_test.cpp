#include "session/person_choice.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/cp1252.h"
#include "session/gedcom_opening.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

using namespace literals;

// Individuals 12 and 112 (and 1 with a second marriage, whose line follows
// his own as a continuation line).
std::string SmallFile() {
  return "0 HEAD\n1 CHAR ANSI\n"
         "0 @I112@ INDI\n1 NAME Albert /Aubin/\n"
         "0 @I12@ INDI\n1 NAME Bernard /Aubin/\n"
         "0 @I1@ INDI\n1 NAME Charles /Aubin/\n1 FAMS @F1@\n1 FAMS @F2@\n"
         "0 @I2@ INDI\n1 NAME Denise /Dion/\n1 FAMS @F1@\n"
         "0 @I3@ INDI\n1 NAME Emma /Dion/\n1 FAMS @F2@\n"
         "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 MARR\n2 DATE 1900\n2 PLAC Lyon\n"
         "0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n1 MARR\n2 DATE 1910\n2 PLAC Nice\n"
         "0 TRLR\n";
}

class PersonChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fixture.LoadText(SmallFile()));
    list = fixture.Report("LstGED.TXT");
  }
  // The byte position of the first line that starts with `start`.
  int64_t LineStarting(const std::string& start) const {
    const std::size_t at = list.find("\n" + start);
    return at == std::string::npos ? -1 : static_cast<int64_t>(at + 1);
  }
  testing::SessionFixture fixture;
  std::string list;
  ClickChooser chooser;
};

TEST_F(PersonChoiceTest, AClickOnANameChoosesTheFirst49CharactersOfItsLine) {
  const int64_t line = LineStarting("     12  ");
  ASSERT_GT(line, kListHeadLength);
  chooser.lastClickPosition = 0;
  const ClickChoice choice = chooser.Choose(fixture.session, list, line + 12);
  EXPECT_EQ(choice.result, ClickResult::Chosen);
  EXPECT_EQ(choice.person, 12);
  EXPECT_EQ(choice.selectionStart, line);
  EXPECT_EQ(choice.selectionLength, kChosenLineLength);
  EXPECT_EQ(choice.line, list.substr(static_cast<std::size_t>(line), 49));
  EXPECT_EQ(chooser.lastClickPosition, line + 12);
  EXPECT_TRUE(fixture.ui.messages.empty());
}

TEST_F(PersonChoiceTest, AClickInTheHeadChoosesNothingAndForgetsThePreviousClick) {
  chooser.lastClickPosition = 500;
  const ClickChoice choice = chooser.Choose(fixture.session, list, 120);
  EXPECT_EQ(choice.result, ClickResult::BackToStart);
  EXPECT_EQ(chooser.lastClickPosition, 0);
  EXPECT_FALSE(chooser.ConfirmsPrevious(120));
}

TEST_F(PersonChoiceTest, AClickFarRightOnTheMarriageColumnChoosesNothing) {
  const int64_t line = LineStarting("      1  ");
  ASSERT_GT(line, kListHeadLength);
  const ClickChoice choice = chooser.Choose(fixture.session, list, line + 70);
  EXPECT_EQ(choice.result, ClickResult::BackToStart);
  EXPECT_EQ(chooser.lastClickPosition, line + 70);
}

TEST_F(PersonChoiceTest, AClickOnAContinuationLineIsNotAName) {
  const int64_t line = LineStarting(std::string(49, ' '));
  ASSERT_GT(line, kListHeadLength);
  const ClickChoice choice = chooser.Choose(fixture.session, list, line + 20);
  EXPECT_EQ(choice.result, ClickResult::NotAName);
  EXPECT_EQ(chooser.lastClickPosition, 0);
  ASSERT_EQ(fixture.ui.messages.size(), 1u);
  EXPECT_EQ(fixture.ui.messages[0].caption, "Erreur");
  EXPECT_EQ(fixture.ui.messages[0].text, "Vous n'avez pas cliqué sur un nom"_ansi);
  EXPECT_EQ(fixture.ui.messages[0].icon, MessageIcon::Stop);
}

TEST_F(PersonChoiceTest, ASecondClickFewerThanTenCharactersAwayConfirms) {
  chooser.lastClickPosition = 1000;
  EXPECT_TRUE(chooser.ConfirmsPrevious(1000));
  EXPECT_TRUE(chooser.ConfirmsPrevious(991));
  EXPECT_TRUE(chooser.ConfirmsPrevious(1009));
  EXPECT_FALSE(chooser.ConfirmsPrevious(990));
  EXPECT_FALSE(chooser.ConfirmsPrevious(1010));
}

TEST_F(PersonChoiceTest, SearchingForTwelveFindsTwelveAndNotOneHundredTwelve) {
  const NumberSearch search = FindPersonLine(fixture.session.SlotPath(kSlotAlphabeticalList), "12");
  ASSERT_TRUE(search.found);
  EXPECT_EQ(search.person, 12);
  EXPECT_EQ(search.line.substr(0, 9), "     12  ");
  EXPECT_EQ(search.filePosition, LineStarting("     12  "));
  EXPECT_EQ(search.line.size(), 49u);
  // The list: title, empty line, heading, underline, then 112 (Albert) before 12 (Bernard).
  EXPECT_EQ(search.lineIndex, 5);
}

TEST_F(PersonChoiceTest, SearchingForAnAbsentEmptyOrZeroNumberFindsNothing) {
  const std::string path = fixture.session.SlotPath(kSlotAlphabeticalList);
  EXPECT_FALSE(FindPersonLine(path, "13").found);
  EXPECT_FALSE(FindPersonLine(path, "").found);
  EXPECT_FALSE(FindPersonLine(path, "0").found);
  EXPECT_FALSE(FindPersonLine(path, "12345678").found);
  EXPECT_FALSE(FindPersonLine(fixture.folder.path().string() + "/absent.TXT", "12").found);
}

TEST(PersonNumberOfLine, ReadsTheLeadingNumberAfterBlanks) {
  EXPECT_EQ(PersonNumberOfLine("     12  Aubin, Bernard"), 12);
  EXPECT_EQ(PersonNumberOfLine("         "), 0);
  EXPECT_EQ(PersonNumberOfLine("Aubin"), 0);
  EXPECT_EQ(PersonNumberOfLine(""), 0);
}

class RecordingChoiceUi : public testing::RecordingUi {
 public:
  void BeginPersonChoice(int mode) override { begun.push_back(mode); }
  void EndPersonChoice() override { ++ended; }
  std::vector<int> begun;
  int ended = 0;
};

TEST(BeginProbantChoice, ShowsTheListAndAsksForTheProbant) {
  testing::ScratchFolder folder;
  RecordingChoiceUi ui;
  FixedClock clock(CalendarDate{2024, 3, 15});
  Session session(ui, folder.path().string(), clock);
  testing::WriteBytes(folder / "f.ged", SmallFile());
  ASSERT_EQ(LoadGedcomFile(session, (folder / "f.ged").string()), LoadResult::Loaded);
  session.slots.MarkShown(kSlotStatistics);
  ui.shownReports.clear();

  BeginProbantChoice(session);
  EXPECT_EQ(session.selectionMode, 1);
  ASSERT_EQ(ui.shownReports.size(), 1u);
  EXPECT_EQ(ui.shownReports[0], std::make_pair(1, 3));
  EXPECT_EQ(ui.begun, std::vector<int>{1});
  EXPECT_EQ(ui.statuses.back(), "Sélectionnez le nom de la personne dont vous désirez analyser l'ascendance"_ansi);

  // The list already shown is not shown again.
  BeginProbantChoice(session);
  EXPECT_EQ(ui.shownReports.size(), 1u);
}

}  // namespace
}  // namespace quenor
