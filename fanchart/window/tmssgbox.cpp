#include "fanchart/window/tmssgbox.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace quenor {

TMssgBox::TMssgBox(int& answer, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), answer_(answer) {
  setWindowTitle(QStringLiteral("Imprimer cette page ?"));
  auto* layout = new QHBoxLayout(this);
  OuiBtn = new QPushButton(QStringLiteral("Oui"), this);
  NonBtn = new QPushButton(QStringLiteral("Non"), this);
  layout->addWidget(OuiBtn);
  layout->addWidget(NonBtn);
  connect(OuiBtn, &QPushButton::clicked, this, [this] { OuiBtnClick(); });
  connect(NonBtn, &QPushButton::clicked, this, [this] { NonBtnClick(); });
  resize(222, 35);
}

void TMssgBox::OuiBtnClick() {
  answer_ = 1;
  accept();
}

void TMssgBox::NonBtnClick() {
  answer_ = 0;
  reject();
}

}  // namespace quenor
