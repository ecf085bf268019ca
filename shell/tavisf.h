#pragma once
// TAvisF, the person selection dialog: it stays on top of the main window
// while the user chooses a person in the alphabetical list, by a click or by
// number, shows a summary of the person chosen, and confirms or abandons.
#include <QDialog>

#include "session/person_summary.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QTextEdit;
class QPushButton;

namespace quenor {

class TAvisF : public QDialog {
  Q_OBJECT

 public:
  explicit TAvisF(QWidget* parent = nullptr);

  // Shows the instructions of a selection mode (1, 3 or 4). Modes 1 and 3
  // empty the number field and the summary; mode 4 keeps the first person's
  // name and number. "OK" is disabled.
  void Begin(int selectionMode);
  // Places the dialog by the main window's top right corner.
  void PlaceBeside(const QWidget& mainWindow);

  void ShowPersonSummary(const PersonSummary& summary);
  void EnableOk(bool on);
  void ClearNumber();
  void FocusNumber();
  QString Instructions() const;
  QString TypedNumber() const;

  // The controls, named as the program names them (tests reach them too).
  QTextEdit* AFMemo;
  QLineEdit* NoEdit;
  QPushButton* ChercherBtn;
  QLabel* InfoNomLbl;
  QLabel* InfoNaissanceLbl;
  QLabel* InfoDecesLbl;
  QLabel* InfoParentsLbl;
  QLabel* InfoConjointLbl;
  QListWidget* InfoEnfantsLB;
  QPushButton* OKBtn;
  QPushButton* AnnulerBtn;

 Q_SIGNALS:
  void SearchRequested(const QString& number);  // "Chercher" or Enter
  void OkClicked();
  void CancelClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  // FormActivate and FormClick: the number field takes the focus.
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void BuildControls();
  int MemoWidth() const;
  void ClearDetails();
};

}  // namespace quenor
