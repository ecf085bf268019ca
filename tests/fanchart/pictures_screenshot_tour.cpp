// A walk through the pictures of the desktop program as a user makes it,
// taking a picture of the screen at each step: the completeness chart
// window, the interactive fan chart fitted, zoomed with the wheel, moved by
// dragging, an ancestor hovered, the repeated ancestors marked, an ancestor
// made the probant by a double click, then a fan chart coloured by lineage
// printed to a PDF file. Run under a real X server (xvfb-run) with a folder
// for the pictures. Not a test: its pictures are looked at.
//   pictures_screenshot_tour OUTPUT_FOLDER GEDCOM_FILE PROBANT
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTest>
#include <QTimer>
#include <QPainter>
#include <QSvgRenderer>
#include <QWheelEvent>
#include <cmath>
#include <cstdio>

#include "tests/support/screen_shot.h"
#include "ancestry/window/tgraphf.h"
#include "app/charts_main_window.h"
#include "fanchart/fan_highlights.h"
#include "fanchart/fan_sectors.h"
#include "fanchart/window/fan_chart_run.h"
#include "fanchart/window/printer_choice.h"
#include "fanchart/window/tevdataf.h"
#include "fanchart/window/tevinterf.h"
#include "fanchart/window/tmssgbox.h"
#include "platform/qt/fan_chart_files.h"
#include "session/person_choice.h"
#include "shell/taidef.h"
#include "tests/support/tour_window.h"

using namespace quenor;

namespace {

QString outputFolder;

void Settle(int ms = 300) { testing::Settle(ms); }

void Shoot(const QString& name) { testing::ShootScreen(outputFolder, name, 300); }

constexpr int kGuideWidth = 560;

// A picture for the guide: small, in 256 colours.
void SaveForGuide(const QImage& image, const QString& name) {
  const QImage small = image.scaledToWidth(kGuideWidth, Qt::SmoothTransformation);
  small.convertToFormat(QImage::Format_RGB888).save(QDir(outputFolder).filePath(name + ".png"), "PNG", 0);  // 0: the most compressed
  std::printf("%s\n", qPrintable(name));
}

// A picture of one window alone, for the guide.
void ShootWindow(QWidget& window, const QString& name) {
  Settle();
  SaveForGuide(window.grab().toImage(), name);
}

// The chart coloured by lineage as its SVG file draws it, for the guide.
void PosterForGuide(Session& session) {
  session.fan.generationCount = 8;
  session.fan.colouring = FanColouring::Lineage;
  const QString svg = QDir(outputFolder).filePath("poster.svg");
  if (!WriteFanChartSvg(session, svg.toStdString())) return;
  QSvgRenderer renderer(svg);
  const QSize size = renderer.defaultSize().scaled(kGuideWidth * 2, 10000, Qt::KeepAspectRatio);
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  SaveForGuide(image, "guide-poster");
}

QPoint PixelOf(const FanExplorer& explorer, int32_t n) {
  const FanSector sector = SectorOf(explorer.generations(), 2.5f, n);
  const double r = (sector.innerRadius + sector.outerRadius) / 2.0, a = (sector.fromAngle + sector.toAngle) / 2.0;
  const FanViewport& view = explorer.view();
  return QPoint(static_cast<int>(view.width / 2.0 + (r * std::cos(a) - view.centreX) * view.zoom),
                static_cast<int>(view.height / 2.0 - (r * std::sin(a) - view.centreY) * view.zoom));
}

void Wheel(FanExplorer& explorer, QPoint at, int steps) {
  for (int i = 0; i < steps; ++i) {
    QWheelEvent wheel(at, explorer.mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&explorer, &wheel);
    Settle(30);
  }
}

void Drag(FanExplorer& explorer, QPoint from, QPoint by) {
  QTest::mousePress(&explorer, Qt::LeftButton, Qt::NoModifier, from);
  for (int i = 1; i <= 10; ++i) {
    QMouseEvent move(QEvent::MouseMove, from + by * i / 10, explorer.mapToGlobal(from + by * i / 10),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&explorer, &move);
    Settle(20);
  }
  QTest::mouseRelease(&explorer, Qt::LeftButton, Qt::NoModifier, from + by);
}

void InteractiveFan(ChartsMainWindow& window) {
  window.Action(MenuItem::AscEventailInteractif)->trigger();
  TEvInterF& fan = window.interactiveFan();
  fan.setGeometry(60, 40, 1480, 900);
  Settle(600);
  FanExplorer& explorer = *fan.explorer();
  Shoot("interactive-fitted");
  QTest::mouseMove(&explorer, PixelOf(explorer, 13));
  Shoot("interactive-hover");
  Wheel(explorer, PixelOf(explorer, 150), 8);
  Settle(400);
  Shoot("interactive-zoomed");
  Drag(explorer, QPoint(700, 400), QPoint(-250, 120));
  Settle(400);
  Shoot("interactive-panned");
  fan.RepetesCBEI->setChecked(true);
  // The pointer on an ancestor who appears more than once.
  bool found = false;
  for (int y = explorer.height() / 4; y < explorer.height() && !found; y += 20) {
    for (int x = explorer.width() / 4; x < explorer.width() && !found; x += 20) {
      const int32_t person = explorer.PersonAt(explorer.NumberAtPoint(QPoint(x, y)));
      if (person == 0 || PlacesOf(explorer.content().occupants, explorer.generations(), person) < 2) continue;
      QTest::mouseMove(&explorer, QPoint(x, y));
      found = true;
    }
  }
  Shoot("interactive-repeated");
  ShootWindow(fan, "guide-interactive");
  fan.AjusterBtnEI->click();
  Settle(300);
  QTest::mouseDClick(&explorer, Qt::LeftButton, Qt::NoModifier, PixelOf(explorer, 2));
  Settle(600);
  Shoot("interactive-recentred");
  fan.RepetesCBEI->setChecked(false);
  fan.close();
}

void ColouredPoster(ChartsMainWindow& window) {
  PrinterChoice& choice = window.printerChoice();
  choice.printer().setOutputFormat(QPrinter::PdfFormat);
  choice.printer().setOutputFileName(QDir(outputFolder).filePath("coloured.pdf"));
  choice.SetSetupDialog([](QPrinter&, QWidget*) { return true; });
  choice.RunSetup(nullptr);
  FanChartRun& run = window.fanChart();
  run.runParametersDialog = [](TEvDataF& dialog) {
    QTimer::singleShot(400, &dialog, [&dialog] {
      dialog.GenEditEF->setText("8");
      dialog.GenEditEFExit();
      dialog.EchelleEditEF->setText("0.30");
      dialog.EchelleEditEFExit();
      dialog.CouleursCBEF->setCurrentIndex(2);
      Shoot("poster-dialog");
      QTest::mouseClick(dialog.OKBtnEF, Qt::LeftButton);
    });
    dialog.exec();
  };
  run.askPrintPage = [](TMssgBox& box) {
    QTimer::singleShot(300, &box, [&box] {
      Shoot("poster-preview");
      QTest::mouseClick(box.OuiBtn, Qt::LeftButton);
    });
    box.exec();
  };
  window.Action(MenuItem::AscEventail)->trigger();
  for (const QString& file : run.printedFiles()) std::printf("printed %s\n", qPrintable(file));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc < 4) return 2;
  outputFolder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(outputFolder);

  ChartsMainWindow window(testing::TourSettings(outputFolder));
  testing::ShowForTour(window);
  Settle(800);

  window.OpenGedcomFile(QString::fromLocal8Bit(argv[2]));
  Session& session = window.session();
  session.selectionMode = 1;
  session.chosenLine = ListLineOf(session.index, std::atoi(argv[3]));
  window.OKBtnClick();
  Settle();

  window.Action(MenuItem::AscGraphique)->trigger();
  TGraphF& chart = window.completenessChart();
  chart.setGeometry(120, 80, 1100, 700);
  Shoot("chart-window");
  ShootWindow(chart, "guide-chart");
  chart.close();

  InteractiveFan(window);
  ColouredPoster(window);
  Shoot("after-poster");
  PosterForGuide(window.session());

  // The guide shows the pictures.
  window.AideDocClick();
  Settle(500);
  if (TAideF* guide = window.documentationWindow()) {
    guide->AideRTF->find(QStringLiteral("Dessine les indices du tableau"));
    guide->AideRTF->ensureCursorVisible();
    Shoot("guide-window");
  }
  return 0;
}
