#include "kinship/window/qpainter_organigram_surface.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/cp1252.h"

namespace quenor {
namespace {

QString FromCp1252(const std::string& text) { return QString::fromStdString(Utf8FromCp1252(text)); }

}  // namespace

QFont OrganigramFontOf(const QString& face, int height) {
  QFont font(face);
  font.setPixelSize(std::max(1, std::abs(height)));
  return font;
}

QFont ScaledFont(const QFont& font, double factor) {
  QFont scaled(font);
  scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
  return scaled;
}

NameWidth NameWidthOn(const QFont& nameFont, const QPaintDevice* device) {
  return [nameFont, device](const std::string& text, double factor) {
    return QFontMetrics(ScaledFont(nameFont, factor), device).horizontalAdvance(FromCp1252(text));
  };
}

QPainterOrganigramSurface::QPainterOrganigramSurface(QPainter& painter, QFont titleFont,
                                                     QFont nameFont)
    : painter_(painter), titleFont_(std::move(titleFont)), baseNameFont_(nameFont), nameFont_(std::move(nameFont)) {
  painter_.setBackgroundMode(Qt::TransparentMode);
}

void QPainterOrganigramSurface::Text(int x, int y, const std::string& text, OrganigramFont font) {
  painter_.setFont(font == OrganigramFont::Title ? titleFont_ : nameFont_);
  QString shown = FromCp1252(text);
  QFontMetrics metrics(painter_.font(), painter_.device());
  int width = metrics.horizontalAdvance(shown);
  painter_.drawText(x - width / 2, y + metrics.ascent(), shown);
}

void QPainterOrganigramSurface::Line(int x1, int y1, int x2, int y2) {
  painter_.drawLine(x1, y1, x2, y2);
}

int QPainterOrganigramSurface::NameWidth(const std::string& text, double factor) {
  return NameWidthOn(baseNameFont_, painter_.device())(text, factor);
}

void QPainterOrganigramSurface::ScaleNames(double factor) { nameFont_ = ScaledFont(baseNameFont_, factor); }

int QPainterOrganigramSurface::TitleWidth(const std::string& text) const {
  QFontMetrics metrics(titleFont_, painter_.device());
  return metrics.horizontalAdvance(FromCp1252(text));
}

}  // namespace quenor
