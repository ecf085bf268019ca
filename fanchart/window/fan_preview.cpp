#include "fanchart/window/fan_preview.h"

#include <QEvent>
#include <QPainter>

namespace quenor {

FanPreview::FanPreview(QWidget& host) : QWidget(&host) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(host.rect());
  host.installEventFilter(this);
}

void FanPreview::ShowPage(const QImage& page) {
  page_ = page;
  repaint();
}

void FanPreview::Clear() {
  page_ = QImage();
  update();
}

void FanPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!page_.isNull()) painter.drawImage(0, 0, page_);
}

bool FanPreview::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

}  // namespace quenor
