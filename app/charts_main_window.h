#pragma once
// The main window with the charts: "&Éventail" and its printing run, the
// AutoCAD export of a double click on the status bar, the organigram window
// shown after a descent search or from "&Consulter", the interactive fan
// chart and the completeness and implex chart.
#include <memory>

#include "shell/tmf.h"

namespace quenor {

class FanChartRun;
class PrinterChoice;
class TEvInterF;
class TGraphF;
class TOrgDescF;

class ChartsMainWindow : public TMF {
  Q_OBJECT

 public:
  explicit ChartsMainWindow(const TMFSettings& settings = TMFSettings(), QWidget* parent = nullptr);
  ~ChartsMainWindow() override;

  FanChartRun& fanChart() { return *fanChart_; }
  TOrgDescF& organigramWindow() { return *OrgDescF; }
  PrinterChoice& printerChoice() { return *printer_; }
  TEvInterF& interactiveFan() { return *EvInterF; }
  TGraphF& completenessChart() { return *GraphF; }

 protected:
  void AscEventClick() override;
  void SubLiensOrgClick() override;
  void StatusBarDblClick() override;
  void AscEventailInteractifClick() override;
  void AscGraphiqueClick() override;
  void AncestryAnalysed() override;
  void FileOpened() override;

 private:
  std::unique_ptr<PrinterChoice> printer_;
  std::unique_ptr<FanChartRun> fanChart_;
  TOrgDescF* OrgDescF = nullptr;
  TEvInterF* EvInterF = nullptr;
  TGraphF* GraphF = nullptr;
};

}  // namespace quenor
