#pragma once
// TOrgDataF, "Paramètres de la descente ": the scale and units of the printed
// organigram, the size of the drawing, the pages it needs and their sketch.
#include <QDialog>

#include "kinship/organigram_print_layout.h"
#include "kinship/organigram_text.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quenor {

class PrinterChoice;
class Session;

class TOrgDataF : public QDialog {
  Q_OBJECT

 public:
  TOrgDataF(Session& session, PrinterChoice& printer, QWidget* parent = nullptr);

  // Fills the fields from the session's scale and units before a showing.
  void Prepare(const OrganigramText* text, const OrganigramNameFit* fit = nullptr);

  void FormActivate();
  void EchelleEditOFExit();
  void UnitesRGOFClick() { Recompute(); }
  void ImprimanteBtnOFClick();
  void OKBtnOFClick();
  void AnnulerBtnOFClick();

  QLineEdit* EchelleEditOF = nullptr;
  QRadioButton* PoucesOF = nullptr;
  QRadioButton* CentimetresOF = nullptr;
  QLabel* DimInfoLblOF = nullptr;
  QLabel* PagesInfoLblOF = nullptr;
  QPushButton* ImprimanteBtnOF = nullptr;
  QPushButton* OKBtnOF = nullptr;
  QPushButton* AnnulerBtnOF = nullptr;

  const OrganigramDialogFigures& figures() const { return figures_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Build();
  void ReadPrinter();
  void Recompute();

  Session& session_;
  PrinterChoice& printer_;
  const OrganigramText* text_ = nullptr;
  const OrganigramNameFit* fit_ = nullptr;
  OrganigramDialogFigures figures_;
  QGroupBox* DimGBOF = nullptr;
  QLabel* ApercuLblOF = nullptr;
};

}  // namespace quenor
