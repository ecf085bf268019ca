#pragma once
// A two-dimensional drawing surface with an isotropic logical-to-device
// mapping, as the fan chart and the organigram draw on the screen, on the
// printer and into files. Coordinates are logical units (integers); texts are
// Windows-1252.
#include <cstdint>
#include <string>
#include <vector>

namespace quenor {

struct CanvasPoint {
  int x = 0;
  int y = 0;
};

enum class PenStyle { Solid = 0, Dash = 1, Dot = 2 };

// A colour in the 0x00BBGGRR order: 0xFF0000 is pure blue.
using CanvasColour = uint32_t;

// A colour given as red, green and blue.
constexpr CanvasColour RgbColour(uint32_t red, uint32_t green, uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}

struct CanvasPen {
  PenStyle style = PenStyle::Solid;
  int width = 1;  // logical units; 0 draws one device pixel
  CanvasColour colour = 0x000000;
  bool operator==(const CanvasPen&) const = default;
};

// The full description of a font. `height` is the cell height in logical
// units (a negative value gives the character height instead). Escapement
// and orientation are in tenths of a degree: the base line runs at minus
// that angle in the logical coordinates, which a y-up mapping shows turned
// counter-clockwise by the same angle.
struct FontDescription {
  int height = 0;
  int width = 0;
  int escapement = 0;
  int orientation = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charSet = 0;
  int outputPrecision = 0;
  int clipPrecision = 0;
  int quality = 0;
  int pitchAndFamily = 0;
  std::string face = "Times New Roman";
  bool operator==(const FontDescription&) const = default;
};

// Where the reference point of a text lies.
enum class TextAlignment { TopLeft, BaselineCentre };

class Canvas {
 public:
  virtual ~Canvas() = default;

  // --- mapping: device = (logical - window origin) * viewport extent /
  // window extent + viewport origin, the same scale on both axes ----------
  virtual void SetWindowExtent(int cx, int cy) = 0;
  virtual void SetWindowOrigin(int x, int y) = 0;
  // The viewport extent is cut on one axis to keep the scale isotropic.
  virtual void SetViewportExtent(int cx, int cy) = 0;
  virtual void SetViewportOrigin(int x, int y) = 0;
  virtual CanvasPoint WindowExtent() const = 0;
  virtual CanvasPoint ViewportExtent() const = 0;
  virtual CanvasPoint DeviceToLogical(CanvasPoint device) const = 0;

  // --- drawing state ---------------------------------------------------------
  // Each returns the previous value, so that the caller can put it back.
  virtual CanvasPen SelectPen(const CanvasPen& pen) = 0;
  virtual FontDescription SelectFont(const FontDescription& font) = 0;
  virtual void SetTextAlignment(TextAlignment alignment) = 0;
  virtual void SetTransparentBackground(bool transparent) = 0;

  // --- output ----------------------------------------------------------------
  // Width of `text` in logical units with the selected font.
  virtual int TextWidth(const std::string& text) = 0;
  virtual void DrawText(int x, int y, const std::string& text) = 0;
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
  // The arc of the ellipse inscribed in the rectangle, counter-clockwise (as
  // seen on the device) from the ray through `start` to the ray through `end`.
  virtual void DrawArc(int left, int top, int right, int bottom, CanvasPoint start, CanvasPoint end) = 0;
  virtual void DrawRectangle(int left, int top, int right, int bottom) = 0;
  // The inside of the polygon through `points` (closed from the last point
  // back to the first) painted in `fill`, without an outline.
  virtual void FillPolygon(const std::vector<CanvasPoint>& points, CanvasColour fill) = 0;
};

}  // namespace quenor
