#include "fanchart/window/fan_explorer.h"

#include <QGestureEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QPinchGesture>
#include <QWheelEvent>
#include <cmath>

#include "fanchart/fan_highlights.h"

namespace quenor {
namespace {

constexpr double kWheelStep = 1.0015;  // per eighth of a degree of the wheel
constexpr double kKeyZoom = 1.25;
constexpr double kKeyPan = 60.0;
constexpr int kRestMs = 150;  // the chart rests once nothing moved it for this long

}  // namespace

FanExplorer::FanExplorer(QWidget* parent) : QWidget(parent), content_(std::make_shared<FanViewContent>()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(300, 200);
  grabGesture(Qt::PinchGesture);
  rest_.setSingleShot(true);
  rest_.setInterval(kRestMs);
  connect(&rest_, &QTimer::timeout, this, [this] { AskPicture(FanViewRenderer::Detail::Full); });
  view_ = FitFanView(layout_.generationCount, width(), height());
  // The picture comes back on the drawing thread and is shown on the
  // window's; none comes once the window is gone.
  drawing_ = std::make_unique<FanPictureThread>([this](const FanPicture& picture) {
    QMetaObject::invokeMethod(this, [this, picture] { ShowPicture(picture); }, Qt::QueuedConnection);
  });
}

FanExplorer::~FanExplorer() {
  drawing_.reset();
}

void FanExplorer::SetChart(const FanLayout& layout, FanViewContent content) {
  layout_ = layout;
  content_ = std::make_shared<const FanViewContent>(std::move(content));
  // Nothing of the previous chart is shown, even if drawn after this.
  shown_ = FanPicture();
  shown_.serial = ++serial_;
  shown_.detail = FanViewRenderer::Detail::Moving;
  hovered_ = 0;
  MakeFills();
  FitToWindow();
}

void FanExplorer::SetColouring(FanColouring colouring) {
  colouring_ = colouring;
  MakeFills();
  Restyled();
}

void FanExplorer::SetRepeatedShown(bool shown) {
  repeatedShown_ = shown;
  MakeFills();
  Restyled();
}

void FanExplorer::MakeFills() {
  const int g = layout_.generationCount;
  fills_ = ColouringFills(colouring_, content_->occupants, g);
  if (repeatedShown_) {
    const std::vector<FanFill> repeated = RepeatedAncestorFills(content_->occupants, g);
    fills_.insert(fills_.end(), repeated.begin(), repeated.end());
  }
  if (PersonAt(hovered_) != 0) {
    const std::vector<FanFill> chosen = PersonFills(content_->occupants, g, PersonAt(hovered_), kChosenAncestorColour);
    fills_.insert(fills_.end(), chosen.begin(), chosen.end());
  }
}

void FanExplorer::FitToWindow() {
  view_ = FitFanView(layout_.generationCount, width(), height());
  Moved();
}

void FanExplorer::Moved() {
  ++serial_;
  AskPicture(FanViewRenderer::Detail::Moving);
  rest_.start();
  update();
}

void FanExplorer::Restyled() {
  ++serial_;
  AskPicture(rest_.isActive() ? FanViewRenderer::Detail::Moving : FanViewRenderer::Detail::Full);
}

void FanExplorer::AskPicture(FanViewRenderer::Detail detail) {
  drawing_->Request({layout_, view_, devicePixelRatioF(), content_, fills_, detail, serial_});
}

void FanExplorer::ShowPicture(const FanPicture& picture) {
  // Pictures come in the order they were asked for; one of a view already
  // left is still nearer to it than the last one shown.
  if (picture.serial < shown_.serial) return;
  shown_ = picture;
  update();
}

void FanExplorer::ZoomBy(double factor, QPointF at) {
  view_ = ZoomFanView(view_, layout_.generationCount, factor, at.x(), at.y());
  Moved();
}

void FanExplorer::PanBy(QPointF delta) {
  view_ = PanFanView(view_, delta.x(), delta.y());
  Moved();
}

int32_t FanExplorer::NumberAtPoint(QPointF point) const {
  return NumberAtPixel(view_, layout_.generationCount, point.x(), point.y());
}

int32_t FanExplorer::PersonAt(int32_t number) const {
  return number >= 0 && static_cast<std::size_t>(number) < content_->occupants.size() ? content_->occupants[number] : 0;
}

void FanExplorer::Hover(int32_t number) {
  if (number == hovered_) return;
  const int32_t before = PersonAt(hovered_);
  hovered_ = number;
  // The marks move only when the pointer goes to another person.
  if (PersonAt(hovered_) != before) {
    MakeFills();
    Restyled();
  }
  Q_EMIT Hovered(number);
}

void FanExplorer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const FanViewShift shift = ShiftBetween(shown_.view, view_);
  const bool inPlace = shift.scale == 1.0 && shift.dx == 0.0 && shift.dy == 0.0 &&
                       shown_.image.deviceIndependentSize() == QSizeF(size());
  if (!inPlace) painter.fillRect(rect(), Qt::white);
  if (shown_.image.isNull()) return;
  painter.translate(shift.dx, shift.dy);
  painter.scale(shift.scale, shift.scale);
  painter.drawImage(0, 0, shown_.image);
}

void FanExplorer::resizeEvent(QResizeEvent* event) {
  const bool first = view_.width <= 1;
  view_ = ResizeFanView(view_, width(), height());
  if (first) {
    FitToWindow();
  } else {
    Moved();
  }
  QWidget::resizeEvent(event);
}

void FanExplorer::wheelEvent(QWheelEvent* event) {
  ZoomBy(std::pow(kWheelStep, event->angleDelta().y()), event->position());
  event->accept();
}

bool FanExplorer::event(QEvent* event) {
  if (event->type() == QEvent::NativeGesture) {
    auto* gesture = static_cast<QNativeGestureEvent*>(event);
    if (gesture->gestureType() == Qt::ZoomNativeGesture) {
      ZoomBy(1.0 + gesture->value(), gesture->position());
      return true;
    }
  }
  if (event->type() == QEvent::Gesture) {
    auto* gestures = static_cast<QGestureEvent*>(event);
    if (auto* pinch = static_cast<QPinchGesture*>(gestures->gesture(Qt::PinchGesture))) {
      if (pinch->changeFlags() & QPinchGesture::ScaleFactorChanged)
        ZoomBy(pinch->scaleFactor(), mapFromGlobal(pinch->centerPoint()));
      gestures->accept(pinch);
      return true;
    }
  }
  return QWidget::event(event);
}

void FanExplorer::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragging_ = true;
    lastDrag_ = event->position();
    setCursor(Qt::ClosedHandCursor);
  }
}

void FanExplorer::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    PanBy(event->position() - lastDrag_);
    lastDrag_ = event->position();
    return;
  }
  Hover(NumberAtPoint(event->position()));
}

void FanExplorer::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  unsetCursor();
}

void FanExplorer::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int32_t number = NumberAtPoint(event->position());
  if (PersonAt(number) != 0) Q_EMIT Chosen(number);
}

void FanExplorer::leaveEvent(QEvent* event) {
  if (!dragging_) Hover(0);
  QWidget::leaveEvent(event);
}

void FanExplorer::keyPressEvent(QKeyEvent* event) {
  const QPointF middle(width() / 2.0, height() / 2.0);
  switch (event->key()) {
    case Qt::Key_Plus: ZoomBy(kKeyZoom, middle); return;
    case Qt::Key_Minus: ZoomBy(1.0 / kKeyZoom, middle); return;
    case Qt::Key_Left: PanBy({kKeyPan, 0}); return;
    case Qt::Key_Right: PanBy({-kKeyPan, 0}); return;
    case Qt::Key_Up: PanBy({0, kKeyPan}); return;
    case Qt::Key_Down: PanBy({0, -kKeyPan}); return;
    case Qt::Key_0:
    case Qt::Key_Home: FitToWindow(); return;
    default: QWidget::keyPressEvent(event);
  }
}

}  // namespace quenor
