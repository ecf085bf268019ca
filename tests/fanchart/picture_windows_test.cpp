// The picture windows under the offscreen platform: the interactive fan
// chart (the summary of the ancestor under the pointer, the wheel, a drag,
// the marks of repeated ancestors, a double click that makes an ancestor the
// probant, the quick picture while it moves and the full one once it rests)
// and the completeness chart window (its figures, its pictures and
// its printing).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QXmlStreamReader>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

#include "ancestry/ancestry_analysis.h"
#include "ancestry/window/tgraphf.h"
#include "fanchart/fan_highlights.h"
#include "fanchart/fan_sectors.h"
#include "fanchart/window/printer_choice.h"
#include "fanchart/window/fan_picture_thread.h"
#include "fanchart/window/fan_view_renderer.h"
#include "fanchart/window/tevinterf.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "tests/support/pdf_pages.h"
#include "tests/support/session_fixture.h"

namespace quenor {
namespace {

constexpr int32_t kCharles = 58;  // royal92.ged

class PictureWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fixture.LoadData("royal92.ged"));
    Analyse(kCharles);
  }
  void Analyse(int32_t probant) {
    fixture.session.selectionMode = 1;
    fixture.session.chosenLine = std::to_string(probant);
    ASSERT_EQ(AnalyseAncestry(fixture.session), AncestryOutcome::Analysed);
  }
  std::string NameOf(int32_t person) { return Utf8FromCp1252(PersonName(fixture.session.index, 0, person)); }

  testing::SessionFixture fixture;
};

// The pixel of the explorer at the middle of place n.
QPoint PixelOf(const FanExplorer& explorer, int32_t n) {
  const FanSector sector = SectorOf(explorer.generations(), 2.5f, n);
  const double r = (sector.innerRadius + sector.outerRadius) / 2.0, a = (sector.fromAngle + sector.toAngle) / 2.0;
  const FanViewport& view = explorer.view();
  return QPoint(static_cast<int>(view.width / 2.0 + (r * std::cos(a) - view.centreX) * view.zoom),
                static_cast<int>(view.height / 2.0 - (r * std::sin(a) - view.centreY) * view.zoom));
}

TEST_F(PictureWindowTest, TheInteractiveFanTellsWhoIsUnderThePointer) {
  TEvInterF window(fixture.session);
  window.ShowFan();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  FanExplorer& explorer = *window.explorer();
  EXPECT_EQ(explorer.generations(), 12);  // royal92 goes back further: the most the chart shows
  // The parents, then the first known ancestor of generations 4 and 8.
  std::vector<int32_t> places{2, 3};
  for (int32_t first : {8, 128}) {
    int32_t n = first;
    while (n < 2 * first - 1 && explorer.PersonAt(n) == 0) ++n;
    places.push_back(n);
  }
  for (int32_t n : places) {
    QTest::mouseMove(&explorer, PixelOf(explorer, n));
    EXPECT_EQ(explorer.hovered(), n);
    const std::string summary = window.summary()->text().toStdString();
    EXPECT_NE(summary.find("Sosa n° " + std::to_string(n)), std::string::npos) << summary;
    const int32_t person = explorer.PersonAt(n);
    ASSERT_NE(person, 0);
    EXPECT_NE(summary.find(QString::fromStdString(NameOf(person)).toHtmlEscaped().toStdString()), std::string::npos)
        << n;
    // Every place of the ancestor under the pointer is marked.
    int marked = 0;
    for (const FanFill& fill : explorer.fills()) marked += fill.colour == kChosenAncestorColour;
    EXPECT_EQ(marked, PlacesOf(explorer.content().occupants, 12, person));
  }
}

TEST_F(PictureWindowTest, TheWheelZoomsAboutThePointerAndADragMovesTheChart) {
  TEvInterF window(fixture.session);
  window.ShowFan();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  FanExplorer& explorer = *window.explorer();
  const QPoint at = PixelOf(explorer, 37);
  const double before = explorer.view().zoom;
  QWheelEvent wheel(at, explorer.mapToGlobal(at), QPoint(), QPoint(0, 480), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&explorer, &wheel);
  EXPECT_GT(explorer.view().zoom, before * 1.5);
  EXPECT_EQ(explorer.NumberAtPoint(at), 37);  // the place under the pointer stays there

  const QPoint from = PixelOf(explorer, 37);
  QTest::mousePress(&explorer, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(&explorer, from + QPoint(40, 25));
  QTest::mouseMove(&explorer, from + QPoint(80, 50));
  QTest::mouseRelease(&explorer, Qt::LeftButton, Qt::NoModifier, from + QPoint(80, 50));
  EXPECT_EQ(explorer.NumberAtPoint(from + QPoint(80, 50)), 37);  // the place followed the mouse

  window.AjusterBtnEI->click();
  EXPECT_DOUBLE_EQ(explorer.view().zoom, before);
}

TEST_F(PictureWindowTest, RepeatedAncestorsAreMarkedAlikeWhereverTheyAppear) {
  TEvInterF window(fixture.session);
  window.ShowFan();
  FanExplorer& explorer = *window.explorer();
  EXPECT_TRUE(explorer.fills().empty());
  window.RepetesCBEI->setChecked(true);
  const std::vector<int32_t>& occupants = explorer.content().occupants;
  std::map<int32_t, std::set<CanvasColour>> colours;
  for (const FanFill& fill : explorer.fills()) colours[occupants[fill.number]].insert(fill.colour);
  ASSERT_GT(colours.size(), 10u);  // royal92 repeats many ancestors within 12 generations
  for (const auto& [person, used] : colours) {
    EXPECT_EQ(used.size(), 1u) << person;
    EXPECT_GE(PlacesOf(occupants, 12, person), 2) << person;
  }
  window.CouleursCBEI->setCurrentIndex(1);  // by generation, under the marks
  EXPECT_GT(explorer.fills().size(), colours.size());
  window.RepetesCBEI->setChecked(false);
  window.CouleursCBEI->setCurrentIndex(0);
  EXPECT_TRUE(explorer.fills().empty());
}

TEST_F(PictureWindowTest, ADoubleClickMakesTheAncestorTheProbant) {
  TEvInterF window(fixture.session);
  int analyses = 0;
  window.analysed = [&] { ++analyses; };
  window.ShowFan();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  FanExplorer& explorer = *window.explorer();
  const int32_t father = explorer.PersonAt(2);
  ASSERT_NE(father, 0);
  QTest::mouseDClick(&explorer, Qt::LeftButton, Qt::NoModifier, PixelOf(explorer, 2));
  EXPECT_EQ(fixture.session.probantNumber, father);
  EXPECT_EQ(fixture.session.selectionMode, 0);
  EXPECT_EQ(analyses, 1);
  EXPECT_NE(fixture.Report("LstAscd.TXT").find(PersonName(fixture.session.index, 0, father)), std::string::npos);
  EXPECT_NE(window.windowTitle().toStdString().find(NameOf(father)), std::string::npos);
  EXPECT_EQ(explorer.content().occupants[1], father);
  // A double click outside the fan chooses nobody.
  QTest::mouseDClick(&explorer, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
  EXPECT_EQ(analyses, 1);
}

// What the explorer shows, and the view it shows drawn in that detail.
QImage Shown(FanExplorer& explorer) {
  return explorer.grab().toImage().convertToFormat(QImage::Format_RGB32);
}
QImage DrawnAlone(const FanExplorer& explorer, FanViewRenderer::Detail detail) {
  FanLayout layout = explorer.layout();
  FanViewRenderer renderer;
  return renderer.Render(layout, explorer.view(), explorer.content(), explorer.fills(), detail).copy();
}
// An ancestor's place of generation 8 in the middle part of the window.
int32_t PlaceInSight(const FanExplorer& explorer) {
  const QRect middle = explorer.rect().adjusted(explorer.width() / 4, explorer.height() / 4, -explorer.width() / 4,
                                                -explorer.height() / 4);
  for (int32_t n = 128; n < 256; ++n) {
    if (explorer.PersonAt(n) != 0 && middle.contains(PixelOf(explorer, n))) return n;
  }
  return 0;
}
bool WaitForFullPicture(const FanExplorer& explorer) {
  return QTest::qWaitFor([&] { return explorer.ShowsFullPicture(); }, 20000);
}

TEST_F(PictureWindowTest, TheMovingChartIsDrawnQuicklyThenInFullOnceItRests) {
  TEvInterF window(fixture.session);
  window.ShowFan();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  FanExplorer& explorer = *window.explorer();
  ASSERT_TRUE(WaitForFullPicture(explorer));
  EXPECT_EQ(Shown(explorer), DrawnAlone(explorer, FanViewRenderer::Detail::Full));

  // Zoomed so that the names of generation 8 are small: until its picture
  // is drawn, the window shows the last one scaled about the pointer...
  const QImage fitted = Shown(explorer);
  const QPoint pointer = PixelOf(explorer, 150);
  explorer.ZoomBy(2.0, pointer);
  EXPECT_FALSE(explorer.ShowsCurrentPicture());
  const QImage scaled = Shown(explorer);
  for (const QPoint offset : {QPoint(-3, -2), QPoint(2, 3), QPoint(-1, 1)}) {
    EXPECT_EQ(scaled.pixel(pointer + offset * 2), fitted.pixel(pointer + offset)) << offset.x() << ", " << offset.y();
  }
  // ... or moved with the mouse.
  ASSERT_TRUE(QTest::qWaitFor([&] { return explorer.ShowsCurrentPicture(); }, 20000));
  const QImage before = Shown(explorer);
  explorer.PanBy(QPointF(40, -25));
  const QRect inside = explorer.rect().adjusted(50, 50, -50, -50);
  EXPECT_EQ(Shown(explorer).copy(inside.translated(40, -25)), before.copy(inside));

  // The quick picture draws the small names as strokes; once the chart
  // rests, the full one only for the last of several moves.
  ASSERT_TRUE(QTest::qWaitFor([&] { return explorer.ShowsCurrentPicture(); }, 20000));
  if (!explorer.ShowsFullPicture()) {
    EXPECT_EQ(Shown(explorer), DrawnAlone(explorer, FanViewRenderer::Detail::Moving));
  }
  for (int i = 0; i < 5; ++i) explorer.PanBy(QPointF(-30, 12));
  explorer.ZoomBy(1.3, PixelOf(explorer, 150));
  ASSERT_TRUE(WaitForFullPicture(explorer));
  const QImage full = Shown(explorer);
  EXPECT_EQ(full, DrawnAlone(explorer, FanViewRenderer::Detail::Full));
  EXPECT_NE(full, DrawnAlone(explorer, FanViewRenderer::Detail::Moving));

  // The marks of the ancestor under the pointer come in the next picture;
  // until then the picture of the same view is kept.
  const int32_t place = PlaceInSight(explorer);
  ASSERT_NE(place, 0);
  // (sent, not simulated: the pointer may already be there for the platform)
  const QPoint at = PixelOf(explorer, place);
  QMouseEvent move(QEvent::MouseMove, at, explorer.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&explorer, &move);
  ASSERT_EQ(explorer.hovered(), place);
  EXPECT_EQ(Shown(explorer), full);
  ASSERT_TRUE(WaitForFullPicture(explorer));
  EXPECT_EQ(Shown(explorer), DrawnAlone(explorer, FanViewRenderer::Detail::Full));
  EXPECT_NE(Shown(explorer), full);

  // A window closed while its picture is drawn goes away quietly.
  explorer.ZoomBy(1.5, PixelOf(explorer, 150));
  window.RepetesCBEI->setChecked(true);
}

// On a screen of two device pixels per window pixel the picture is drawn
// twice as fine, each place where it is in the window.
TEST_F(PictureWindowTest, PicturesAreDrawnAtTheScreensPixelRatio) {
  std::mutex mutex;
  std::condition_variable drawn;
  std::vector<FanPicture> pictures;
  FanPictureThread thread([&](const FanPicture& picture) {
    std::lock_guard<std::mutex> lock(mutex);
    pictures.push_back(picture);
    drawn.notify_one();
  });
  const int generations = 6;
  auto content = std::make_shared<const FanViewContent>(LoadFanViewContent(fixture.session, generations));
  const FanLayout layout = FanViewLayout(generations, "Ancêtres de Charles");
  const FanViewport view = PanFanView(ZoomFanView(FitFanView(generations, 500, 300), generations, 1.7, 200, 120), 30, -20);
  const int32_t place = 13;
  const std::vector<FanFill> fills{{place, RgbColour(0x33, 0x99, 0xCC)}};
  for (double ratio : {1.0, 2.0}) {
    // One after the other: a request waiting would be replaced by the next.
    thread.Request({layout, view, ratio, content, fills, FanViewRenderer::Detail::Full, 1});
    std::unique_lock<std::mutex> lock(mutex);
    const std::size_t count = ratio == 1.0 ? 1 : 2;
    ASSERT_TRUE(drawn.wait_for(lock, std::chrono::seconds(20), [&] { return pictures.size() == count; }));
  }
  const QRgb blue = qRgb(0x33, 0x99, 0xCC);
  const QImage& coarse = pictures[0].image;
  const QImage& fine = pictures[1].image;
  for (const FanPicture& picture : pictures) {
    const double ratio = picture.image.devicePixelRatio();
    EXPECT_EQ(picture.image.size(), QSize(static_cast<int>(view.width * ratio), static_cast<int>(view.height * ratio)));
    EXPECT_EQ(picture.image.deviceIndependentSize(), QSizeF(view.width, view.height));
    EXPECT_EQ(picture.view.zoom, view.zoom);
  }
  // The place's inside, in the coarse picture, is the same in the fine one.
  int inside = 0, fineBlue = 0;
  for (int y = 1; y + 1 < coarse.height(); ++y) {
    for (int x = 1; x + 1 < coarse.width(); ++x) {
      bool all = true;
      for (int dy = -1; dy <= 1 && all; ++dy) {
        for (int dx = -1; dx <= 1 && all; ++dx) all = (coarse.pixel(x + dx, y + dy) & 0xFFFFFF) == (blue & 0xFFFFFF);
      }
      if (!all) continue;
      ++inside;
      EXPECT_EQ(fine.pixel(2 * x, 2 * y) & 0xFFFFFF, blue & 0xFFFFFF) << x << ", " << y;
    }
  }
  EXPECT_GT(inside, 200);
  for (int y = 0; y < fine.height(); ++y) {
    for (int x = 0; x < fine.width(); ++x) fineBlue += (fine.pixel(x, y) & 0xFFFFFF) == (blue & 0xFFFFFF);
  }
  EXPECT_GT(fineBlue, inside * 3);  // four times the pixels, less the finer lines and texts
}

TEST_F(PictureWindowTest, TheChartWindowSavesAndPrintsWhatItShows) {
  PrinterChoice printer(QString::fromStdString(fixture.folder.path().string()));
  printer.printer().setOutputFormat(QPrinter::PdfFormat);
  printer.printer().setOutputFileName(QString::fromStdString((fixture.folder / "chart.pdf").string()));
  printer.SetSetupDialog([](QPrinter&, QWidget*) { return true; });
  TGraphF window(fixture.session, printer);
  window.ShowChart();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_EQ(window.view()->chart().generations.size(), fixture.session.ancestryFigures.generations.size());
  EXPECT_EQ(window.view()->chart().probantName, fixture.session.probantName);

  QString asked;
  window.chooseFile = [&](const QString&, const QString&, const QString&) {
    return QString::fromStdString((fixture.folder / asked.toStdString()).string());
  };
  asked = "graphique";  // no extension: the one of the button is added
  window.SvgBtnGFClick();
  QFile svg(QString::fromStdString((fixture.folder / "graphique.svg").string()));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  QXmlStreamReader reader(&svg);
  while (!reader.atEnd()) reader.readNext();
  EXPECT_FALSE(reader.hasError());
  asked = "graphique.png";
  window.PngBtnGFClick();
  EXPECT_EQ(QImage(QString::fromStdString((fixture.folder / "graphique.png").string())).size(), TGraphF::kPictureSize);
  asked = "absent/graphique.png";
  window.PngBtnGFClick();
  EXPECT_EQ(fixture.ui.messages.size(), 1u);

  window.ImprimerBtnGFClick();
  EXPECT_EQ(testing::PdfPageCount((fixture.folder / "chart-graphique.pdf").string()), 1);

  // A new analysis is shown when the window is told of it.
  Analyse(52);
  window.Refresh();
  EXPECT_EQ(window.view()->chart().probantName, fixture.session.probantName);
}

}  // namespace
}  // namespace quenor
