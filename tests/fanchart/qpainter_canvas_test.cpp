// The canvas on a QPainter: the faces it substitutes, the isotropic y-up
// mapping, the direction of rotated texts, cell heights, and the fan chart
// written as PDF pages and as SVG.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <string>
#include <vector>

#include "fanchart/fan_pages.h"
#include "platform/qt/fan_chart_files.h"
#include "platform/qt/qpainter_canvas.h"
#include "tests/fanchart/fan_test_support.h"
#include "tests/support/session_fixture.h"

namespace quenor::testing {
namespace {

// The program's own main makes the application the canvas needs.
class QPainterCanvasTest : public ::testing::Test {};

// The bounding box of the dark pixels of an image.
QRect InkOf(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
  return ink;
}

QImage WhiteImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// A 100 x 100 logical page on a 200 x 200 image, y up.
void MapUpright(Canvas& canvas) {
  canvas.SetWindowExtent(100, 100);
  canvas.SetViewportExtent(200, -200);
  canvas.SetViewportOrigin(0, 200);
}

// The lengths of the dark runs along row y.
std::vector<int> DarkRunsOf(const QImage& image, int y) {
  std::vector<int> runs;
  int run = 0;
  for (int x = 0; x < image.width(); ++x) {
    if (qGray(image.pixel(x, y)) < 128) {
      ++run;
    } else if (run > 0) {
      runs.push_back(run);
      run = 0;
    }
  }
  if (run > 0) runs.push_back(run);
  return runs;
}

TEST_F(QPainterCanvasTest, DashesKeepTheirLengthOnPaperWhateverTheResolution) {
  // A dashed line 2,000 pixels long, at 96 and at 1200 dots an inch: the
  // dashes of the printer are as long in inches as those of the screen.
  for (const int dpi : {96, 1200}) {
    QImage image = WhiteImage(2000, 20);
    const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing, false);
      QPainterCanvas canvas(painter);
      canvas.SetWindowExtent(2000, 20);
      canvas.SetViewportExtent(2000, 20);
      canvas.SelectPen(CanvasPen{PenStyle::Dash, 1, 0});
      canvas.DrawLine(0, 10, 2000, 10);
    }
    const std::vector<int> runs = DarkRunsOf(image, 10);
    ASSERT_GE(runs.size(), 3u) << dpi << " dpi";
    const double dashInches = static_cast<double>(runs[1]) / dpi;
    EXPECT_NEAR(dashInches, 4.0 / 96, 1.5 / 96) << dpi << " dpi, dashes of " << runs[1] << " pixels";
  }
}

TEST_F(QPainterCanvasTest, ProgramFacesAreFoundOnThisSystem) {
  InstallFontSubstitutions();
  EXPECT_EQ(QFontInfo(QFont("Times New Roman")).family(), "Liberation Serif");
  EXPECT_TRUE(QFontInfo(QFont("GothicE")).family().startsWith("Blankenburg"));
}

TEST_F(QPainterCanvasTest, TheMappingPutsTheLogicalOriginBottomLeft) {
  QImage image = WhiteImage(200, 200);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    MapUpright(canvas);
    canvas.SelectPen(CanvasPen{PenStyle::Solid, 2, 0});
    canvas.DrawLine(10, 10, 90, 10);  // near the bottom
  }
  const QRect ink = InkOf(image);
  EXPECT_GE(ink.top(), 175);
  EXPECT_LE(ink.left(), 22);
  EXPECT_GE(ink.right(), 178);
  EXPECT_LE(ink.height(), 8);  // a pen of 2 logical units is 4 pixels wide
}

TEST_F(QPainterCanvasTest, EscapementTurnsTheBaseLineAsTheChartExpects) {
  const auto draw = [](int escapement) {
    QImage image = WhiteImage(200, 200);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    MapUpright(canvas);
    canvas.SetTextAlignment(TextAlignment::BaselineCentre);
    FontDescription font;
    font.height = 12;
    font.escapement = font.orientation = escapement;
    canvas.SelectFont(font);
    canvas.DrawText(50, 50, "MMMMMMMMM");
    painter.end();
    return InkOf(image);
  };
  const QRect flat = draw(0);
  EXPECT_GT(flat.width(), 3 * flat.height());
  EXPECT_LT(flat.bottom(), 100);  // letters stand above the base line through the centre
  // minus 90 degrees: the base line points up the page, letters lean left of it
  const QRect up = draw(-900);
  EXPECT_GT(up.height(), 3 * up.width());
  EXPECT_LT(up.left(), 100);
  EXPECT_LE(up.right(), 102);
  // plus 90 degrees: the base line points down, letters stand right of it
  const QRect down = draw(900);
  EXPECT_GT(down.height(), 3 * down.width());
  EXPECT_GE(down.left(), 98);
}

TEST_F(QPainterCanvasTest, HeightsAreCellHeightsAndWidthsFollowThem) {
  QImage image = WhiteImage(10, 10);
  QPainter painter(&image);
  QPainterCanvas canvas(painter);
  MapUpright(canvas);
  FontDescription font;
  font.height = 100;
  canvas.SelectFont(font);
  const int wide = canvas.TextWidth("Ascendance");
  font.height = 50;
  canvas.SelectFont(font);
  const int narrow = canvas.TextWidth("Ascendance");
  EXPECT_NEAR(wide, 2 * narrow, 2);
  // a cell of 100 holds an em of about 89 for this face: "M" is about 0.89 * 89 wide
  font.height = 100;
  canvas.SelectFont(font);
  EXPECT_NEAR(canvas.TextWidth("M"), 79, 4);
}

int CountPdfPages(const std::string& pdf) {
  int pages = 0;
  for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
    pages += pdf.compare(at, 12, "/Type /Pages") != 0;
  return pages;
}

TEST_F(QPainterCanvasTest, TheChartAsTiledPdfPagesAndAsSvg) {
  SessionFixture fixture;
  ASSERT_TRUE(fixture.LoadData("royal92.ged"));
  ASSERT_TRUE(AnalyseProbant(fixture, 115));
  fixture.session.fan.generationCount = 6;
  fixture.session.fan.probantLine = "Ancêtres de William";
  ASSERT_TRUE(WriteFanChartPdfPages(fixture.session, (fixture.folder / "pages.pdf").string(), QSizeF(8.5, 11.0)));
  EXPECT_EQ(fixture.session.fan.pagesAcross, 3);
  EXPECT_EQ(fixture.session.fan.pagesDown, 2);
  EXPECT_EQ(CountPdfPages(fixture.Report("pages.pdf")), 6);
  ASSERT_TRUE(WriteFanChartPdfPoster(fixture.session, (fixture.folder / "poster.pdf").string()));
  EXPECT_EQ(CountPdfPages(fixture.Report("poster.pdf")), 1);
  ASSERT_TRUE(WriteFanChartSvg(fixture.session, (fixture.folder / "chart.svg").string()));
  const std::string svg = fixture.Report("chart.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("Mountbatten"), std::string::npos);  // texts stay texts
  EXPECT_FALSE(WriteFanChartSvg(fixture.session, (fixture.folder / "absent" / "chart.svg").string()));
}

}  // namespace
}  // namespace quenor::testing
