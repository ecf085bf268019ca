#pragma once
// The canvas on a QPainter: the screen, the printer, PDF and SVG files. The
// painter's own transformation is the device; the canvas keeps the
// isotropic logical-to-device mapping itself.
#include <QFont>
#include <QPen>
#include <array>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QList>
#include <QTransform>
#include <optional>
#include <QHash>
#include <unordered_map>
#include <QPainter>
#include <QPolygonF>
#include <QString>

#include "platform/canvas.h"
#include "platform/isotropic_mapping.h"

namespace quenor {

// Maps the faces the program asks for to faces found on this system:
// "Times New Roman" and "Arial" to their metric twins, "GothicE" to a
// blackletter face.
void InstallFontSubstitutions();

class QPainterCanvas : public Canvas {
 public:
  explicit QPainterCanvas(QPainter& painter);
  ~QPainterCanvas() override;

  // Changing the scale changes the device width of the selected pen.
  void SetWindowExtent(int cx, int cy) override;
  void SetWindowOrigin(int x, int y) override { mapping_.SetWindowOrigin(x, y); }
  void SetViewportExtent(int cx, int cy) override;
  void SetViewportOrigin(int x, int y) override { mapping_.SetViewportOrigin(x, y); }
  CanvasPoint WindowExtent() const override { return mapping_.WindowExtent(); }
  CanvasPoint ViewportExtent() const override { return mapping_.ViewportExtent(); }
  CanvasPoint DeviceToLogical(CanvasPoint device) const override { return mapping_.DeviceToLogical(device); }

  CanvasPen SelectPen(const CanvasPen& pen) override;
  FontDescription SelectFont(const FontDescription& font) override;
  void SetTextAlignment(TextAlignment alignment) override { alignment_ = alignment; }
  void SetTransparentBackground(bool transparent) override;

  int TextWidth(const std::string& text) override;
  void DrawText(int x, int y, const std::string& text) override;
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void DrawArc(int left, int top, int right, int bottom, CanvasPoint start, CanvasPoint end) override;
  void DrawRectangle(int left, int top, int right, int bottom) override;
  void FillPolygon(const std::vector<CanvasPoint>& points, CanvasColour fill) override;

  // Texts whose cell would be less than `pixels` high on the device are
  // drawn as a grey stroke of their length (0, the default: every text is
  // drawn). A chart seen whole on the screen is not read; it is explored.
  void SetLegibleTextPixels(double pixels) { legiblePixels_ = pixels; }

  // Lines (and the strokes of small texts), and fills of one colour, kept
  // and handed to the painter together, until anything else is drawn, the
  // pen or the colour changes or Flush() is called: much quicker for the
  // thousands of short lines and boxes of a chart seen whole. The caller
  // flushes before using the painter itself.
  void SetLineBatching(bool on);
  void Flush();

 private:
  QPointF ToDevice(double x, double y) const { return {mapping_.DeviceX(x), mapping_.DeviceY(y)}; }
  // The selected font at its size in logical units.
  const QFont& LogicalFont();
  const QFontMetricsF& Metrics();

  void ApplyPen();

  QPainter& painter_;
  QTransform base_;  // the device
  QRectF visible_;   // the device's surface; null when unknown
  bool glyphRuns_ = true;  // texts drawn from their shaped glyphs
  IsotropicMapping mapping_;
  CanvasPen pen_;
  FontDescription font_;
  struct SizedFont {
    QFont font;
    QFontMetricsF metrics{QFont()};
  };
  QHash<QString, SizedFont> fonts_;    // by face, height and style
  QString fontKey_;                    // of the selected font
  SizedFont* selected_ = nullptr;      // fonts_[fontKey_] while qfontValid_
  bool qfontValid_ = false;
  struct RecentFont {
    FontDescription description;
    QString key;
    std::string keyBytes;
  };
  std::array<RecentFont, 4> recentFonts_;
  std::size_t nextRecent_ = 0;
  static bool SameQtFont(const FontDescription& a, const FontDescription& b);
  QPen textStroke_;
  bool batchLines_ = false;
  QList<QLineF> pendingLines_;    // in the selected pen
  QList<QLineF> pendingStrokes_;  // in the text stroke's pen
  QList<QPolygonF> pendingFills_;  // in pendingFill_
  CanvasColour pendingFill_ = 0;
  void FlushLines();
  void FlushFills();
  struct ShapedText {
    double advance = 0.0;
    double ascent = 0.0;
    QList<QGlyphRun> runs;
  };
  // A Windows-1252 text shaped once with a font, measured and drawn from
  // then on: each text is measured before it is drawn, page after page.
  const ShapedText& Shaped(const std::string& text);
  void DrawTextStroke(const QTransform& place, QPointF at, const ShapedText& shaped);
  const QPen& StrokePen();
  std::unordered_map<std::string, ShapedText> shapes_;  // by font and text
  std::string shapeKey_;      // the key looked up last, its buffer reused
  std::string fontKeyBytes_;  // fontKey_ as bytes
  QHash<QString, double> emPerCell_;  // by face, weight and slant
  TextAlignment alignment_ = TextAlignment::TopLeft;
  double legiblePixels_ = 0.0;
};

}  // namespace quenor
