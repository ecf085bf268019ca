#pragma once
// The completeness and implex chart: per generation, the completeness of the
// ancestry as a bar, the implex of the generation and the cumulative implex
// as two lines of points, in percent, with the probant's name and the date
// of the analysis in the title. Drawn on a canvas in logical units whose y
// axis points down, the chart filling width x height.
#include <string>
#include <vector>

#include "ancestry/ancestry_figures.h"
#include "platform/canvas.h"

namespace quenor {

struct CompletenessChartData {
  std::string probantName;  // format 0, Windows-1252
  std::string runDate;      // "%04d-%02d-%02d"
  std::vector<GenerationFigures> generations;  // 1 to G, as the analysis measured them
};

// The figures of an analysis, for its chart.
CompletenessChartData CompletenessChartOf(const AncestryFigures& figures, const std::string& probantName,
                                          const std::string& runDate);

// The logical height of every chart; its logical width follows the shape of
// the device.
inline constexpr int kChartHeight = 10000;

// Where things lie in a chart of `width` x `height` logical units showing
// `generations` generations.
class CompletenessChartLayout {
 public:
  CompletenessChartLayout(int width, int height, int generations);

  int PlotLeft() const { return left_; }
  int PlotRight() const { return right_; }
  int PlotTop() const { return top_; }
  int PlotBottom() const { return bottom_; }
  // The y of a percentage (0 at the bottom of the plot, 100 at its top).
  int YOf(double percent) const;
  // The middle of generation g's column (g from 1).
  int XOf(int generation) const;
  int ColumnWidth() const { return column_; }
  int BarWidth() const { return column_ * 3 / 5; }

 private:
  int left_, right_, top_, bottom_;
  int column_;
};

// The colours of the three series.
inline constexpr CanvasColour kCompletenessColour = RgbColour(150, 190, 230);      // light blue
inline constexpr CanvasColour kImplexColour = RgbColour(200, 40, 40);              // red
inline constexpr CanvasColour kCumulativeImplexColour = RgbColour(120, 60, 160);   // purple

// Draws the chart on `canvas`, whose mapping is already set.
void DrawCompletenessChart(Canvas& canvas, const CompletenessChartData& data, int width, int height);

// Maps a device of deviceWidth x deviceHeight pixels (y down) onto a chart of
// kChartHeight logical units high and draws it there.
void DrawCompletenessChartOnDevice(Canvas& canvas, const CompletenessChartData& data, int deviceWidth,
                                   int deviceHeight);

}  // namespace quenor
