// The menu items of the degrees of kinship and the consanguinity: their
// captions, when they are enabled, and the reports they show.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPrinter>

#include "session/kinship_choice.h"
#include "session/menu_state.h"
#include "shell/report_viewer.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/pdf_pages.h"

namespace quenor {
namespace {

using testing::MainWindowFixture;

QString Text(const std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The menu `item` sits in, and its place there.
int PlaceIn(QMenu* menu, QAction* item) { return static_cast<int>(menu->actions().indexOf(item)); }

TEST(ConsanguinityWindow, TheNewItemsAndWhereTheyStand) {
  MainWindowFixture fixture;
  TMF& window = fixture.window();
  EXPECT_EQ(window.Action(MenuItem::AscConsang)->text(), QString::fromUtf8("Consanguinité"));
  EXPECT_EQ(window.Action(MenuItem::SubAscConsang)->text(), QString::fromUtf8("Consanguinité"));
  EXPECT_EQ(window.Action(MenuItem::LiensDegres)->text(), QString::fromUtf8("Degrés de parenté"));
  EXPECT_EQ(window.Action(MenuItem::SubLiensDegres)->text(), QString::fromUtf8("Degrés de parenté"));
  EXPECT_EQ(window.Action(MenuItem::SubGEDConsang)->text(), QString::fromUtf8("Consanguinité de tous les individus"));
  EXPECT_GE(PlaceIn(window.Menu(MenuItem::mAscendance), window.Action(MenuItem::AscConsang)), 0);
  EXPECT_GE(PlaceIn(window.Menu(MenuItem::mLiens), window.Action(MenuItem::LiensDegres)), 0);
  EXPECT_GE(PlaceIn(window.Menu(MenuItem::ConsGED), window.Action(MenuItem::SubGEDConsang)), 0);
  EXPECT_GE(PlaceIn(window.Menu(MenuItem::ConsAsc), window.Action(MenuItem::SubAscConsang)), 0);
  EXPECT_GE(PlaceIn(window.Menu(MenuItem::ConsLiens), window.Action(MenuItem::SubLiensDegres)), 0);
}

TEST(ConsanguinityWindow, EachItemOpensOnceItsReportIsWritten) {
  MainWindowFixture fixture;
  fixture.Load("royal92.ged");
  TMF& window = fixture.window();
  Session& session = fixture.session();
  EXPECT_FALSE(window.Action(MenuItem::AscConsang)->isEnabled());
  EXPECT_FALSE(window.Action(MenuItem::LiensDegres)->isEnabled());
  EXPECT_TRUE(window.Action(MenuItem::SubGEDConsang)->isEnabled());
  window.mConsulterClick();
  EXPECT_FALSE(window.Action(MenuItem::SubAscConsang)->isEnabled());

  // Maria Antonia, daughter of an uncle and his niece.
  window.AscProbantClick();
  session.chosenLine = "   2427";
  window.OKBtnClick();
  ASSERT_TRUE(window.Action(MenuItem::AscConsang)->isEnabled());
  window.Action(MenuItem::AscConsang)->trigger();
  EXPECT_TRUE(session.slots[kSlotConsanguinity].shown);
  EXPECT_TRUE(Text(window.viewer().Text()).contains(QString::fromLatin1("Coefficient de consanguinit\xe9 de Maria Antonia : 18,75 %")));
  EXPECT_EQ(window.heading().Lines().LineCount(), kConsanguinityHeadingLines);
  window.mConsulterClick();
  EXPECT_TRUE(window.Action(MenuItem::SubAscConsang)->isEnabled());

  // Her parents.
  window.LiensSelect2Click();
  session.chosenLine = "   2420";
  window.OKBtnClick();
  session.chosenLine = "   2421";
  window.OKBtnClick();
  fixture.TakeMessages();
  ASSERT_TRUE(window.Action(MenuItem::LiensDegres)->isEnabled());
  window.Action(MenuItem::LiensDegres)->trigger();
  EXPECT_TRUE(session.slots[kSlotKinshipDegrees].shown);
  EXPECT_TRUE(Text(window.viewer().Text()).contains(QString::fromLatin1("Leopold_I, oncle de Margaret Teresa")));
  EXPECT_TRUE(Text(window.viewer().Text()).contains(QString::fromLatin1("Leopold_I, cousin germain de Margaret Teresa")));
  EXPECT_EQ(window.heading().Lines().LineCount(), kKinshipDegreesHeadingLines);
  window.mConsulterClick();
  EXPECT_TRUE(window.Action(MenuItem::SubLiensDegres)->isEnabled());

  window.Action(MenuItem::SubGEDConsang)->trigger();
  EXPECT_TRUE(session.slots[kSlotConsanguinityList].shown);
  EXPECT_TRUE(Text(window.viewer().Text()).contains(QString::fromLatin1("325 individus consanguins sur 3 010")));
  EXPECT_EQ(window.heading().Lines().LineCount(), kConsanguinityListHeadingLines);
  EXPECT_TRUE(fixture.TakeMessages().empty());

  // Each can be saved and printed like the other reports.
  window.mFichierClick();
  EXPECT_TRUE(window.saveAction()->isEnabled());
  EXPECT_TRUE(window.printAction()->isEnabled());
  testing::ScratchFolder out;
  ASSERT_TRUE(window.SaveShownReport(QString::fromStdString((out / "liste.txt").string())));
  EXPECT_EQ(testing::ReadBytes(out / "liste.txt"), testing::ReadBytes(fixture.folder() / "LstConsg.TXT"));
  window.Action(MenuItem::LiensDegres)->trigger();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((out / "parente.pdf").string()));
  ASSERT_TRUE(window.PrintShownReport(printer));
  EXPECT_GE(testing::PdfPageCount(out / "parente.pdf"), 1);
}

}  // namespace
}  // namespace quenor
