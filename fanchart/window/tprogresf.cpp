#include "fanchart/window/tprogresf.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quenor {

TProgresF::TProgresF(std::function<void()> cancel)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint),
      cancel_(std::move(cancel)) {
  setWindowTitle(QStringLiteral("Veuillez patienter ..."));
  setAttribute(Qt::WA_ShowWithoutActivating);
  auto* layout = new QVBoxLayout(this);
  ProgresLbl = new QLabel(this);
  AnnulerLbl = new QLabel(QStringLiteral("Pour arrêter le travail, cliquez sur Annuler"), this);
  AnnulerBtn = new QPushButton(QStringLiteral("Annuler"), this);
  layout->addWidget(ProgresLbl);
  layout->addWidget(AnnulerLbl);
  layout->addWidget(AnnulerBtn, 0, Qt::AlignHCenter);
  connect(AnnulerBtn, &QPushButton::clicked, this, [this] { AnnulerBtnClick(); });
  resize(222, 103);
}

void TProgresF::SetStep(const QString& text) {
  ProgresLbl->setText(text);
  ProgresLbl->repaint();
}

void TProgresF::AnnulerBtnClick() {
  if (cancel_) cancel_();
  close();
}

}  // namespace quenor
