#pragma once
// The main window's surface while the fan chart run previews its pages: it
// covers the report panes and shows the last page drawn on a white ground.
#include <QImage>
#include <QWidget>

namespace quenor {

class FanPreview : public QWidget {
  Q_OBJECT

 public:
  // Covers `host` entirely and follows its size.
  explicit FanPreview(QWidget& host);

  void ShowPage(const QImage& page);
  void Clear();
  const QImage& page() const { return page_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QImage page_;
};

}  // namespace quenor
