// The main window: menus, report panes, consulting, options, documentation.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBrowser>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "session/menu_state.h"
#include "shell/report_viewer.h"
#include "shell/taidef.h"
#include "tests/shell/shell_test_support.h"

namespace quenor {
namespace {

using testing::MainWindowFixture;

bool On(TMF& window, MenuItem item) {
  if (QMenu* menu = window.Menu(item)) return menu->menuAction()->isEnabled();
  return window.Action(item)->isEnabled();
}

TEST(MainWindow, StartsWithTheAnalysisMenusDisabledAndItsCaption) {
  MainWindowFixture fixture;
  TMF& window = fixture.window();
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Analyse d'ascendance"));
  EXPECT_FALSE(On(window, MenuItem::mAscendance));
  EXPECT_FALSE(On(window, MenuItem::mLiens));
  EXPECT_FALSE(On(window, MenuItem::mConsulter));
  window.mFichierClick();
  EXPECT_FALSE(window.saveAction()->isEnabled());
  EXPECT_FALSE(window.printAction()->isEnabled());
}

TEST(MainWindow, MenuCaptionsCarryTheirAccessKeys) {
  MainWindowFixture fixture;
  TMF& window = fixture.window();
  EXPECT_EQ(window.Action(MenuItem::AscProbant)->text(), QString::fromUtf8("&Ascendance d'un probant"));
  EXPECT_EQ(window.Action(MenuItem::AscEventail)->text(), QString::fromUtf8("&Éventail"));
  EXPECT_EQ(window.Action(MenuItem::AscEventailInteractif)->text(), QString::fromUtf8("Éventail interactif"));
  EXPECT_EQ(window.Action(MenuItem::AscGraphique)->text(), QString::fromUtf8("Graphique de complétude"));
  EXPECT_EQ(window.Action(MenuItem::SubAscGraphique)->text(), QString::fromUtf8("Graphique de complétude"));
  EXPECT_EQ(window.Action(MenuItem::LiensSouches)->text(), QString::fromUtf8("Souches &communes"));
  EXPECT_EQ(window.Action(MenuItem::SubAscListe)->text(), QString::fromUtf8("Liste des ascendants avec# Stradonitz"));
  EXPECT_EQ(window.Menu(MenuItem::ConsGED)->title(), QString::fromUtf8("&Fichier GEDCom"));
  EXPECT_EQ(window.saveAction()->text(), QString::fromUtf8("&Créer un fichier texte du rapport à l'écran"));
  EXPECT_TRUE(window.anglesAction()->isCheckable());
}

TEST(MainWindow, ALoadShowsTheListAndOpensTheAnalysisMenus) {
  MainWindowFixture fixture;
  fixture.Load("royal92.ged");
  TMF& window = fixture.window();
  EXPECT_TRUE(fixture.session().slots[kSlotAlphabeticalList].shown);
  EXPECT_TRUE(window.viewer().isVisible());
  EXPECT_TRUE(window.windowTitle().startsWith(QString::fromUtf8("Fichier de données: ")));
  EXPECT_TRUE(On(window, MenuItem::mAscendance));
  EXPECT_TRUE(On(window, MenuItem::AscProbant));
  EXPECT_FALSE(On(window, MenuItem::AscStat));
  EXPECT_FALSE(On(window, MenuItem::AscRepet));
  EXPECT_FALSE(On(window, MenuItem::AscEventail));
  EXPECT_FALSE(On(window, MenuItem::AscEventailInteractif));
  EXPECT_FALSE(On(window, MenuItem::AscGraphique));
  EXPECT_TRUE(On(window, MenuItem::mLiens));
  EXPECT_TRUE(On(window, MenuItem::LiensSelect2));
  EXPECT_FALSE(On(window, MenuItem::LiensSouches));
  EXPECT_FALSE(On(window, MenuItem::LiensOrgan));
  EXPECT_TRUE(On(window, MenuItem::mConsulter));
  EXPECT_TRUE(On(window, MenuItem::SubGEDFormatGED));
  EXPECT_TRUE(On(window, MenuItem::SubGEDListe));
  EXPECT_FALSE(On(window, MenuItem::ConsAsc));
  EXPECT_FALSE(On(window, MenuItem::ConsLiens));
  window.mFichierClick();
  EXPECT_TRUE(window.saveAction()->isEnabled());
  EXPECT_TRUE(window.printAction()->isEnabled());
  EXPECT_TRUE(fixture.TakeMessages().empty());
}

TEST(MainWindow, LoadingAndConsultingNeverWriteTheGedcomFile) {
  MainWindowFixture fixture;
  testing::ScratchFolder copies;
  for (const auto& entry : std::filesystem::directory_iterator(QUENOR_TEST_DATA_DIR)) {
    if (entry.path().extension() == ".md") continue;
    const std::filesystem::path copy = copies / entry.path().filename().string();
    std::filesystem::copy_file(entry.path(), copy);
    std::filesystem::last_write_time(copy, std::filesystem::file_time_type::clock::now() - std::chrono::hours(9000));
    ASSERT_EQ(chmod(copy.c_str(), 0444), 0);
    const auto modified = std::filesystem::last_write_time(copy);
    fixture.window().OpenGedcomFile(QString::fromStdString(copy.string()));
    fixture.window().Action(MenuItem::SubGEDFormatGED)->trigger();  // the file itself in the viewer
    EXPECT_EQ(testing::ReadBytes(copy), testing::ReadBytes(entry.path())) << copy;
    EXPECT_EQ(std::filesystem::last_write_time(copy), modified) << copy;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(copies.path()), std::filesystem::directory_iterator()),
            std::distance(std::filesystem::directory_iterator(QUENOR_TEST_DATA_DIR), std::filesystem::directory_iterator()) - 1);
}

TEST(MainWindow, A750PixelWindowGivesTenPixelCharactersAndA41PixelHeading) {
  MainWindowFixture fixture;
  TMF& window = fixture.window();
  window.resize(750, 600);
  fixture.Load("royal92.ged");
  EXPECT_EQ(window.viewer().CharacterHeight(), 10);
  EXPECT_EQ(window.heading().CharacterHeight(), 10);
  EXPECT_EQ(window.heading().height(), 41);
  // The heading pane holds the first three lines; the viewer keeps them too.
  const std::string_view text = window.viewer().Text();
  EXPECT_EQ(window.heading().Text(), text.substr(0, window.heading().Text().size()));
  EXPECT_EQ(window.heading().Lines().LineCount(), 3);
  EXPECT_NE(window.heading().Text().find("# Enrg.  Nom, pr"), std::string::npos);
}

TEST(MainWindow, ConsultingTheShownReportAgainChangesNothing) {
  MainWindowFixture fixture;
  fixture.Load("royal92.ged");
  TMF& window = fixture.window();
  window.viewer().ScrollToLine(500);
  window.mConsulterClick();
  window.Action(MenuItem::SubGEDListe)->trigger();
  EXPECT_EQ(window.viewer().FirstVisibleLine(), 500);

  window.Action(MenuItem::SubGEDFormatGED)->trigger();
  EXPECT_TRUE(fixture.session().slots[kSlotGedcom].shown);
  EXPECT_FALSE(fixture.session().slots[kSlotAlphabeticalList].shown);
  EXPECT_TRUE(window.viewer().Text().starts_with("0 HEAD"));
  EXPECT_EQ(window.heading().height(), 5);
  EXPECT_EQ(window.viewer().FirstVisibleLine(), 0);
}

TEST(MainWindow, TheHeadingFollowsTheViewerAcross) {
  MainWindowFixture fixture;
  fixture.window().resize(500, 600);
  fixture.Load("royal92.ged");
  ReportViewer& viewer = fixture.window().viewer();
  viewer.SetCharacterHeight(20);  // wider than the window: the lines scroll across
  ASSERT_GT(viewer.horizontalScrollBar()->maximum(), 5 * viewer.CharacterWidth());
  const QPoint before = fixture.window().heading().PointOf(10);
  viewer.horizontalScrollBar()->setValue(5 * viewer.CharacterWidth());
  EXPECT_EQ(fixture.window().heading().PointOf(10).x(), before.x() - 5 * viewer.CharacterWidth());
}

TEST(MainWindow, ConsultItemsFollowTheReportsWritten) {
  MainWindowFixture fixture;
  fixture.Load("royal92.ged");
  TMF& window = fixture.window();
  window.mConsulterClick();
  EXPECT_TRUE(window.Action(MenuItem::SubGEDListe)->isEnabled());
  EXPECT_FALSE(window.Action(MenuItem::SubAscStat)->isEnabled());
  EXPECT_FALSE(window.Action(MenuItem::SubLiensOrgan)->isEnabled());
}

TEST(MainWindow, TheAnglesOptionSurvivesARestart) {
  testing::ScratchFolder folder;
  {
    testing::MainWindowFixture first(folder.path());
    EXPECT_FALSE(first.window().anglesAction()->isChecked());
    first.window().FichAnglesInvClick();
    EXPECT_TRUE(first.session().anglesInverted);
    first.window().close();
  }
  EXPECT_EQ(testing::ReadBytes(folder / "QROPT.DAT"), "AnglesInverses=1\r\n");
  {
    testing::MainWindowFixture second(folder.path());
    EXPECT_TRUE(second.window().anglesAction()->isChecked());
    EXPECT_TRUE(second.session().anglesInverted);
    second.window().FichAnglesInvClick();
    second.window().close();
  }
  testing::MainWindowFixture third(folder.path());
  EXPECT_FALSE(third.window().anglesAction()->isChecked());
}

TEST(MainWindow, AboutTellsTheVersion) {
  MainWindowFixture fixture;
  fixture.window().AideAProposClick();
  const auto messages = fixture.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, QString::fromUtf8("À propos de ce logiciel ..."));
  EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8("Quenor version 3.3 janvier 2018\n")));
  EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8("Logiciel d'analyse d'ascendance généalogique\n"
                                                          "et liens de parenté.")));
  EXPECT_EQ(messages[0].icon, MessageIcon::Information);
}

TEST(MainWindow, TheDocumentationOpensFromTheWorkingDirectory) {
  MainWindowFixture fixture;
  testing::WriteBytes(fixture.folder() / "qrmd.rtf", testing::ReadBytes(QUENOR_GUIDE_FILE));
  TMF& window = fixture.window();
  window.AideDocClick();
  ASSERT_NE(window.documentationWindow(), nullptr);
  EXPECT_TRUE(fixture.session().slots[kSlotDocumentation].shown);
  EXPECT_EQ(window.documentationWindow()->windowTitle(), QString::fromUtf8("Documentation"));
  EXPECT_TRUE(window.documentationWindow()->AideRTF->toPlainText().contains(QString::fromUtf8("Éventail")));
  window.mFichierClick();
  EXPECT_TRUE(window.printAction()->isEnabled());
  EXPECT_FALSE(window.saveAction()->isEnabled());
  window.documentationWindow()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(fixture.session().slots[kSlotDocumentation].shown);
  EXPECT_EQ(window.documentationWindow(), nullptr);
}

}  // namespace
}  // namespace quenor
