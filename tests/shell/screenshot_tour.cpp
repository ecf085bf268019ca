// A walk through the desktop program as a user makes it, taking a picture of
// the screen at each step: run under a real X server (xvfb-run) with a folder
// for the pictures. Not a test: its pictures are looked at.
//   shell_screenshot_tour OUTPUT_FOLDER GEDCOM_FILE [GUIDE_FILE]
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "tests/support/screen_shot.h"
#include "shell/report_viewer.h"
#include "shell/taidef.h"
#include "shell/tavisf.h"
#include "shell/tmf.h"

using namespace quenor;

namespace {

QString outputFolder;

void Settle(int ms = 150) { testing::Settle(ms); }

void Shoot(const char* name) { testing::ShootScreen(outputFolder, QString::fromUtf8(name), 150); }

int64_t LineOf(TMF& window, int n) {
  char start[16];
  std::snprintf(start, sizeof start, "\n%7d  ", n);
  const std::size_t at = window.viewer().Text().find(start);
  return at == std::string_view::npos ? -1 : static_cast<int64_t>(at + 1);
}

void ClickLine(TMF& window, int n) {
  ReportViewer& viewer = window.viewer();
  const int64_t position = LineOf(window, n) + 12;
  viewer.ScrollToLine(std::max<int64_t>(0, viewer.Lines().LineOf(position) - 5));
  Settle(50);
  QTest::mouseClick(viewer.viewport(), Qt::LeftButton, {}, viewer.PointOf(position) + QPoint(1, 4));
}

void ShootMenu(TMF& window, const char* title, const char* name) {
  for (QAction* action : window.menuBar()->actions()) {
    if (action->text() != QString::fromUtf8(title)) continue;
    QMenu* menu = action->menu();
    const QRect place = window.menuBar()->actionGeometry(action);
    menu->popup(window.menuBar()->mapToGlobal(place.bottomLeft()));
    Shoot(name);
    menu->hide();
  }
}

// Shoots the next message box, then dismisses it.
void ShootNextMessage(const char* name) {
  QTimer::singleShot(400, [name] {
    Shoot(name);
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc < 3) return 2;
  outputFolder = QString::fromLocal8Bit(argv[1]);
  const QString gedcom = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(outputFolder);
  // The guide as an installed program finds it beside itself.
  if (argc > 3) QFile::copy(QString::fromLocal8Bit(argv[3]), QDir(outputFolder).filePath(QStringLiteral("qrmd.rtf")));

  TMFSettings settings;
  settings.workingDirectory = outputFolder;
  TMF window(settings);
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
  window.activateWindow();
  Settle(800);
  Shoot("01-start-documentation");
  if (window.documentationWindow()) window.documentationWindow()->close();

  QElapsedTimer timer;
  timer.start();
  window.OpenGedcomFile(gedcom);
  std::printf("load and list shown: %lld ms\n", static_cast<long long>(timer.elapsed()));
  // Showing the list again once written: the GEDCOM text, then the list.
  timer.restart();
  window.Action(MenuItem::SubGEDFormatGED)->trigger();
  window.repaint();
  std::printf("GEDCOM text shown: %lld ms\n", static_cast<long long>(timer.elapsed()));
  timer.restart();
  window.Action(MenuItem::SubGEDListe)->trigger();
  window.repaint();
  std::printf("alphabetical list shown: %lld ms\n", static_cast<long long>(timer.elapsed()));
  Shoot("02-alphabetical-list");
  ShootMenu(window, "&Fichier", "03-menu-fichier");

  window.AscProbantClick();
  ClickLine(window, 52);
  Shoot("04-probant-chosen");
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  Shoot("05-ancestry-list");
  window.Action(MenuItem::AscStat)->trigger();
  Shoot("06-statistics");
  if (window.Action(MenuItem::AscRepet)->isEnabled()) {
    window.Action(MenuItem::AscRepet)->trigger();
    Shoot("07-repeated-ancestors");
  }
  window.mConsulterClick();
  ShootMenu(window, "&Consulter", "08-menu-consulter");

  window.LiensSelect2Click();
  ClickLine(window, 52);
  Shoot("09-first-person");
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  window.selectionDialog().NoEdit->setText(QStringLiteral("57"));
  QTest::mouseClick(window.selectionDialog().ChercherBtn, Qt::LeftButton);
  Shoot("10-second-person");
  ShootNextMessage("11-kinship-message");
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  Shoot("12-kinship-result");
  window.mConsulterClick();
  window.Action(MenuItem::SubLiensSouches)->trigger();
  Shoot("13-root-ancestors");

  window.LiensSelect2Click();
  window.selectionDialog().NoEdit->setText(QStringLiteral("1"));
  QTest::mouseClick(window.selectionDialog().ChercherBtn, Qt::LeftButton);
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  window.selectionDialog().NoEdit->setText(QStringLiteral("115"));
  QTest::mouseClick(window.selectionDialog().ChercherBtn, Qt::LeftButton);
  ShootNextMessage("14-descent-message");
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  Shoot("15-descent-lines");

  window.mConsulterClick();
  window.Action(MenuItem::SubGEDListe)->trigger();
  window.SaveShownReport(QDir(outputFolder).filePath(QStringLiteral("copie-liste.txt")));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir(outputFolder).filePath(QStringLiteral("liste.pdf")));
  window.PrintShownReport(printer);
  window.Action(MenuItem::SubAscStat)->trigger();
  printer.setOutputFileName(QDir(outputFolder).filePath(QStringLiteral("statistiques.pdf")));
  window.PrintShownReport(printer);

  ShootNextMessage("16-about");
  window.AideAProposClick();
  window.close();
  return 0;
}
