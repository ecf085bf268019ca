#pragma once
// The organigram drawn with a QPainter: texts centred on their x and hanging
// from their y on a transparent background, lines with the current pen.
#include <QFont>
#include <QPainter>

#include "kinship/organigram_painting.h"

namespace quenor {

class QPainterOrganigramSurface : public OrganigramSurface {
 public:
  QPainterOrganigramSurface(QPainter& painter, QFont titleFont, QFont nameFont);

  void Text(int x, int y, const std::string& text, OrganigramFont font) override;
  void Line(int x1, int y1, int x2, int y2) override;
  int NameWidth(const std::string& text, double factor) override;
  void ScaleNames(double factor) override;

  // Width of a text in the title font, device pixels.
  int TitleWidth(const std::string& text) const;
  void SetTitleFont(const QFont& font) { titleFont_ = font; }
  const QFont& TitleFont() const { return titleFont_; }

 private:
  QPainter& painter_;
  QFont titleFont_;
  const QFont baseNameFont_;
  QFont nameFont_;
};

// A font of the given face whose characters are `height` device pixels high
// (the height is given negative, as a character height).
QFont OrganigramFontOf(const QString& face, int height);

// The font made `factor` times its size, one pixel at the least.
QFont ScaledFont(const QFont& font, double factor);

// The widths of names in `nameFont` on `device`, for fitting them before
// anything is drawn.
NameWidth NameWidthOn(const QFont& nameFont, const QPaintDevice* device);

}  // namespace quenor
