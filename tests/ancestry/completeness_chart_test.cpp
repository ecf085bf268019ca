// The completeness and implex chart: its bars and points show the figures
// that Stat.TXT prints for the same analysis, its title names the probant
// and the date, and it stays sound without figures or with a generation
// left empty.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

#include "ancestry/ancestry_analysis.h"
#include "ancestry/completeness_chart.h"
#include "platform/cp1252.h"
#include "platform/recording_canvas.h"
#include "tests/support/royal_file_test.h"

namespace quenor::testing {
namespace {

using namespace literals;

constexpr int32_t kElizabeth = 52;
constexpr int32_t kCharles = 58;

struct StatRow {
  double completeness = 0, implex = 0, cumulative = 0;
};

// The generation rows of Stat.TXT, by generation: "%6d    " then four
// counts of ten, then three percentages of ten after a blank each.
std::map<int, StatRow> StatRows(const std::string& report) {
  std::map<int, StatRow> rows;
  std::istringstream lines(report);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.size() < 85 || line[63] != '%' || line[74] != '%' || line[85] != '%') continue;
    const int generation = std::atoi(line.substr(0, 6).c_str());
    if (generation <= 0) continue;
    rows[generation] = {std::atof(line.substr(54, 9).c_str()), std::atof(line.substr(65, 9).c_str()),
                        std::atof(line.substr(76, 9).c_str())};
  }
  return rows;
}

struct ChartReading {
  std::map<int, double> bars, implex, cumulative;  // by generation, percent
};

int CentreX(const RecordedPolygon& p) {
  int low = p.points[0].x, high = low;
  for (const CanvasPoint& point : p.points) low = std::min(low, point.x), high = std::max(high, point.x);
  return (low + high) / 2;
}
int CentreY(const RecordedPolygon& p) {
  int low = p.points[0].y, high = low;
  for (const CanvasPoint& point : p.points) low = std::min(low, point.y), high = std::max(high, point.y);
  return (low + high) / 2;
}

// What the recorded chart shows, read back from its shapes alone.
ChartReading Read(const RecordingCanvas& canvas, const CompletenessChartLayout& layout) {
  ChartReading reading;
  const double plot = layout.PlotBottom() - layout.PlotTop();
  const auto generationAt = [&](int x) { return (x - layout.PlotLeft()) / layout.ColumnWidth() + 1; };
  const auto percentAt = [&](int y) { return (layout.PlotBottom() - y) / plot * 100.0; };
  for (const RecordedPolygon& p : canvas.polygons) {
    const int x = CentreX(p), y = CentreY(p);
    if (x < layout.PlotLeft() || x > layout.PlotRight() || y > layout.PlotBottom()) continue;  // the legend
    if (p.fill == kCompletenessColour) {
      int top = p.points[0].y;
      for (const CanvasPoint& point : p.points) top = std::min(top, point.y);
      reading.bars[generationAt(x)] = percentAt(top);
    } else if (p.fill == kImplexColour) {
      reading.implex[generationAt(x)] = percentAt(y);
    } else if (p.fill == kCumulativeImplexColour) {
      reading.cumulative[generationAt(x)] = percentAt(y);
    }
  }
  return reading;
}

class RoyalChartTest : public RoyalFileTest {};

TEST_P(RoyalChartTest, BarsAndPointsShowTheFiguresOfTheStatistics) {
  Session& session = fixture_->session;
  session.selectionMode = 1;
  session.chosenLine = std::to_string(GetParam());
  ASSERT_EQ(AnalyseAncestry(session), AncestryOutcome::Analysed);
  const std::map<int, StatRow> rows = StatRows(fixture_->Report("Stat.TXT"));
  ASSERT_GE(rows.size(), 10u);

  for (const auto& [width, height] : {std::pair{1600, 1000}, std::pair{800, 800}, std::pair{3000, 1200}}) {
    RecordingCanvas canvas;
    const CompletenessChartData data =
        CompletenessChartOf(session.ancestryFigures, session.probantName, session.runDate);
    DrawCompletenessChartOnDevice(canvas, data, width, height);
    const int logicalWidth = canvas.WindowExtent().x;
    const CompletenessChartLayout layout(logicalWidth, kChartHeight, static_cast<int>(rows.size()));
    const ChartReading reading = Read(canvas, layout);
    // One logical unit of the plot, and the report's rounding to 0.01.
    const double tolerance = 100.0 / (layout.PlotBottom() - layout.PlotTop()) + 0.006;
    for (const auto& [generation, row] : rows) {
      if (row.completeness > 0) {
        ASSERT_TRUE(reading.bars.count(generation)) << generation;
        EXPECT_NEAR(reading.bars.at(generation), row.completeness, tolerance) << generation;
      }
      ASSERT_TRUE(reading.implex.count(generation)) << generation;
      EXPECT_NEAR(reading.implex.at(generation), row.implex, tolerance) << generation;
      ASSERT_TRUE(reading.cumulative.count(generation)) << generation;
      EXPECT_NEAR(reading.cumulative.at(generation), row.cumulative, tolerance) << generation;
    }
    EXPECT_EQ(reading.implex.size(), rows.size());
    EXPECT_EQ(reading.cumulative.size(), rows.size());
  }
}

INSTANTIATE_TEST_SUITE_P(ElizabethAndCharles, RoyalChartTest, ::testing::Values(kElizabeth, kCharles));

bool HasText(const RecordingCanvas& canvas, const std::string& part) {
  for (const RecordedText& text : canvas.texts)
    if (text.text.find(part) != std::string::npos) return true;
  return false;
}

GenerationFigures Row(int generation, int32_t known, int32_t distinct, int32_t entries, int32_t allDistinct) {
  GenerationFigures row;
  row.generation = generation;
  row.expected = int32_t{1} << (generation - 1);
  row.known = known;
  row.distinct = distinct;
  row.cumulativeEntries = entries;
  row.cumulativeDistinct = allDistinct;
  return row;
}

TEST(CompletenessChart, TitleNamesTheProbantWithTheRightElisionAndTheDate) {
  CompletenessChartData data{"Anne Dupont", "2024-03-15", {Row(1, 1, 1, 1, 1), Row(2, 2, 2, 3, 3)}};
  RecordingCanvas canvas;
  DrawCompletenessChartOnDevice(canvas, data, 1200, 800);
  EXPECT_TRUE(HasText(canvas, "Complétude et implexe de l'ascendance d'Anne Dupont"_ansi));
  EXPECT_TRUE(HasText(canvas, "Analyse du 2024-03-15"));
  EXPECT_TRUE(HasText(canvas, "100 %"));
  EXPECT_TRUE(HasText(canvas, "Génération"_ansi));
  data.probantName = "Yves Martin";
  RecordingCanvas other;
  DrawCompletenessChartOnDevice(other, data, 1200, 800);
  EXPECT_TRUE(HasText(other, "l'ascendance de Yves Martin"));
}

TEST(CompletenessChart, AGenerationWithoutANamedAncestorBreaksTheImplexLines) {
  // Generation 3 has no named entry: a bar of 0, no points, no line across it.
  CompletenessChartData data{"Paul Durand", "2024-03-15",
                             {Row(1, 1, 1, 1, 1), Row(2, 2, 2, 3, 3), Row(3, 0, 0, 3, 3), Row(4, 8, 6, 11, 9)}};
  RecordingCanvas canvas;
  DrawCompletenessChartOnDevice(canvas, data, 1600, 1000);
  const CompletenessChartLayout layout(canvas.WindowExtent().x, kChartHeight, 4);
  const ChartReading reading = Read(canvas, layout);
  EXPECT_EQ(reading.implex.count(3), 0u);
  EXPECT_EQ(reading.cumulative.count(3), 0u);
  EXPECT_NEAR(reading.implex.at(4), 25.0, 0.1);
  EXPECT_NEAR(reading.bars.at(4), 100.0, 0.1);
  for (const RecordedLine& line : canvas.lines) {
    if (line.pen.colour != kImplexColour) continue;
    EXPECT_FALSE(line.x1 < layout.XOf(3) && line.x2 > layout.XOf(3)) << "a line crosses the empty generation";
  }
}

TEST(CompletenessChart, WithoutFiguresOnlyTheFrameAndAWordAreDrawn) {
  CompletenessChartData data{"Paul Durand", "2024-03-15", {}};
  RecordingCanvas canvas;
  DrawCompletenessChartOnDevice(canvas, data, 0, 0);  // a window not yet shown
  EXPECT_TRUE(HasText(canvas, "Aucun ascendant connu"));
  for (const RecordedPolygon& polygon : canvas.polygons) EXPECT_EQ(polygon.points.size(), 4u);
}

}  // namespace
}  // namespace quenor::testing
