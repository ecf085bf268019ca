#pragma once
// TEvDataF, "Paramètres de l'éventail": what the fan chart shows and how it
// is printed, with the size of the drawing, the pages it needs and their
// sketch kept up to date as the fields change.
#include <QDialog>
#include <string>
#include <vector>

#include "fanchart/fan_dialog_figures.h"
#include "fanchart/printer_parameters.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace quenor {

class PrinterChoice;
class Session;

class TEvDataF : public QDialog {
  Q_OBJECT

 public:
  TEvDataF(Session& session, PrinterChoice& printer, QWidget* parent = nullptr);

  // Fills the fields from the session before a showing: generations, scale,
  // units back to inches, the probant line when empty.
  void Prepare();

  // Handlers.
  void FormActivate();
  void GenEditEFExit();
  void StradIniEditExit();
  void EchelleEditEFExit();
  void NoteFaculMemoEFExit();
  void UnitesRGEFClick() { Recompute(); }
  void ImprimanteBtnEFClick();
  void ScriptCBClick();
  void OKBtnEFClick();
  void AnnulerBtnEFClick();

  // The note's lines as typed (Windows-1252), empty lines included.
  std::vector<std::string> NoteLines() const;
  const FanDialogFigures& figures() const { return figures_; }

  QLineEdit* GenEditEF = nullptr;
  QLineEdit* StradIniEdit = nullptr;
  QLineEdit* TexteEditEF = nullptr;
  QPlainTextEdit* NoteFaculMemoEF = nullptr;
  QLineEdit* EchelleEditEF = nullptr;
  QRadioButton* PoucesEF = nullptr;
  QRadioButton* CentimetresEF = nullptr;
  QLabel* DimInfoLblEF = nullptr;
  QLabel* PagesInfoLblEF = nullptr;
  QPushButton* ImprimanteBtnEF = nullptr;
  QCheckBox* ScriptCB = nullptr;
  QComboBox* CouleursCBEF = nullptr;  // aucune, par génération, par lignée
  QPushButton* OKBtnEF = nullptr;
  QPushButton* AnnulerBtnEF = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();
  QGroupBox* BuildContent();
  QGroupBox* BuildDimensions();
  void Connect();
  void ReadPrinter();
  void Recompute();
  static void ClampField(QLineEdit* field, std::optional<std::string> (*clamp)(std::string_view));

  Session& session_;
  PrinterChoice& printer_;
  PrinterParameters parameters_;
  FanDialogFigures figures_;
  int32_t preparedFor_ = 0;  // the probant the probant line was made for
  QGroupBox* DimGBEF = nullptr;
  QLabel* ApercuLblEF = nullptr;
};

}  // namespace quenor
