// Pictures of the organigram window and its printed pages for the descents
// named on the command line, the two persons chosen as the selection dialog
// hands them over. Run under a real X server (xvfb-run) with a folder for the
// pictures and the PDF files. Not a test: its pictures are looked at.
//   organigram_screenshot_tour OUTPUT_FOLDER GEDCOM_FILE ANCESTOR DESCENDANT [ANCESTOR DESCENDANT...]
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "tests/support/screen_shot.h"
#include "app/charts_main_window.h"
#include "fanchart/window/printer_choice.h"
#include "kinship/window/torgdataf.h"
#include "kinship/window/torgdescf.h"
#include "session/kinship_choice.h"
#include "session/person_choice.h"
#include "session/session.h"
#include "tests/support/tour_window.h"

using namespace quenor;

namespace {

void Settle(int ms) { testing::Settle(ms); }

void Shoot(const QString& folder, const QString& name) { testing::ShootScreen(folder, name, 300); }

void Search(ChartsMainWindow& window, int32_t ancestor, int32_t descendant) {
  Session& session = window.session();
  session.selectionMode = 0;
  LiensSelect2Click(session);
  session.chosenLine = ListLineOf(session.index, ancestor);
  LiensSelect2Click(session);
  session.chosenLine = ListLineOf(session.index, descendant);
  LiensSelect2Click(session);
}

void Print(TOrgDescF& organigram, PrinterChoice& choice, const QString& file) {
  choice.printer().setOutputFormat(QPrinter::PdfFormat);
  choice.printer().setOutputFileName(file);
  organigram.runPrintDialog = [](TOrgDataF& dialog) {
    QTimer::singleShot(200, &dialog, [&dialog] { QTest::mouseClick(dialog.OKBtnOF, Qt::LeftButton); });
    dialog.exec();
  };
  organigram.ImprimerAction()->trigger();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc < 5) return 2;
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  ChartsMainWindow window(testing::TourSettings(folder));
  testing::ShowForTour(window);
  Settle(500);
  window.OpenGedcomFile(QString::fromLocal8Bit(argv[2]));
  for (int i = 3; i + 1 < argc; i += 2) {
    Search(window, std::atoi(argv[i]), std::atoi(argv[i + 1]));
    TOrgDescF& organigram = window.organigramWindow();
    organigram.move(20, 20);
    organigram.resize(QGuiApplication::primaryScreen()->availableGeometry().size() - QSize(40, 60));
    const QString name = QStringLiteral("org-%1-%2").arg(argv[i], argv[i + 1]);
    Shoot(folder, name);
    organigram.view().verticalScrollBar()->setValue(organigram.view().verticalScrollBar()->maximum());
    Shoot(folder, name + "-bottom");
    Print(organigram, window.printerChoice(), QDir(folder).filePath(name + ".pdf"));
  }
  return 0;
}
