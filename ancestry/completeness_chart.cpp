#include "ancestry/completeness_chart.h"

#include <algorithm>
#include <cstdio>

#include "gedcom/record_fields.h"
#include "platform/cp1252.h"

namespace quenor {
namespace {

using namespace literals;

// Sizes in logical units of a chart kChartHeight high.
constexpr int kTitleHeight = 420;
constexpr int kLabelHeight = 250;
constexpr int kSmallHeight = 210;
constexpr int kMarginLeft = 1350;
constexpr int kMarginRight = 450;
constexpr int kMarginTop = 1500;
constexpr int kMarginBottom = 2300;
constexpr int kAxisPen = 18;
constexpr int kSeriesPen = 36;
constexpr int kMarker = 75;  // half the size of a point's mark
constexpr CanvasColour kBlack = 0x000000;
constexpr CanvasColour kGridColour = RgbColour(215, 215, 215);
constexpr const char* kFace = "Arial";

FontDescription ChartFont(int height, bool bold = false, int escapement = 0) {
  FontDescription font;
  font.height = height;
  font.weight = bold ? 700 : 400;
  font.escapement = font.orientation = escapement;
  font.face = kFace;
  return font;
}

void Text(Canvas& canvas, const FontDescription& font, int x, int y, const std::string& text) {
  const FontDescription previous = canvas.SelectFont(font);
  canvas.DrawText(x, y, text);
  canvas.SelectFont(previous);
}

int Width(Canvas& canvas, const FontDescription& font, const std::string& text) {
  const FontDescription previous = canvas.SelectFont(font);
  const int width = canvas.TextWidth(text);
  canvas.SelectFont(previous);
  return width;
}

void Line(Canvas& canvas, const CanvasPen& pen, int x1, int y1, int x2, int y2) {
  const CanvasPen previous = canvas.SelectPen(pen);
  canvas.DrawLine(x1, y1, x2, y2);
  canvas.SelectPen(previous);
}

void Box(Canvas& canvas, int left, int top, int right, int bottom, CanvasColour fill) {
  canvas.FillPolygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, fill);
}

void Diamond(Canvas& canvas, int x, int y, CanvasColour fill) {
  canvas.FillPolygon({{x, y - kMarker}, {x + kMarker, y}, {x, y + kMarker}, {x - kMarker, y}}, fill);
}

void Square(Canvas& canvas, int x, int y, CanvasColour fill) {
  const int half = kMarker * 4 / 5;
  Box(canvas, x - half, y - half, x + half, y + half, fill);
}

// "87,5" : one decimal, with the French comma.
std::string FrenchDecimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  std::string result = text;
  std::replace(result.begin(), result.end(), '.', ',');
  return result;
}

void DrawTitle(Canvas& canvas, const CompletenessChartData& data, int width) {
  canvas.SetTextAlignment(TextAlignment::BaselineCentre);
  const std::string title =
      "Complétude et implexe de l'ascendance "_ansi + DeOrDApostrophe(data.probantName) + data.probantName;
  FontDescription font = ChartFont(kTitleHeight, true);
  // A long name is drawn smaller rather than cut.
  const int room = width - 400;
  const int wide = Width(canvas, font, title);
  if (wide > room) font.height = std::max(1, font.height * room / wide);
  Text(canvas, font, width / 2, 650, title);
  const int last = static_cast<int>(data.generations.size());
  std::string subtitle = "Analyse du "_ansi + data.runDate;
  if (last > 0) subtitle += " — générations 1 à "_ansi + std::to_string(last);
  Text(canvas, ChartFont(kLabelHeight), width / 2, 1080, subtitle);
}

void DrawAxes(Canvas& canvas, const CompletenessChartLayout& layout, int generations) {
  canvas.SetTextAlignment(TextAlignment::BaselineCentre);
  const CanvasPen grid{PenStyle::Solid, 0, kGridColour};
  const CanvasPen axis{PenStyle::Solid, kAxisPen, kBlack};
  const FontDescription labels = ChartFont(kLabelHeight);
  for (int percent = 0; percent <= 100; percent += 10) {
    const int y = layout.YOf(percent);
    if (percent > 0) Line(canvas, grid, layout.PlotLeft(), y, layout.PlotRight(), y);
    Line(canvas, axis, layout.PlotLeft() - 60, y, layout.PlotLeft(), y);
    Text(canvas, labels, layout.PlotLeft() - 330, y + kLabelHeight / 3, std::to_string(percent) + " %");
  }
  Line(canvas, axis, layout.PlotLeft(), layout.PlotTop(), layout.PlotLeft(), layout.PlotBottom());
  Line(canvas, axis, layout.PlotLeft(), layout.PlotBottom(), layout.PlotRight(), layout.PlotBottom());
  for (int g = 1; g <= generations; ++g) {
    Text(canvas, labels, layout.XOf(g), layout.PlotBottom() + 330, std::to_string(g));
  }
  const int middleX = (layout.PlotLeft() + layout.PlotRight()) / 2;
  Text(canvas, ChartFont(kLabelHeight, true), middleX, layout.PlotBottom() + 720, "Génération"_ansi);
  const int middleY = (layout.PlotTop() + layout.PlotBottom()) / 2;
  Text(canvas, ChartFont(kLabelHeight, true, 900), layout.PlotLeft() - 900, middleY, "Pourcentage");
}

void DrawBars(Canvas& canvas, const CompletenessChartLayout& layout, const CompletenessChartData& data) {
  canvas.SetTextAlignment(TextAlignment::BaselineCentre);
  const FontDescription values = ChartFont(kSmallHeight);
  const int half = layout.BarWidth() / 2;
  for (const GenerationFigures& row : data.generations) {
    const double percent = CompletenessPercent(row);
    const int x = layout.XOf(row.generation), top = layout.YOf(percent);
    if (top < layout.PlotBottom()) Box(canvas, x - half, top, x + half, layout.PlotBottom(), kCompletenessColour);
    const std::string value = FrenchDecimal(percent);
    // The value over its bar, when the column is wide enough for it.
    if (Width(canvas, values, value) <= layout.ColumnWidth() - 40) Text(canvas, values, x, top - 60, value);
  }
}

// A series of points joined by lines; generations without a named entry
// have no implex and break the line.
void DrawSeries(Canvas& canvas, const CompletenessChartLayout& layout, const CompletenessChartData& data,
                double (*percentOf)(const GenerationFigures&), const CanvasPen& pen, bool squares) {
  bool previous = false;
  int px = 0, py = 0;
  for (const GenerationFigures& row : data.generations) {
    if (row.known == 0) {
      previous = false;
      continue;
    }
    const int x = layout.XOf(row.generation), y = layout.YOf(percentOf(row));
    if (previous) Line(canvas, pen, px, py, x, y);
    previous = true;
    px = x, py = y;
  }
  for (const GenerationFigures& row : data.generations) {
    if (row.known == 0) continue;
    const int x = layout.XOf(row.generation), y = layout.YOf(percentOf(row));
    if (squares) Square(canvas, x, y, pen.colour);
    else Diamond(canvas, x, y, pen.colour);
  }
}

void DrawLegend(Canvas& canvas, const CompletenessChartLayout& layout) {
  canvas.SetTextAlignment(TextAlignment::BaselineCentre);
  const FontDescription font = ChartFont(kLabelHeight);
  const struct {
    std::string label;
    int kind;  // 0 bar, 1 line with diamonds, 2 dashed line with squares
  } entries[] = {{"Complétude (connus / attendus)"_ansi, 0},
                 {"Implexe de la génération"_ansi, 1},
                 {"Implexe cumulatif"_ansi, 2}};
  int total = 0;
  for (const auto& entry : entries) total += 500 + Width(canvas, font, entry.label) + 500;
  int x = (layout.PlotLeft() + layout.PlotRight() - total) / 2;
  const int y = layout.PlotBottom() + 1350;
  for (const auto& entry : entries) {
    if (entry.kind == 0) {
      Box(canvas, x, y - 250, x + 380, y + 30, kCompletenessColour);
    } else {
      const CanvasColour colour = entry.kind == 1 ? kImplexColour : kCumulativeImplexColour;
      const PenStyle style = entry.kind == 1 ? PenStyle::Solid : PenStyle::Dash;
      Line(canvas, CanvasPen{style, kSeriesPen, colour}, x, y - 110, x + 380, y - 110);
      if (entry.kind == 1) Diamond(canvas, x + 190, y - 110, colour);
      else Square(canvas, x + 190, y - 110, colour);
    }
    const int width = Width(canvas, font, entry.label);
    Text(canvas, font, x + 500 + width / 2, y, entry.label);
    x += 500 + width + 500;
  }
}

}  // namespace

CompletenessChartData CompletenessChartOf(const AncestryFigures& figures, const std::string& probantName,
                                          const std::string& runDate) {
  return CompletenessChartData{probantName, runDate, figures.generations};
}

CompletenessChartLayout::CompletenessChartLayout(int width, int height, int generations) {
  const double scale = static_cast<double>(height) / kChartHeight;
  left_ = static_cast<int>(kMarginLeft * scale);
  right_ = std::max(left_ + 1, width - static_cast<int>(kMarginRight * scale));
  top_ = static_cast<int>(kMarginTop * scale);
  bottom_ = std::max(top_ + 1, height - static_cast<int>(kMarginBottom * scale));
  column_ = std::max(1, (right_ - left_) / std::max(1, generations));
}

int CompletenessChartLayout::YOf(double percent) const {
  return bottom_ - static_cast<int>(percent / 100.0 * (bottom_ - top_) + 0.5);
}

int CompletenessChartLayout::XOf(int generation) const { return left_ + column_ * (generation - 1) + column_ / 2; }

void DrawCompletenessChart(Canvas& canvas, const CompletenessChartData& data, int width, int height) {
  const int generations = std::max(1, static_cast<int>(data.generations.size()));
  const CompletenessChartLayout layout(width, height, generations);
  canvas.SetTransparentBackground(true);
  DrawTitle(canvas, data, width);
  DrawAxes(canvas, layout, static_cast<int>(data.generations.size()));
  DrawBars(canvas, layout, data);
  DrawSeries(canvas, layout, data, &CumulativeImplexPercent,
             CanvasPen{PenStyle::Dash, kSeriesPen, kCumulativeImplexColour}, true);
  DrawSeries(canvas, layout, data, &ImplexPercent, CanvasPen{PenStyle::Solid, kSeriesPen, kImplexColour}, false);
  DrawLegend(canvas, layout);
  if (data.generations.empty()) {
    canvas.SetTextAlignment(TextAlignment::BaselineCentre);
    Text(canvas, ChartFont(kLabelHeight), (layout.PlotLeft() + layout.PlotRight()) / 2,
         (layout.PlotTop() + layout.PlotBottom()) / 2, "Aucun ascendant connu");
  }
}

void DrawCompletenessChartOnDevice(Canvas& canvas, const CompletenessChartData& data, int deviceWidth,
                                   int deviceHeight) {
  deviceWidth = std::max(1, deviceWidth);
  deviceHeight = std::max(1, deviceHeight);
  const int width = static_cast<int>(static_cast<long long>(kChartHeight) * deviceWidth / deviceHeight);
  canvas.SetWindowOrigin(0, 0);
  canvas.SetWindowExtent(std::max(1, width), kChartHeight);
  canvas.SetViewportExtent(deviceWidth, deviceHeight);
  canvas.SetViewportOrigin(0, 0);
  DrawCompletenessChart(canvas, data, std::max(1, width), kChartHeight);
}

}  // namespace quenor
