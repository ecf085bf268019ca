#include "platform/qt/qpainter_canvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPaintEngine>
#include <QPen>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <mutex>

#include "platform/cp1252.h"
#include "platform/qt/dash_pattern.h"

namespace quenor {
namespace {

// Font heights are asked as cell heights; fonts are sized by their em.
constexpr double kReferenceSize = 1000.0;

QString FromCp1252(const std::string& text) { return QString::fromStdString(Utf8FromCp1252(text)); }

QColor ColourOf(CanvasColour colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Qt::PenStyle PenStyleOf(PenStyle style) {
  switch (style) {
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    default: return Qt::SolidLine;
  }
}

QFont BaseFont(const FontDescription& font) {
  QFont qfont(QString::fromStdString(Utf8FromCp1252(font.face)));
  qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight == 0 ? 400 : font.weight, 1, 1000)));
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  qfont.setStrikeOut(font.strikeOut);
  qfont.setKerning(false);
  qfont.setHintingPreference(QFont::PreferNoHinting);
  qfont.setStyleStrategy(QFont::PreferOutline);
  return qfont;
}

}  // namespace

void InstallFontSubstitutions() {
  static std::once_flag once;
  std::call_once(once, [] {
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "Tinos", "DejaVu Serif"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("GothicE", {"Blankenburg_UNZ1A", "Blankenburg", "UnifrakturMaguntia",
                                           "Liberation Serif"});
  });
}

QPainterCanvas::QPainterCanvas(QPainter& painter) : painter_(painter), base_(painter.worldTransform()) {
  // SVG keeps texts as texts only when they are drawn as such.
  glyphRuns_ = painter_.paintEngine() && painter_.paintEngine()->type() != QPaintEngine::SVG;
  // The device's surface in the painter's coordinates, when it is known.
  if (painter_.device() && base_.isInvertible()) {
    const QRectF device(0, 0, painter_.device()->width(), painter_.device()->height());
    visible_ = base_.inverted().mapRect(device);
  }
  InstallFontSubstitutions();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  ApplyPen();
}

QPainterCanvas::~QPainterCanvas() { Flush(); }

void QPainterCanvas::SetLineBatching(bool on) {
  Flush();
  batchLines_ = on;
}

void QPainterCanvas::Flush() {
  FlushFills();
  FlushLines();
}

void QPainterCanvas::FlushFills() {
  if (pendingFills_.isEmpty()) return;
  const bool antialiased = painter_.testRenderHint(QPainter::Antialiasing);
  // Neighbouring fills meet without a seam of lighter pixels between them.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  const QPen pen = painter_.pen();
  const QBrush brush = painter_.brush();
  painter_.setPen(Qt::NoPen);
  painter_.setBrush(ColourOf(pendingFill_));
  for (const QPolygonF& polygon : pendingFills_) painter_.drawPolygon(polygon);
  painter_.setBrush(brush);
  painter_.setPen(pen);
  painter_.setRenderHint(QPainter::Antialiasing, antialiased);
  pendingFills_.clear();
}

void QPainterCanvas::FlushLines() {
  if (!pendingLines_.isEmpty()) {
    painter_.drawLines(pendingLines_);
    pendingLines_.clear();
  }
  if (!pendingStrokes_.isEmpty()) {
    const QPen pen = painter_.pen();
    painter_.setPen(StrokePen());
    painter_.drawLines(pendingStrokes_);
    painter_.setPen(pen);
    pendingStrokes_.clear();
  }
}

const QPen& QPainterCanvas::StrokePen() {
  if (textStroke_.color() != QColor(170, 170, 170)) {
    textStroke_ = QPen(QColor(170, 170, 170));
    textStroke_.setWidthF(0.0);
    textStroke_.setCosmetic(true);
  }
  return textStroke_;
}

void QPainterCanvas::SetWindowExtent(int cx, int cy) {
  mapping_.SetWindowExtent(cx, cy);
  ApplyPen();
}

void QPainterCanvas::SetViewportExtent(int cx, int cy) {
  mapping_.SetViewportExtent(cx, cy);
  ApplyPen();
}

CanvasPen QPainterCanvas::SelectPen(const CanvasPen& pen) {
  const CanvasPen previous = pen_;
  pen_ = pen;
  ApplyPen();
  return previous;
}

void QPainterCanvas::ApplyPen() {
  Flush();
  const double width = pen_.width * std::fabs(mapping_.ScaleX());
  QPen pen(ColourOf(pen_.colour));
  pen.setStyle(PenStyleOf(pen_.style));
  pen.setWidthF(width < 1.0 ? 0.0 : width);  // 0: one device pixel
  pen.setCapStyle(Qt::FlatCap);
  if (pen_.style != PenStyle::Solid) {
    pen.setDashPattern(DashPatternFor(painter_.device(), pen_.style == PenStyle::Dot, width));
  }
  painter_.setPen(pen);
}

// The rotation is applied when drawing; it does not change the Qt font.
bool QPainterCanvas::SameQtFont(const FontDescription& a, const FontDescription& b) {
  return a.height == b.height && a.weight == b.weight && a.italic == b.italic && a.underline == b.underline &&
         a.strikeOut == b.strikeOut && a.face == b.face;
}

FontDescription QPainterCanvas::SelectFont(const FontDescription& font) {
  const FontDescription previous = font_;
  if (!SameQtFont(font, font_)) qfontValid_ = false;
  font_ = font;
  return previous;
}

void QPainterCanvas::SetTransparentBackground(bool transparent) {
  painter_.setBackgroundMode(transparent ? Qt::TransparentMode : Qt::OpaqueMode);
}

const QFont& QPainterCanvas::LogicalFont() {
  if (qfontValid_) return selected_->font;
  // Texts are measured and drawn with a font, then the previous one is put
  // back: the keys of the last few fonts are kept.
  for (const RecentFont& recent : recentFonts_) {
    if (recent.key.isEmpty() || !SameQtFont(recent.description, font_)) continue;
    fontKey_ = recent.key;
    fontKeyBytes_ = recent.keyBytes;
    selected_ = &fonts_[fontKey_];
    qfontValid_ = true;
    return selected_->font;
  }
  fontKey_ = QString::fromStdString(font_.face) + '|' + QString::number(font_.height) + '|' +
             QString::number(font_.weight) + (font_.italic ? "i" : "") + (font_.underline ? "u" : "") +
             (font_.strikeOut ? "s" : "");
  auto cached = fonts_.find(fontKey_);
  if (cached == fonts_.end()) {
    QFont qfont = BaseFont(font_);
    const QString faceKey = qfont.family() + QString::number(qfont.weight()) + (font_.italic ? "i" : "");
    auto ratio = emPerCell_.find(faceKey);
    if (ratio == emPerCell_.end()) {
      QFont reference = qfont;
      reference.setPixelSize(static_cast<int>(kReferenceSize));
      const QFontMetricsF metrics(reference);
      const double cell = metrics.ascent() + metrics.descent();
      ratio = emPerCell_.insert(faceKey, cell > 0 ? kReferenceSize / cell : 1.0);
    }
    const double em = font_.height >= 0 ? font_.height * ratio.value() : -font_.height;
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
    cached = fonts_.insert(fontKey_, SizedFont{qfont, QFontMetricsF(qfont)});
  }
  qfontValid_ = true;
  selected_ = &cached.value();
  fontKeyBytes_ = fontKey_.toStdString();
  recentFonts_[nextRecent_] = RecentFont{font_, fontKey_, fontKeyBytes_};
  nextRecent_ = (nextRecent_ + 1) % recentFonts_.size();
  return selected_->font;
}

const QFontMetricsF& QPainterCanvas::Metrics() {
  LogicalFont();
  return selected_->metrics;
}

const QPainterCanvas::ShapedText& QPainterCanvas::Shaped(const std::string& text) {
  const QFont& font = LogicalFont();
  shapeKey_.assign(fontKeyBytes_);
  shapeKey_ += '\x1F';
  shapeKey_ += text;
  auto shaped = shapes_.find(shapeKey_);
  if (shaped == shapes_.end()) {
    QTextLayout layout(FromCp1252(text), font);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    ShapedText result;
    if (line.isValid()) {
      result.advance = line.horizontalAdvance();
      result.ascent = line.ascent();
      result.runs = layout.glyphRuns();
    }
    shaped = shapes_.emplace(shapeKey_, std::move(result)).first;
  }
  return shaped->second;
}

int QPainterCanvas::TextWidth(const std::string& text) {
  return static_cast<int>(std::lround(Shaped(text).advance));
}

void QPainterCanvas::DrawText(int x, int y, const std::string& text) {
  if (!batchLines_) Flush();
  const ShapedText& shaped = Shaped(text);
  // The base line's direction in logical units, then on the device.
  const double angle = -font_.escapement * M_PI / 1800.0;
  const double dx = std::cos(angle) * mapping_.ScaleX();
  const double dy = std::sin(angle) * mapping_.ScaleY();
  const double scale = std::fabs(mapping_.ScaleX());
  // A text that cannot reach the device is not handed to the painter.
  const QPointF anchor = ToDevice(x, y);
  const double reach = (shaped.advance + Metrics().height()) * scale;
  if (!visible_.isNull() && !visible_.adjusted(-reach, -reach, reach, reach).contains(anchor)) return;
  // The text's own coordinates to the painter's.
  QTransform local;
  local.translate(anchor.x(), anchor.y());
  local.rotate(std::atan2(dy, dx) * 180.0 / M_PI);
  local.scale(scale, scale);
  // Glyph positions are measured from the line's top left.
  const QPointF at = alignment_ == TextAlignment::BaselineCentre ? QPointF(-shaped.advance / 2.0, -shaped.ascent)
                                                                 : QPointF(0.0, 0.0);
  if (Metrics().height() * scale < legiblePixels_) {
    DrawTextStroke(local, at, shaped);
    return;
  }
  Flush();
  painter_.setWorldTransform(local * base_);
  if (glyphRuns_) {
    for (const QGlyphRun& run : shaped.runs) painter_.drawGlyphRun(at, run);
  } else {
    if (painter_.font() != LogicalFont()) painter_.setFont(LogicalFont());
    painter_.drawText(at + QPointF(0.0, shaped.ascent), FromCp1252(text));
  }
  painter_.setWorldTransform(base_);
}

void QPainterCanvas::DrawTextStroke(const QTransform& place, QPointF at, const ShapedText& shaped) {
  const double middle = at.y() + shaped.ascent * 0.65;
  const QLineF stroke = place.map(QLineF(QPointF(at.x(), middle), QPointF(at.x() + shaped.advance, middle)));
  FlushFills();
  if (batchLines_) {
    pendingStrokes_.append(stroke);
    return;
  }
  const QPen pen = painter_.pen();
  painter_.setPen(StrokePen());
  painter_.drawLine(stroke);
  painter_.setPen(pen);
}

void QPainterCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  const QPointF from = ToDevice(x1, y1), to = ToDevice(x2, y2);
  if (!visible_.isNull() && !visible_.intersects(QRectF(from, to).normalized().adjusted(-1, -1, 1, 1))) return;
  FlushFills();
  if (batchLines_) {
    pendingLines_.append(QLineF(from, to));
    return;
  }
  painter_.drawLine(from, to);
}

void QPainterCanvas::DrawArc(int left, int top, int right, int bottom, CanvasPoint start, CanvasPoint end) {
  const QPointF a = ToDevice(left, top), b = ToDevice(right, bottom);
  const QRectF rect = QRectF(a, b).normalized();
  const QPointF centre = rect.center();
  const QPointF from = ToDevice(start.x, start.y), to = ToDevice(end.x, end.y);
  // Counter-clockwise as seen on the device, whose y axis points down.
  const double startAngle = std::atan2(centre.y() - from.y(), from.x() - centre.x()) * 180.0 / M_PI;
  const double endAngle = std::atan2(centre.y() - to.y(), to.x() - centre.x()) * 180.0 / M_PI;
  double sweep = std::fmod(endAngle - startAngle + 720.0, 360.0);
  if (sweep == 0.0) sweep = 360.0;
  QPainterPath path;
  path.arcMoveTo(rect, startAngle);
  path.arcTo(rect, startAngle, sweep);
  Flush();
  painter_.save();
  painter_.setBrush(Qt::NoBrush);
  painter_.drawPath(path);
  painter_.restore();
}

void QPainterCanvas::DrawRectangle(int left, int top, int right, int bottom) {
  Flush();
  painter_.save();
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRectF(ToDevice(left, top), ToDevice(right, bottom)).normalized());
  painter_.restore();
}

void QPainterCanvas::FillPolygon(const std::vector<CanvasPoint>& points, CanvasColour fill) {
  if (points.size() < 3) return;
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const CanvasPoint& point : points) polygon.append(ToDevice(point.x, point.y));
  if (!visible_.isNull() && !visible_.intersects(polygon.boundingRect().adjusted(-1, -1, 1, 1))) return;
  FlushLines();
  if (!pendingFills_.isEmpty() && fill != pendingFill_) FlushFills();
  pendingFill_ = fill;
  pendingFills_.append(std::move(polygon));
  if (!batchLines_) FlushFills();
}

}  // namespace quenor
