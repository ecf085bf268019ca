#include "session/menu_openings.h"

#include <gtest/gtest.h>

#include "session/session.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

TEST(FileMenuOnOpening, SavingAndPrintingNeedAShownReport) {
  ReportSlots slots;
  EXPECT_FALSE(FileMenuOnOpening(slots).canSave);
  EXPECT_FALSE(FileMenuOnOpening(slots).canPrint);

  slots[kSlotDocumentation].shown = true;
  EXPECT_FALSE(FileMenuOnOpening(slots).canSave);
  EXPECT_TRUE(FileMenuOnOpening(slots).canPrint);

  slots[kSlotDocumentation].shown = false;
  slots.MarkShown(kSlotGedcom);
  EXPECT_TRUE(FileMenuOnOpening(slots).canSave);
  EXPECT_TRUE(FileMenuOnOpening(slots).canPrint);
}

TEST(ConsultMenuOnOpening, EachItemFollowsItsSlot) {
  testing::SessionFixture fixture;
  ASSERT_TRUE(fixture.LoadData("royal92.ged"));
  Session& session = fixture.session;
  ConsultMenuOnOpening(session);
  EXPECT_TRUE(session.menus.Enabled(MenuItem::SubGEDFormatGED));
  EXPECT_TRUE(session.menus.Enabled(MenuItem::SubGEDListe));
  EXPECT_FALSE(session.menus.Enabled(MenuItem::SubAscListe));
  EXPECT_FALSE(session.menus.Enabled(MenuItem::SubAscStat));
  EXPECT_FALSE(session.menus.Enabled(MenuItem::SubLiensOrgan));

  session.slots[kSlotStatistics].hasContent = true;
  session.slots[kSlotOrganigram].hasContent = true;
  ConsultMenuOnOpening(session);
  EXPECT_TRUE(session.menus.Enabled(MenuItem::SubAscStat));
  EXPECT_FALSE(session.menus.Enabled(MenuItem::SubAscRepet));
  EXPECT_TRUE(session.menus.Enabled(MenuItem::SubLiensOrgan));
}

}  // namespace
}  // namespace quenor
