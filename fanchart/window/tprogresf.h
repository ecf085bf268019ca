#pragma once
// TProgresF, "Veuillez patienter ...": the step of the fan chart run under
// way, and the "Annuler" button that stops it. Always on top, shown without
// waiting.
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;

namespace quenor {

class TProgresF : public QWidget {
  Q_OBJECT

 public:
  // `cancel` runs when "Annuler" is clicked, before the window closes.
  explicit TProgresF(std::function<void()> cancel);

  void SetStep(const QString& text);
  void AnnulerBtnClick();

  QLabel* ProgresLbl = nullptr;
  QLabel* AnnulerLbl = nullptr;
  QPushButton* AnnulerBtn = nullptr;

 private:
  std::function<void()> cancel_;
};

}  // namespace quenor
