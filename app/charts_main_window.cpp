#include "app/charts_main_window.h"

#include "ancestry/window/tgraphf.h"

#include "fanchart/window/fan_chart_run.h"
#include "fanchart/window/printer_choice.h"
#include "fanchart/window/tevinterf.h"
#include "kinship/window/torgdescf.h"

namespace quenor {

ChartsMainWindow::ChartsMainWindow(const TMFSettings& settings, QWidget* parent)
    : TMF(settings, parent),
      printer_(std::make_unique<PrinterChoice>(QString::fromStdString(session().workingDirectory))) {
  fanChart_ = std::make_unique<FanChartRun>(session(), *printer_, *this, *centralWidget());
  OrgDescF = new TOrgDescF(session(), *printer_, this);
  EvInterF = new TEvInterF(session(), this);
  GraphF = new TGraphF(session(), *printer_, this);
  // A probant chosen in the interactive chart is a new analysis for the other windows too.
  EvInterF->analysed = [this] { GraphF->Refresh(); };
}

ChartsMainWindow::~ChartsMainWindow() = default;

void ChartsMainWindow::AscEventClick() { fanChart_->AscEventClick(); }

void ChartsMainWindow::SubLiensOrgClick() { OrgDescF->ShowOrganigram(); }

void ChartsMainWindow::StatusBarDblClick() { fanChart_->StatusBarDblClick(); }

void ChartsMainWindow::AscEventailInteractifClick() { EvInterF->ShowFan(); }

void ChartsMainWindow::AscGraphiqueClick() { GraphF->ShowChart(); }

void ChartsMainWindow::FileOpened() {
  EvInterF->close();
  GraphF->close();
}

void ChartsMainWindow::AncestryAnalysed() {
  GraphF->Refresh();
  EvInterF->Refresh();
}

}  // namespace quenor
