#pragma once
// The main window with the charts: "&Éventail" and its printing run, the
// AutoCAD export of a double click on the status bar, and the organigram
// window shown after a descent search or from "&Consulter".
#include <memory>

#include "shell/tmf.h"

namespace quenor {

class FanChartRun;
class PrinterChoice;
class TOrgDescF;

class ChartsMainWindow : public TMF {
  Q_OBJECT

 public:
  explicit ChartsMainWindow(const TMFSettings& settings = TMFSettings(), QWidget* parent = nullptr);
  ~ChartsMainWindow() override;

  FanChartRun& fanChart() { return *fanChart_; }
  TOrgDescF& organigramWindow() { return *OrgDescF; }
  PrinterChoice& printerChoice() { return *printer_; }

 protected:
  void AscEventClick() override;
  void SubLiensOrgClick() override;
  void StatusBarDblClick() override;

 private:
  std::unique_ptr<PrinterChoice> printer_;
  std::unique_ptr<FanChartRun> fanChart_;
  TOrgDescF* OrgDescF = nullptr;
};

}  // namespace quenor
