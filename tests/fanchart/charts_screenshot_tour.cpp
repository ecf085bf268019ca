// A walk through the charts of the desktop program as a user makes it,
// taking a picture of the screen at each step: a 6- and a 12-generation fan
// chart previewed page by page and printed to PDF files, then a descent
// organigram shown, scrolled and printed. Run under a real X server
// (xvfb-run) with a folder for the pictures and the PDF files. Not a test:
// its pictures are looked at.
//   charts_screenshot_tour OUTPUT_FOLDER GEDCOM_FILE PROBANT ANCESTOR DESCENDANT
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "tests/support/screen_shot.h"
#include "app/charts_main_window.h"
#include "fanchart/window/fan_chart_run.h"
#include "fanchart/window/printer_choice.h"
#include "fanchart/window/tevdataf.h"
#include "kinship/window/torgdataf.h"
#include "kinship/window/torgdescf.h"
#include "shell/report_viewer.h"
#include "shell/tavisf.h"
#include "tests/support/tour_window.h"

using namespace quenor;

namespace {

QString outputFolder;

// The PDF file the next prints go to, as if chosen in the printer dialog.
void PrintTo(ChartsMainWindow& window, const QString& name) {
  PrinterChoice& choice = window.printerChoice();
  choice.printer().setOutputFormat(QPrinter::PdfFormat);
  choice.printer().setOutputFileName(QDir(outputFolder).filePath(name));
  choice.SetSetupDialog([](QPrinter&, QWidget*) { return true; });
  choice.RunSetup(nullptr);
}

void Settle(int ms = 200) { testing::Settle(ms); }

void Shoot(const QString& name) { testing::ShootScreen(outputFolder, name, 200); }

void ClickLine(TMF& window, int n) {
  char start[16];
  std::snprintf(start, sizeof start, "\n%7d  ", n);
  ReportViewer& viewer = window.viewer();
  std::size_t at = viewer.Text().find(start);
  if (at == std::string_view::npos) return;
  int64_t position = static_cast<int64_t>(at + 1) + 12;
  viewer.ScrollToLine(std::max<int64_t>(0, viewer.Lines().LineOf(position) - 5));
  Settle(50);
  QTest::mouseClick(viewer.viewport(), Qt::LeftButton, {}, viewer.PointOf(position) + QPoint(1, 4));
}

// The fan chart with `generations` at `scale`: every page previewed, a
// picture of each, and every page printed.
void FanChart(ChartsMainWindow& window, const char* generations, const char* scale, const QString& name) {
  FanChartRun& run = window.fanChart();
  run.runParametersDialog = [=](TEvDataF& dialog) {
    QTimer::singleShot(400, &dialog, [=, &dialog] {
      dialog.GenEditEF->setText(generations);
      dialog.GenEditEFExit();
      dialog.EchelleEditEF->setText(scale);
      dialog.EchelleEditEFExit();
      Shoot(name + "-dialog");
      QTest::mouseClick(dialog.OKBtnEF, Qt::LeftButton);
    });
    dialog.exec();
  };
  int page = 0;
  QElapsedTimer clock;
  clock.start();
  // The time from the answer to the previous page to the next preview drawn:
  // the previous page's printing and this page's preview.
  run.pagePreviewed = [&clock](int shown, const QImage&) {
    std::printf("  page %d previewed %lld ms after the last answer\n", shown,
                static_cast<long long>(clock.elapsed()));
  };
  run.askPrintPage = [&page, &clock, name](TMssgBox& box) {
    ++page;
    QTimer::singleShot(300, &box, [&page, name, &box] {
      Shoot(QStringLiteral("%1-page%2").arg(name).arg(page));
      QTest::mouseClick(box.OuiBtn, Qt::LeftButton);
    });
    box.exec();
    clock.restart();
  };
  window.Action(MenuItem::AscEventail)->trigger();
  Shoot(name + "-after");
  std::printf("  %d files printed so far\n", static_cast<int>(run.printedFiles().size()));
}

void Organigram(ChartsMainWindow& window, int ancestor, int descendant) {
  window.LiensSelect2Click();
  ClickLine(window, ancestor);
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  Settle();
  ClickLine(window, descendant);
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  Settle(500);
  TOrgDescF& organigram = window.organigramWindow();
  organigram.resize(900, 700);
  organigram.move(150, 80);
  Shoot("org-shown");
  organigram.resize(360, 300);
  organigram.view().verticalScrollBar()->setValue(organigram.view().verticalScrollBar()->maximum() / 2);
  organigram.view().horizontalScrollBar()->setValue(organigram.view().horizontalScrollBar()->maximum() / 2);
  Shoot("org-scrolled");
  organigram.runPrintDialog = [](TOrgDataF& dialog) {
    QTimer::singleShot(400, &dialog, [&dialog] {
      dialog.EchelleEditOF->setText("2.00");
      dialog.EchelleEditOFExit();
      Shoot("org-print-dialog");
      QTest::mouseClick(dialog.OKBtnOF, Qt::LeftButton);
    });
    dialog.exec();
  };
  organigram.ImprimerAction()->trigger();
  Shoot("org-printed");
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc < 6) return 2;
  outputFolder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(outputFolder);

  ChartsMainWindow window(testing::TourSettings(outputFolder));
  testing::ShowForTour(window);
  Settle(800);

  window.OpenGedcomFile(QString::fromLocal8Bit(argv[2]));
  window.AscProbantClick();
  ClickLine(window, atoi(argv[3]));
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  Settle();

  PrintTo(window, "fan6.pdf");
  FanChart(window, "6", "1.00", "fan6");
  PrintTo(window, "fan12.pdf");
  FanChart(window, "12", "0.50", "fan12");
  PrintTo(window, "organigram.pdf");
  Organigram(window, atoi(argv[4]), atoi(argv[5]));
  return 0;
}
