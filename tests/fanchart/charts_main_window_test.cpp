// The picture windows of the main window: they follow the analysis of the
// file they were opened on, and are closed when another file is opened.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "app/charts_main_window.h"
#include "ancestry/window/tgraphf.h"
#include "fanchart/window/tevinterf.h"
#include "session/menu_state.h"
#include "session/person_choice.h"
#include "tests/support/test_files.h"

namespace quenor {
namespace {

constexpr int32_t kCharles = 58;  // royal92.ged

TEST(ChartsMainWindow, ThePictureWindowsCloseWhenAnotherFileIsOpened) {
  testing::ScratchFolder folder;
  TMFSettings settings;
  settings.workingDirectory = QString::fromStdString(folder.path().string());
  settings.documentationAtFirstActivation = false;
  ChartsMainWindow window(settings);
  window.ui().SetMessagePresenter([](const QString&, const QString&, MessageIcon) {});
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  window.OpenGedcomFile(QString::fromStdString(testing::DataFile("royal92.ged").string()));
  Session& session = window.session();
  session.selectionMode = 1;
  session.chosenLine = ListLineOf(session.index, kCharles);
  window.OKBtnClick();
  ASSERT_EQ(session.probantNumber, kCharles);
  window.Action(MenuItem::AscEventailInteractif)->trigger();
  window.Action(MenuItem::AscGraphique)->trigger();
  TEvInterF& fan = window.interactiveFan();
  TGraphF& chart = window.completenessChart();
  ASSERT_TRUE(fan.isVisible());
  ASSERT_TRUE(chart.isVisible());
  EXPECT_EQ(fan.explorer()->PersonAt(1), kCharles);

  // The fan drawn in full on its own thread while the file changes.
  fan.explorer()->ZoomBy(2.0, QPointF(300, 200));
  window.OpenGedcomFile(QString::fromStdString(testing::DataFile("kennedy.ged").string()));
  EXPECT_FALSE(fan.isVisible());
  EXPECT_FALSE(chart.isVisible());
  EXPECT_FALSE(window.Action(MenuItem::AscEventailInteractif)->isEnabled());
  EXPECT_FALSE(window.Action(MenuItem::AscGraphique)->isEnabled());
  QTest::qWait(400);  // the picture asked for comes back to a closed window
  EXPECT_FALSE(fan.isVisible());
}

}  // namespace
}  // namespace quenor
