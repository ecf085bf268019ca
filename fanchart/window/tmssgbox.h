#pragma once
// TMssgBox, "Imprimer cette page ?": "Oui" or "Non" for the page just
// previewed.
#include <QDialog>

class QPushButton;

namespace quenor {

class TMssgBox : public QDialog {
  Q_OBJECT

 public:
  // `answer` receives 1 for "Oui", 0 for "Non"; it is left as it was when the
  // box is closed otherwise.
  TMssgBox(int& answer, QWidget* parent);

  void OuiBtnClick();
  void NonBtnClick();

  QPushButton* OuiBtn = nullptr;
  QPushButton* NonBtn = nullptr;

 private:
  int& answer_;
};

}  // namespace quenor
