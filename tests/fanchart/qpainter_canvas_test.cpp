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

// Fills, then lines over them, a pen change, a text and more fills: what a
// chart draws, in the order it draws it.
void DrawLayers(QPainterCanvas& canvas) {
  MapUpright(canvas);
  canvas.FillPolygon({{10, 10}, {90, 10}, {90, 90}, {10, 90}}, RgbColour(160, 200, 228));
  canvas.FillPolygon({{20, 20}, {40, 20}, {40, 40}}, RgbColour(160, 200, 228));
  canvas.FillPolygon({{50, 50}, {80, 50}, {80, 80}}, RgbColour(244, 180, 196));
  canvas.SelectPen(CanvasPen{PenStyle::Solid, 1, 0});
  for (int x = 0; x < 100; x += 7) canvas.DrawLine(x, 0, x, 100);
  canvas.SelectPen(CanvasPen{PenStyle::Solid, 2, 0x0000FF});
  canvas.DrawLine(0, 50, 100, 50);
  FontDescription font;
  font.height = 12;
  canvas.SelectFont(font);
  canvas.DrawText(20, 70, "Dupont");
  canvas.FillPolygon({{60, 0}, {100, 0}, {100, 30}}, RgbColour(255, 214, 64));
  canvas.DrawLine(100, 0, 0, 100);
}

TEST_F(QPainterCanvasTest, BatchedDrawingPaintsWhatDrawingOneByOnePaints) {
  QImage single = WhiteImage(200, 200), batched = WhiteImage(200, 200);
  {
    QPainter painter(&single);
    QPainterCanvas canvas(painter);
    DrawLayers(canvas);
  }
  {
    QPainter painter(&batched);
    QPainterCanvas canvas(painter);
    canvas.SetLineBatching(true);
    DrawLayers(canvas);
    canvas.Flush();
  }
  EXPECT_EQ(single, batched);
  EXPECT_EQ(single.pixel(2 * 11, 200 - 2 * 15), qRgb(160, 200, 228));  // a fill
  EXPECT_LT(qGray(single.pixel(2 * 14, 200 - 2 * 15)), 128);           // a line drawn over it
}

TEST_F(QPainterCanvasTest, TextsTooSmallToReadAreDrawnAsAGreyStroke) {
  QImage image = WhiteImage(400, 100);
  {
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.SetWindowExtent(4000, 1000);  // ten logical units a pixel
    canvas.SetViewportExtent(400, 100);
    canvas.SetLegibleTextPixels(6.0);
    canvas.SetTextAlignment(TextAlignment::BaselineCentre);
    FontDescription font;
    font.height = 40;  // four pixels: a stroke
    canvas.SelectFont(font);
    canvas.DrawText(1000, 500, "Marie Anne Durand");
    font.height = 200;  // twenty pixels: the letters
    canvas.SelectFont(font);
    canvas.DrawText(3000, 700, "Jean");
  }
  int darkLeft = 0, greyLeft = 0, darkRight = 0;
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 400; ++x) {
      const int gray = qGray(image.pixel(x, y));
      if (x < 200) darkLeft += gray < 100, greyLeft += gray >= 100 && gray < 230;
      else darkRight += gray < 100;
    }
  }
  EXPECT_EQ(darkLeft, 0);
  EXPECT_GT(greyLeft, 20);   // the stroke, as long as the name
  EXPECT_GT(darkRight, 30);  // the name that can be read
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
