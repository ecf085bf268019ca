#pragma once
// The surface of the interactive fan chart: the wheel and the pinch zoom
// about the pointer, a drag moves the chart, the ancestor under the pointer
// is told and his places marked, a double click chooses him.
#include <QPointF>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "fanchart/fan_view.h"
#include "fanchart/window/fan_view_renderer.h"

namespace quenor {

class FanExplorer : public QWidget {
  Q_OBJECT

 public:
  explicit FanExplorer(QWidget* parent = nullptr);

  // A new chart, shown whole.
  void SetChart(const FanLayout& layout, FanViewContent content);
  void SetColouring(FanColouring colouring);
  void SetRepeatedShown(bool shown);

  void FitToWindow();
  void ZoomBy(double factor, QPointF at);
  void PanBy(QPointF delta);

  const FanViewport& view() const { return view_; }
  const FanViewContent& content() const { return content_; }
  const FanLayout& layout() const { return layout_; }
  int generations() const { return layout_.generationCount; }
  // The Stradonitz number under a point of the surface, 0 when none.
  int32_t NumberAtPoint(QPointF point) const;
  int32_t hovered() const { return hovered_; }
  // The individual in place `number`, 0 for none.
  int32_t PersonAt(int32_t number) const;
  // The fills of the last drawing, colours of the boxes and marks.
  const std::vector<FanFill>& fills() const { return fills_; }

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
  // Repaints quickly while the chart moves, then in full once it rests.
  void Moved();

  FanLayout layout_;
  FanViewContent content_;
  FanViewport view_;
  FanColouring colouring_ = FanColouring::None;
  bool repeatedShown_ = false;
  int32_t hovered_ = 0;
  std::vector<FanFill> fills_;
  FanViewRenderer renderer_;
  FanViewRenderer::Detail detail_ = FanViewRenderer::Detail::Full;
  QTimer rest_;
  bool dragging_ = false;
  QPointF lastDrag_;
};

}  // namespace quenor
