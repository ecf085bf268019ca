#pragma once
// The explored fan chart drawn into an image of the window's size, the
// image and its painter kept from one repaint to the next, so that fonts
// and the texts shaped with them are made once.
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "fanchart/fan_view.h"

namespace quenor {

class QPainterCanvas;

class FanViewRenderer {
 public:
  FanViewRenderer();
  ~FanViewRenderer();

  // How names are drawn: every one that can be read on the screen, or, while
  // the user zooms and moves the chart, only the larger ones, the others as
  // strokes, for a quicker repaint.
  enum class Detail { Full, Moving };

  // Draws the view on white and returns the image, view.width x view.height.
  const QImage& Render(FanLayout& layout, const FanViewport& view, const FanViewContent& content,
                       const std::vector<FanFill>& fills, Detail detail = Detail::Full);
  const QImage& image() const { return image_; }

 private:
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<QPainterCanvas> canvas_;
};

}  // namespace quenor
