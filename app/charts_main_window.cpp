#include "app/charts_main_window.h"

#include "fanchart/window/fan_chart_run.h"
#include "fanchart/window/printer_choice.h"
#include "kinship/window/torgdescf.h"

namespace quenor {

ChartsMainWindow::ChartsMainWindow(const TMFSettings& settings, QWidget* parent)
    : TMF(settings, parent),
      printer_(std::make_unique<PrinterChoice>(QString::fromStdString(session().workingDirectory))) {
  fanChart_ = std::make_unique<FanChartRun>(session(), *printer_, *this, *centralWidget());
  OrgDescF = new TOrgDescF(session(), *printer_, this);
}

ChartsMainWindow::~ChartsMainWindow() = default;

void ChartsMainWindow::AscEventClick() { fanChart_->AscEventClick(); }

void ChartsMainWindow::SubLiensOrgClick() { OrgDescF->ShowOrganigram(); }

void ChartsMainWindow::StatusBarDblClick() { fanChart_->StatusBarDblClick(); }

}  // namespace quenor
