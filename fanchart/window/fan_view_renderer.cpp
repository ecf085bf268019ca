#include "fanchart/window/fan_view_renderer.h"

#include "platform/qt/qpainter_canvas.h"

namespace quenor {
namespace {

// Names smaller than this are not read but seen as strokes, until one zooms
// in; while the chart moves, the limit is higher.
constexpr double kLegibleTextPixels = 6.0;
constexpr double kMovingTextPixels = 11.0;

}  // namespace

FanViewRenderer::FanViewRenderer() = default;

FanViewRenderer::~FanViewRenderer() {
  canvas_.reset();
  if (painter_) painter_->end();
}

const QImage& FanViewRenderer::Render(FanLayout& layout, const FanViewport& view, const FanViewContent& content,
                                      const std::vector<FanFill>& fills, Detail detail) {
  const QSize size(view.width, view.height);
  if (image_.size() != size || !painter_) {
    canvas_.reset();
    if (painter_) painter_->end();
    image_ = QImage(size, QImage::Format_RGB32);
    painter_ = std::make_unique<QPainter>(&image_);
    canvas_ = std::make_unique<QPainterCanvas>(*painter_);
    canvas_->SetLineBatching(true);
  }
  canvas_->SetLegibleTextPixels(detail == Detail::Full ? kLegibleTextPixels : kMovingTextPixels);
  painter_->fillRect(QRect(QPoint(0, 0), size), Qt::white);
  DrawFanView(*canvas_, layout, view, content, fills);
  canvas_->Flush();
  return image_;
}

}  // namespace quenor
