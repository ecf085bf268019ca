#pragma once
// The surface of the interactive fan chart: the wheel and the pinch zoom
// about the pointer, a drag moves the chart, the ancestor under the pointer
// is told and his places marked, a double click chooses him. The chart is
// drawn on a thread of its own, quickly and in less detail while it moves,
// in full once it rests; meanwhile the window shows the last picture drawn,
// moved and scaled to the view, so that a repaint never waits for a drawing.
#include <QImage>
#include <QPointF>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "fanchart/fan_view.h"
#include "fanchart/window/fan_picture_thread.h"
#include "fanchart/window/fan_view_renderer.h"

namespace quenor {

class FanExplorer : public QWidget {
  Q_OBJECT

 public:
  explicit FanExplorer(QWidget* parent = nullptr);
  ~FanExplorer() override;

  // A new chart, shown whole.
  void SetChart(const FanLayout& layout, FanViewContent content);
  void SetColouring(FanColouring colouring);
  void SetRepeatedShown(bool shown);

  void FitToWindow();
  void ZoomBy(double factor, QPointF at);
  void PanBy(QPointF delta);

  const FanViewport& view() const { return view_; }
  const FanViewContent& content() const { return *content_; }
  const FanLayout& layout() const { return layout_; }
  int generations() const { return layout_.generationCount; }
  // The Stradonitz number under a point of the surface, 0 when none.
  int32_t NumberAtPoint(QPointF point) const;
  int32_t hovered() const { return hovered_; }
  // The individual in place `number`, 0 for none.
  int32_t PersonAt(int32_t number) const;
  // The fills of the last drawing, colours of the boxes and marks.
  const std::vector<FanFill>& fills() const { return fills_; }
  // Whether the window shows the chart as it stands, in either detail, or
  // in full detail.
  bool ShowsCurrentPicture() const { return shown_.serial == serial_; }
  bool ShowsFullPicture() const { return ShowsCurrentPicture() && shown_.detail == FanViewRenderer::Detail::Full; }

 Q_SIGNALS:
  void Hovered(int32_t number);  // 0 when the pointer leaves the places
  void Chosen(int32_t number);   // a double click on a place that holds a person

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Hover(int32_t number);
  void MakeFills();
  // The chart was moved, zoomed or replaced: it is drawn quickly at once,
  // then in full once it rests.
  void Moved();
  // Its colours or marks changed: drawn again in the detail of the moment.
  void Restyled();
  void AskPicture(FanViewRenderer::Detail detail);
  void ShowPicture(const FanPicture& picture);

  FanLayout layout_;
  std::shared_ptr<const FanViewContent> content_;
  FanViewport view_;
  FanColouring colouring_ = FanColouring::None;
  bool repeatedShown_ = false;
  int32_t hovered_ = 0;
  std::vector<FanFill> fills_;
  QTimer rest_;
  bool dragging_ = false;
  QPointF lastDrag_;

  // Every change of what is drawn takes a new serial.
  std::uint64_t serial_ = 1;
  FanPicture shown_;  // the latest picture drawn
  std::unique_ptr<FanPictureThread> drawing_;  // last: stopped first
};

}  // namespace quenor
