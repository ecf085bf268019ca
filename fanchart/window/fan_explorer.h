#pragma once
// The surface of the interactive fan chart: the wheel and the pinch zoom
// about the pointer, a drag moves the chart, the ancestor under the pointer
// is told and his places marked, a double click chooses him. While the chart
// moves it is drawn quickly, in less detail; once it rests it is drawn in
// full on another thread, and the window shows that picture when it comes.
#include <QImage>
#include <QPointF>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "fanchart/fan_view.h"
#include "fanchart/window/fan_full_renderer.h"
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
  // Whether the window shows the chart as it stands drawn in full detail.
  bool ShowsFullPicture() const { return fullSerial_ == serial_; }

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
  // Its colours or marks changed: the full picture is asked for at once.
  void Restyled();
  void AskFullPicture();
  void ShowFullPicture(const QImage& picture, std::uint64_t serial);

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

  // Every change of what is drawn takes a new serial, every change of the
  // view a new view serial.
  std::uint64_t serial_ = 1;
  std::uint64_t viewSerial_ = 1;
  FanViewRenderer quick_;  // draws while the chart moves
  std::uint64_t quickSerial_ = 0;
  QImage full_;  // the last picture drawn in full that is still of the view
  std::uint64_t fullSerial_ = 0;
  std::uint64_t fullViewSerial_ = 0;
  std::unique_ptr<FanFullRenderer> fullRenderer_;  // last: stopped first
};

}  // namespace quenor
