#pragma once
// The run of "&Éventail": the statistics, the parameters dialog, then each
// tiled page previewed in the main window and, after "Imprimer cette
// page ?", printed as a print job of its own, or exported as an AutoCAD
// script; a progress window can stop the run between lines of work. Also
// the AutoCAD export of a double click on the status bar.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "fanchart/window/tmssgbox.h"
#include "fanchart/window/tprogresf.h"

class QImage;
class QWidget;

namespace quenor {

class FanPreview;
class PrinterChoice;
class Session;
class TEvDataF;

class FanChartRun : public QObject {
  Q_OBJECT

 public:
  // `surface` is the part of the main window that the preview covers.
  FanChartRun(Session& session, PrinterChoice& printer, QWidget& mainWindow, QWidget& surface);
  ~FanChartRun() override;

  void AscEventClick();
  void StatusBarDblClick() { ExportScript(); }

  TEvDataF& parametersDialog() { return *EvDataF; }
  int printAnswer() const { return printAnswer_; }
  TProgresF* progressWindow() const { return ProgresF; }
  // The PDF files written when printing to files, in order.
  const std::vector<QString>& printedFiles() const { return printedFiles_; }

  // The modal steps, replaced by tests: the parameters dialog, the
  // confirmation box and the choice of the script file (empty: cancelled).
  std::function<void(TEvDataF&)> runParametersDialog;
  std::function<void(TMssgBox&)> askPrintPage;
  std::function<QString()> chooseScriptFile;
  // Called once a page's preview is drawn, before the confirmation.
  std::function<void(int page, const QImage& preview)> pagePreviewed;

 private:
  void PrepareRun();
  void RunPages();
  void PreviewPage(int row, int column);
  void ConfirmPage();
  void PrintPage(int row, int column);
  void ExportScript();
  void ShowStep(const std::string& text);
  void EndRun();
  QString DefaultScriptFile();

  Session& session_;
  PrinterChoice& printer_;
  QWidget& mainWindow_;
  QWidget& surface_;
  TEvDataF* EvDataF = nullptr;
  QPointer<TProgresF> ProgresF;
  QPointer<TMssgBox> MssgBox;
  FanPreview* preview_ = nullptr;
  int printAnswer_ = 0;  // the last answer to "Imprimer cette page ?"
  std::vector<QString> printedFiles_;
};

}  // namespace quenor
