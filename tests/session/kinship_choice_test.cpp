#include "session/kinship_choice.h"

#include <gtest/gtest.h>

#include "platform/cp1252.h"
#include "session/gedcom_opening.h"
#include "session/session.h"
#include "tests/support/recording_ui.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

using namespace literals;

class ChoiceUi : public testing::RecordingUi {
 public:
  void BeginPersonChoice(int mode) override { begun.push_back(mode); }
  void EndPersonChoice() override { ++ended; }
  void ClearViewerSelection() override { ++selectionsCleared; }
  std::vector<int> begun;
  int ended = 0;
  int selectionsCleared = 0;
};

// Two brothers, 3 and 4, sons of 1 and 2.
constexpr const char* kBrothers =
    "0 HEAD\n1 CHAR ANSI\n"
    "0 @I1@ INDI\n1 NAME Jean /Martin/\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Marie /Roy/\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Paul /Martin/\n1 FAMC @F1@\n"
    "0 @I4@ INDI\n1 NAME Pierre /Martin/\n1 FAMC @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I4@\n"
    "0 TRLR\n";

class KinshipChoiceTest : public ::testing::Test {
 protected:
  KinshipChoiceTest() : clock(CalendarDate{2024, 3, 15}), session(ui, folder.path().string(), clock) {}
  void SetUp() override {
    testing::WriteBytes(folder / "f.ged", kBrothers);
    ASSERT_EQ(LoadGedcomFile(session, (folder / "f.ged").string()), LoadResult::Loaded);
  }
  void Choose(const char* line) { session.chosenLine = line; }

  testing::ScratchFolder folder;
  ChoiceUi ui;
  FixedClock clock;
  Session session;
};

TEST_F(KinshipChoiceTest, TheMenuCommandAsksForTheFirstPersonAndHidesOldResults) {
  session.menus.Enable(MenuItem::LiensSouches);
  EXPECT_EQ(LiensSelect2Click(session), KinshipChoiceStep::FirstAsked);
  EXPECT_EQ(session.selectionMode, 3);
  EXPECT_EQ(ui.begun, std::vector<int>{3});
  EXPECT_FALSE(session.menus.Enabled(MenuItem::LiensSouches));
  EXPECT_FALSE(session.menus.Enabled(MenuItem::LiensOrgan));
  EXPECT_EQ(ui.statuses.back(), "Sélectionnez l'une des personnes avec qui vous désirez le lien"_ansi);
}

TEST_F(KinshipChoiceTest, TheSamePersonTwiceIsRefusedAndTheChoiceGoesOn) {
  LiensSelect2Click(session);
  Choose("      3  Martin, Paul");
  EXPECT_EQ(LiensSelect2Click(session), KinshipChoiceStep::SecondAsked);
  EXPECT_EQ(session.selectionMode, 4);
  EXPECT_EQ(session.kinship.firstPerson, 3);
  EXPECT_EQ(session.kinship.firstName, "Paul Martin");
  EXPECT_EQ(ui.begun, (std::vector<int>{3, 4}));

  EXPECT_EQ(LiensSelect2Click(session), KinshipChoiceStep::SamePerson);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].caption, "Saisie inacceptable");
  EXPECT_EQ(ui.messages[0].text, "La deuxième personne doit être différente de Paul Martin"_ansi);
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(session.selectionMode, 4);
  EXPECT_EQ(ui.ended, 0);
}

TEST_F(KinshipChoiceTest, TheSecondPersonRunsTheSearchAndEndsTheChoice) {
  LiensSelect2Click(session);
  Choose("      3  Martin, Paul");
  LiensSelect2Click(session);
  Choose("      4  Martin, Pierre");
  EXPECT_EQ(LiensSelect2Click(session), KinshipChoiceStep::Searched);
  EXPECT_EQ(session.selectionMode, 0);
  EXPECT_EQ(ui.ended, 1);
  EXPECT_EQ(session.kinship.secondPerson, 4);
  EXPECT_TRUE(session.slots[kSlotRootAncestors].hasContent);
  EXPECT_TRUE(session.menus.Enabled(MenuItem::LiensSouches));
  EXPECT_TRUE(session.menus.Enabled(MenuItem::ConsLiens));
  EXPECT_EQ(ui.statuses.back(), "");
}

TEST_F(KinshipChoiceTest, OkWithoutAChosenNumberDoesNothing) {
  LiensSelect2Click(session);
  Choose("         ");
  EXPECT_EQ(LiensSelect2Click(session), KinshipChoiceStep::NothingChosen);
  EXPECT_EQ(session.selectionMode, 3);
}

}  // namespace
}  // namespace quenor
