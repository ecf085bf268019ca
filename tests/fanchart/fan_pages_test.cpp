// The tiling: size of the drawing, pages across and down, the rectangle of
// each page, the logical units, the printer and preview mappings and the
// joining marks.
#include <gtest/gtest.h>

#include <cmath>

#include "fanchart/fan_geometry.h"
#include "fanchart/fan_pages.h"
#include "fanchart/page_count.h"
#include "platform/isotropic_mapping.h"
#include "platform/recording_canvas.h"

namespace quenor::testing {
namespace {

FanLayout Tiled(int generations, double scale, double pageWidth, double pageHeight) {
  FanLayout layout;
  layout.generationCount = generations;
  layout.scale = static_cast<float>(scale);
  layout.pageWidth = pageWidth;
  layout.pageHeight = pageHeight;
  StartFanRun(layout);
  TileFanChart(layout, false);
  return layout;
}

TEST(FanPages, DefaultChartOnALetterPrinter) {
  const FanDrawingSize size = DrawingSizeOf(6, 1.0);
  EXPECT_NEAR(size.width, 25.08, 1e-9);
  EXPECT_NEAR(size.height, 13.58, 1e-9);
  const FanLayout layout = Tiled(6, 1.0, 8.0, 10.5);
  EXPECT_EQ(layout.pagesAcross, 4);
  EXPECT_EQ(layout.pagesDown, 2);
  EXPECT_EQ(layout.unitsPerInch, 600);
}

TEST(FanPages, TwelveAndElevenGenerations) {
  const FanDrawingSize twelve = DrawingSizeOf(12, 0.5);
  EXPECT_NEAR(twelve.width, 60.08 * 0.5, 1e-9);
  EXPECT_NEAR(twelve.height, 31.08 * 0.5, 1e-9);
  const FanDrawingSize eleven = DrawingSizeOf(11, 1.0);
  EXPECT_NEAR(eleven.width, 50.08, 1e-9);
}

TEST(FanPages, TheWholeDrawingOnOnePage) {
  FanLayout layout = Tiled(12, 2.0, 8.0, 10.5);
  TileFanChart(layout, true);
  EXPECT_EQ(layout.pagesAcross, 1);
  EXPECT_EQ(layout.pagesDown, 1);
  EXPECT_NEAR(layout.pageWidth, 120.16 + 1.0, 1e-4);
  EXPECT_EQ(UnitsPerInchFor(layout.pageWidth, layout.pageHeight), 300);
  EXPECT_EQ(UnitsPerInchFor(36.0, 10.0), 300);
  EXPECT_EQ(UnitsPerInchFor(8.5, 11.0), 600);
}

TEST(FanPages, OutOfRangeSettingsAreBroughtToTheirLimits) {
  FanLayout layout;
  layout.generationCount = 20;
  layout.scale = 0.1f;
  layout.firstStradonitz = -3;
  StartFanRun(layout);
  EXPECT_EQ(layout.generationCount, 12);
  EXPECT_EQ(layout.ringCount, 12);
  EXPECT_FLOAT_EQ(layout.scale, 0.3f);
  EXPECT_EQ(layout.firstStradonitz, 1);
  EXPECT_TRUE(layout.drawingActive);
  EXPECT_EQ(PagesNeeded(10.0, 0.04, 0.04), 1000);  // a page without room is no division by zero
}

TEST(FanPages, PagesToCoverAnEdge) {
  // 8-inch pages overlapping by 0.5: 7.5 inches of drawing a page.
  EXPECT_EQ(PagesToCover(7.5, 8.0, 0.5, 1000, 1000), 1);
  EXPECT_EQ(PagesToCover(7.6, 8.0, 0.5, 1000, 1000), 2);
  EXPECT_EQ(PagesToCover(0.0, 8.0, 0.5, 1000, 1000), 1);
  EXPECT_EQ(PagesToCover(1e9, 8.0, 0.5, 1000, 1000), 1000);
  EXPECT_EQ(PagesToCover(10.0, 0.5, 0.5, 1000, 7), 7);
  EXPECT_EQ(PagesToCover(std::nan(""), 8.0, 0.5, 1000, 1000), 1);
}

TEST(FanPages, OnePageIsCentredOnTheFan) {
  FanLayout layout = Tiled(6, 1.0, 30.0, 20.0);
  ASSERT_EQ(layout.pagesAcross, 1);
  ASSERT_EQ(layout.pagesDown, 1);
  const FanRect rect = PageRectOf(layout, 0, 0);
  EXPECT_FLOAT_EQ(rect.xMin, -(30.0f - 0.04f) / 2);
  EXPECT_FLOAT_EQ(rect.xMax, rect.xMin + 30.0f);
  // the band from -1 to the outer edge is centred vertically
  const float used = (20.0f - 0.04f);
  EXPECT_NEAR(rect.yMin, -((used - 12.5f) - 1.0f) * 0.5f - 1.0f, 1e-5);
}

TEST(FanPages, NeighbouringPagesOverlapByTheirMargin) {
  const FanLayout layout = Tiled(6, 2.0, 8.0, 10.5);
  const FanRect first = PageRectOf(layout, 0, 0);
  const FanRect second = PageRectOf(layout, 0, 1);
  const FanRect above = PageRectOf(layout, 1, 0);
  // half a scale-2 drawing unit per inch of paper: overlap of 0.04 / 2
  EXPECT_NEAR(first.xMax - second.xMin, 0.02, 1e-5);
  EXPECT_NEAR(first.yMax - above.yMin, 0.02, 1e-5);
  EXPECT_NEAR(first.xMax - first.xMin, 4.0, 1e-5);
}

TEST(FanPages, PagesAreNumberedFromTheBottomLeft) {
  const FanLayout layout = Tiled(6, 1.0, 8.0, 10.5);
  EXPECT_EQ(PageNumberOf(layout, 0, 0), 1);
  EXPECT_EQ(PageNumberOf(layout, 0, 3), 4);
  EXPECT_EQ(PageNumberOf(layout, 1, 0), 5);
  EXPECT_EQ(PageNumberOf(layout, 1, 3), 8);
  EXPECT_EQ(PageCountOf(layout), 8);
}

TEST(FanPages, JoiningMarksShowTheOverlappedEdges) {
  const FanLayout layout = Tiled(6, 1.0, 8.0, 10.5);
  RecordingCanvas first, second, fifth, sixth;
  DrawJoiningMarks(first, layout, 0, 0);
  DrawJoiningMarks(second, layout, 0, 1);
  DrawJoiningMarks(fifth, layout, 1, 0);
  DrawJoiningMarks(sixth, layout, 1, 1);
  EXPECT_TRUE(first.lines.empty());
  ASSERT_EQ(second.lines.size(), 1u);
  EXPECT_EQ(second.lines[0].x1, 2);
  EXPECT_EQ(second.lines[0].y2, static_cast<int>(600 * 10.5));
  EXPECT_EQ(second.lines[0].pen.style, PenStyle::Dash);
  ASSERT_EQ(fifth.lines.size(), 1u);
  EXPECT_EQ(fifth.lines[0].y1, 5);
  EXPECT_EQ(fifth.lines[0].x2, 600 * 8);
  EXPECT_EQ(sixth.lines.size(), 2u);
  EXPECT_EQ(sixth.Pen().style, PenStyle::Solid);
}

TEST(FanPages, PrintedPageMapsTheDrawingUpright) {
  FanLayout layout = Tiled(6, 1.0, 8.0, 10.5);
  RecordingCanvas canvas;
  MapPrintedPage(canvas, layout, 0, 1, 4800, 6300);
  const IsotropicMapping& mapping = canvas.Mapping();
  EXPECT_EQ(canvas.WindowExtent().x, 4800);
  EXPECT_EQ(canvas.WindowExtent().y, 6300);
  EXPECT_DOUBLE_EQ(mapping.DeviceX(0), 0.0);
  EXPECT_DOUBLE_EQ(mapping.DeviceY(0), 6300.0);  // logical y = 0 at the bottom
  EXPECT_DOUBLE_EQ(mapping.DeviceY(6300), 0.0);
  EXPECT_FLOAT_EQ(layout.clipRect.xMin, layout.pageRect.xMin);
  EXPECT_FLOAT_EQ(layout.pageRect.xMin, PageRectOf(layout, 0, 1).xMin);
}

TEST(FanPages, PreviewShowsTheWholePageInTheWindow) {
  FanLayout layout = Tiled(6, 1.0, 8.0, 10.5);
  RecordingCanvas canvas;
  MapPreviewPage(canvas, layout, 0, 0, 1000, 800);
  // the page fits the height: isotropic, y up
  EXPECT_LT(canvas.ViewportExtent().y, 0);
  EXPECT_EQ(-canvas.ViewportExtent().y, 760);
  EXPECT_LT(canvas.ViewportExtent().x, 990);
  // the clip rectangle holds the whole page and a little more across
  EXPECT_LE(layout.clipRect.xMin, layout.pageRect.xMin);
  EXPECT_GE(layout.clipRect.xMax, layout.pageRect.xMax);
  EXPECT_LE(layout.clipRect.yMin, layout.pageRect.yMin + 0.01f);
  EXPECT_GE(layout.clipRect.yMax, layout.pageRect.yMax - 0.01f);
}

TEST(IsotropicMappingTest, TheLargerScaleIsBroughtDown) {
  IsotropicMapping mapping;
  mapping.SetWindowExtent(1000, 1000);
  mapping.SetViewportExtent(500, -200);
  EXPECT_EQ(mapping.ViewportExtent().x, 200);
  EXPECT_EQ(mapping.ViewportExtent().y, -200);
  mapping.SetViewportOrigin(10, 300);
  const CanvasPoint logical = mapping.DeviceToLogical({110, 200});
  EXPECT_EQ(logical.x, 500);
  EXPECT_EQ(logical.y, 500);
}

}  // namespace
}  // namespace quenor::testing
