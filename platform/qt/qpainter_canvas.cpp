#include "platform/qt/qpainter_canvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <mutex>

#include "platform/cp1252.h"

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
    QFont::insertSubstitutions("GothicE", {"Blankenburg_UNZ1A", "Blankenburg", "UnifrakturMaguntia",
                                           "Liberation Serif"});
  });
}

QPainterCanvas::QPainterCanvas(QPainter& painter) : painter_(painter) {
  InstallFontSubstitutions();
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  ApplyPen();
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
  const double width = pen_.width * std::fabs(mapping_.ScaleX());
  QPen pen(ColourOf(pen_.colour));
  pen.setStyle(PenStyleOf(pen_.style));
  pen.setWidthF(width < 1.0 ? 0.0 : width);  // 0: one device pixel
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
}

FontDescription QPainterCanvas::SelectFont(const FontDescription& font) {
  const FontDescription previous = font_;
  if (!(font == font_)) qfontValid_ = false;
  font_ = font;
  return previous;
}

void QPainterCanvas::SetTransparentBackground(bool transparent) {
  painter_.setBackgroundMode(transparent ? Qt::TransparentMode : Qt::OpaqueMode);
}

const QFont& QPainterCanvas::LogicalFont() {
  if (qfontValid_) return qfont_;
  qfont_ = BaseFont(font_);
  const QString key = qfont_.family() + QString::number(qfont_.weight()) + (font_.italic ? "i" : "");
  auto ratio = emPerCell_.find(key);
  if (ratio == emPerCell_.end()) {
    QFont reference = qfont_;
    reference.setPixelSize(static_cast<int>(kReferenceSize));
    const QFontMetricsF metrics(reference);
    const double cell = metrics.ascent() + metrics.descent();
    ratio = emPerCell_.insert(key, cell > 0 ? kReferenceSize / cell : 1.0);
  }
  const double em = font_.height >= 0 ? font_.height * ratio.value() : -font_.height;
  qfont_.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
  qfontValid_ = true;
  return qfont_;
}

int QPainterCanvas::TextWidth(const std::string& text) {
  return static_cast<int>(std::lround(QFontMetricsF(LogicalFont()).horizontalAdvance(FromCp1252(text))));
}

void QPainterCanvas::DrawText(int x, int y, const std::string& text) {
  const QFont& font = LogicalFont();
  const QString qtext = FromCp1252(text);
  // The base line's direction in logical units, then on the device.
  const double angle = -font_.escapement * M_PI / 1800.0;
  const double dx = std::cos(angle) * mapping_.ScaleX();
  const double dy = std::sin(angle) * mapping_.ScaleY();
  const double scale = std::fabs(mapping_.ScaleX());
  painter_.save();
  painter_.setFont(font);
  painter_.translate(ToDevice(x, y));
  painter_.rotate(std::atan2(dy, dx) * 180.0 / M_PI);
  painter_.scale(scale, scale);
  const QFontMetricsF metrics(font);
  QPointF at(0.0, metrics.ascent());
  if (alignment_ == TextAlignment::BaselineCentre) at = QPointF(-metrics.horizontalAdvance(qtext) / 2.0, 0.0);
  painter_.drawText(at, qtext);
  painter_.restore();
}

void QPainterCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  painter_.drawLine(ToDevice(x1, y1), ToDevice(x2, y2));
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
  painter_.save();
  painter_.setBrush(Qt::NoBrush);
  painter_.drawPath(path);
  painter_.restore();
}

void QPainterCanvas::DrawRectangle(int left, int top, int right, int bottom) {
  painter_.save();
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(QRectF(ToDevice(left, top), ToDevice(right, bottom)).normalized());
  painter_.restore();
}

}  // namespace quenor
