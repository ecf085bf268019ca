#pragma once
// The fan chart on screen, to be explored: which part of the drawing a
// window of W x H pixels shows at what zoom, the mapping of the canvas for
// it, the ancestor under a pixel, and the chart drawn there with the same
// code as the printed one, from content read once.
#include <cstdint>
#include <string>
#include <vector>

#include "fanchart/ancestor_line.h"
#include "fanchart/fan_fills.h"
#include "fanchart/fan_frame.h"
#include "fanchart/fan_layout.h"
#include "platform/canvas.h"
#include "platform/isotropic_mapping.h"

namespace quenor {

class Session;

struct FanViewport {
  double centreX = 0.0;  // the drawing point at the middle of the window
  double centreY = 0.0;
  double zoom = 1.0;     // window pixels per drawing unit
  int width = 1;         // the window, pixels
  int height = 1;
};

struct DrawingPoint {
  double x = 0.0;
  double y = 0.0;
};

// The logical units per drawing unit of the view: the finest zoom shows one
// logical unit per pixel.
inline constexpr int kFanViewUnitsPerInch = 600;

// The whole drawing of a chart of `generations`: the rings, the side titles
// over them and the texts under them.
FanRect ChartBoundsOf(int generations, float ringWidth = 2.5f);

// The whole chart in a window of width x height pixels, centred.
FanViewport FitFanView(int generations, int width, int height);
// Zoomed by `factor` about the pixel (px, py), which keeps its drawing point;
// the zoom stays between a quarter of the fitting one and one logical unit
// per pixel.
FanViewport ZoomFanView(const FanViewport& view, int generations, double factor, double px, double py);
// Moved by (dx, dy) pixels: the drawing follows the mouse.
FanViewport PanFanView(const FanViewport& view, double dx, double dy);
// The same view in a window of a new size, its middle kept.
FanViewport ResizeFanView(const FanViewport& view, int width, int height);

// Where a picture of the view `from` goes in the window of the view `to`:
// its pixel (x, y) at (x * scale + dx, y * scale + dy). The window shows the
// last picture drawn so, until the picture of its own view is drawn.
struct FanViewShift {
  double scale = 1.0;
  double dx = 0.0;
  double dy = 0.0;
};
FanViewShift ShiftBetween(const FanViewport& from, const FanViewport& to);

// The canvas mapping of the view and the page and clip rectangles of
// `layout` for it (the clip being the window).
void MapFanView(Canvas& canvas, FanLayout& layout, const FanViewport& view);
// The mapping MapFanView gives the canvas.
IsotropicMapping MappingOfFanView(const FanViewport& view);

// The drawing point under the pixel (px, py), as the canvas maps it.
DrawingPoint DrawingPointAt(const FanViewport& view, double px, double py);
// The Stradonitz number of the place under the pixel, 0 when none.
int32_t NumberAtPixel(const FanViewport& view, int generations, double px, double py);

// What the view draws, read once for a probant: the person lines of the
// ancestry list, the occupants of each place, the statistics of the frame.
struct FanViewContent {
  std::vector<AncestorLine> lines;
  std::vector<int32_t> occupants;  // individual by Stradonitz number, 0 to 2^generations - 1
  FanFrameFacts facts;
};

// The person lines of the ancestry list at `listPath` that a chart of
// `generations` shows, in order; none when the list cannot be read.
std::vector<AncestorLine> ReadFanPersonLines(const std::string& listPath, int generations);

// Reads the content of the session's probant for a chart of `generations`.
FanViewContent LoadFanViewContent(Session& session, int generations);

// The settings of the view's chart: `generations`, the probant line, no
// note, numbered from 1, drawn as the screen preview (without codes).
FanLayout FanViewLayout(int generations, const std::string& probantLine);

// Draws the view: the fills, then the grid, the frame texts and the persons
// as the printed chart draws them, only those that reach the window.
void DrawFanView(Canvas& canvas, FanLayout& layout, const FanViewport& view, const FanViewContent& content,
                 const std::vector<FanFill>& fills);
// The same on a canvas already mapped by MapFanView, what lies outside the
// clip rectangle of `layout` left out.
void DrawMappedFanView(Canvas& canvas, FanLayout& layout, const FanViewContent& content,
                       const std::vector<FanFill>& fills);

}  // namespace quenor
