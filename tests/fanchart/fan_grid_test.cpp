// The grid: how many separators and circles each number of generations
// draws, their pens, the doubled last ring and the clipping of the preview.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "fanchart/fan_geometry.h"
#include "fanchart/fan_grid.h"
#include "tests/fanchart/fan_test_support.h"

namespace quenor::testing {
namespace {

struct GridCounts {
  int separatorPieces = 0;
  std::map<int, int> separatorsByWidth;  // pen width -> pieces
  std::map<int, int> chordsByRadius;     // radius in hundredths -> chords
  std::map<int, int> penOfRadius;        // radius in hundredths -> pen width
  int baseLines = 0;
};

// Sorts the recorded lines: chords have both ends at one radius, separators
// run along a ray, the base line lies at y = -0.02.
GridCounts CountGrid(const FanLayout& layout, const RecordingCanvas& canvas) {
  GridCounts counts;
  for (const RecordedLine& line : canvas.lines) {
    const double r1 = RadiusOf(layout, line.x1, line.y1), r2 = RadiusOf(layout, line.x2, line.y2);
    const double y1 = line.y1 / double(layout.unitsPerInch) + layout.pageRect.yMin;
    if (std::fabs(y1 + 0.02) < 0.002 && line.y1 == line.y2 && std::abs(line.x2 - line.x1) > 600) {
      ++counts.baseLines;
    } else if (std::fabs(r1 - r2) < 0.01) {
      const int key = static_cast<int>(std::lround(r1 * 100));
      ++counts.chordsByRadius[key];
      counts.penOfRadius[key] = line.pen.width;
    } else {
      ++counts.separatorPieces;
      ++counts.separatorsByWidth[line.pen.width];
    }
  }
  return counts;
}

GridCounts DrawWholeGrid(int generations, FanLayout* out = nullptr) {
  FanLayout layout = WholeChartLayout(generations);
  RecordingCanvas canvas;
  DrawFanGrid(canvas, layout);
  if (out) *out = layout;
  return CountGrid(layout, canvas);
}

TEST(FanGrid, RingCountsFollowTheGenerations) {
  EXPECT_EQ(RingCountFor(4), 3);
  EXPECT_EQ(RingCountFor(6), 5);
  EXPECT_EQ(RingCountFor(11), 10);
  EXPECT_EQ(RingCountFor(12), 12);
}

TEST(FanGrid, FourGenerationsDrawThreeRingsAndThreeSeparators) {
  FanLayout layout;
  const GridCounts grid = DrawWholeGrid(4, &layout);
  // separators at pi/2 (boundary 1), pi/4 and 3pi/4 (boundary 2), five pieces each
  EXPECT_EQ(grid.separatorPieces, 15);
  EXPECT_EQ(grid.separatorsByWidth.at(12), 5);   // trunc(5 * 0.004 * 600)
  EXPECT_EQ(grid.separatorsByWidth.at(9), 10);   // trunc(4 * 0.004 * 600)
  EXPECT_EQ(grid.chordsByRadius.size(), 3u);
  EXPECT_EQ(grid.chordsByRadius.at(250), 1024);
  EXPECT_EQ(grid.chordsByRadius.at(500), 1024);
  EXPECT_EQ(grid.chordsByRadius.at(753), 1024);  // outer circle at 7.53
  EXPECT_EQ(grid.penOfRadius.at(753), 18);       // w = 3: trunc(3 * 0.01 * 600)
  EXPECT_EQ(grid.baseLines, 1);
}

TEST(FanGrid, SixGenerationsDrawFiveRingsWithTheOuterOneThickest) {
  const GridCounts grid = DrawWholeGrid(6);
  EXPECT_EQ(grid.separatorPieces, 5 * (1 + 2 + 4 + 8));
  EXPECT_EQ(grid.chordsByRadius.size(), 5u);
  EXPECT_EQ(grid.chordsByRadius.count(1253), 1u);
  EXPECT_EQ(grid.penOfRadius.at(1253), 30);  // w = 5
}

TEST(FanGrid, ElevenGenerationsSeparateUpToTheNinthBoundary) {
  const GridCounts grid = DrawWholeGrid(11);
  EXPECT_EQ(grid.separatorPieces, 5 * 511);  // 2^9 - 1 separators
  EXPECT_EQ(grid.chordsByRadius.size(), 10u);
  EXPECT_EQ(grid.chordsByRadius.count(2503), 1u);
  EXPECT_EQ(grid.penOfRadius.at(2503), 24);  // w = 4 beyond five rings
}

TEST(FanGrid, TwelveGenerationsDoubleTheLastRing) {
  const GridCounts grid = DrawWholeGrid(12);
  EXPECT_EQ(grid.separatorPieces, 5 * 1023);  // boundaries 1 to 10 only
  EXPECT_EQ(grid.chordsByRadius.size(), 11u);
  EXPECT_EQ(grid.chordsByRadius.count(2750), 0u);  // no circle at 27.5
  EXPECT_EQ(grid.chordsByRadius.count(2500), 1u);
  EXPECT_EQ(grid.chordsByRadius.count(3003), 1u);
  EXPECT_EQ(grid.penOfRadius.at(3003), 24);
}

TEST(FanGrid, SeparatorsStartAtTheirBoundaryAndReachTheOuterEdge) {
  FanLayout layout = WholeChartLayout(4);
  RecordingCanvas canvas;
  DrawFanGrid(canvas, layout);
  std::set<int> anglesInDegrees;
  for (const RecordedLine& line : canvas.lines) {
    if (line.pen.width != 12 && line.pen.width != 9) continue;
    anglesInDegrees.insert(static_cast<int>(std::lround(AngleOf(layout, line.x2, line.y2) * 180 / M_PI)));
  }
  EXPECT_EQ(anglesInDegrees, (std::set<int>{45, 90, 135}));
  // the first piece of the separator at pi/2 starts at radius 2.5, the last ends at 7.51
  const RecordedLine& first = canvas.lines.front();
  EXPECT_NEAR(RadiusOf(layout, first.x1, first.y1), 2.5, 0.003);
  const RecordedLine& fifth = canvas.lines[4];
  EXPECT_NEAR(RadiusOf(layout, fifth.x2, fifth.y2), 7.51, 0.003);
}

TEST(FanGrid, PensAreRestoredAfterTheGrid) {
  FanLayout layout = WholeChartLayout(6);
  RecordingCanvas canvas;
  const CanvasPen before = canvas.Pen();
  DrawFanGrid(canvas, layout);
  EXPECT_EQ(canvas.Pen(), before);
}

TEST(FanGrid, OnlyVisibleChordsAndPiecesAreDrawn) {
  FanLayout whole = WholeChartLayout(6);
  FanLayout right = whole;
  right.clipRect = {5.0f, 20.0f, -2.0f, 20.0f};  // the right part only
  RecordingCanvas all, part;
  DrawFanGrid(all, whole);
  DrawFanGrid(part, right);
  EXPECT_LT(part.lines.size(), all.lines.size() / 2);
  for (const RecordedLine& line : part.lines) {
    const double x1 = line.x1 / 600.0 + right.pageRect.xMin;
    const double x2 = line.x2 / 600.0 + right.pageRect.xMin;
    EXPECT_FALSE(x1 < 5.0 - 0.001 && x2 < 5.0 - 0.001) << x1 << " " << x2;
  }
  // the base line is cut at the clip edge
  bool baseLineFound = false;
  for (const RecordedLine& line : part.lines) {
    if (line.y1 == line.y2 && line.x1 == static_cast<int>((5.0f - right.pageRect.xMin) * 600)) baseLineFound = true;
  }
  EXPECT_TRUE(baseLineFound);
}

TEST(FanGrid, NothingOfTheBaseLineWhenTheClipLiesBeyondTheFan) {
  FanLayout layout = WholeChartLayout(4);
  layout.clipRect = {20.0f, 30.0f, -2.0f, 5.0f};
  RecordingCanvas canvas;
  DrawFanGrid(canvas, layout);
  EXPECT_TRUE(canvas.lines.empty());
}

}  // namespace
}  // namespace quenor::testing
