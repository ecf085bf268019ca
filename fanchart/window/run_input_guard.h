#pragma once
// While the fan chart run pumps events between its lines of work, only the
// windows of the run (the progress window and the confirmation box) receive
// the user's clicks and keys; the main window's menus wait for the run's end.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace quenor {

class RunInputGuard : public QObject {
  Q_OBJECT

 public:
  RunInputGuard();
  ~RunInputGuard() override;

  void Allow(QWidget* window) { allowed_.emplace_back(window); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Allowed(QObject* watched) const;

  std::vector<QPointer<QWidget>> allowed_;
};

}  // namespace quenor
