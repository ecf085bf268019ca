// A walk through the degrees of kinship and the consanguinity as a user
// makes it, taking a picture of the screen at each step: run under a real X
// server (xvfb-run). Not a test: its pictures are looked at.
//   consanguinity_tour OUTPUT_FOLDER GEDCOM_FILE PROBANT PERSON1 PERSON2 [GUIDE_FILE]
// The three reports are also saved and printed to PDF in OUTPUT_FOLDER; with
// the guide, its pages on the degrees of kinship are shown last.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
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

void Shoot(const QString& name) { testing::ShootScreen(outputFolder, name, 150); }

// Opens a menu of the menu bar, and a submenu of it when `submenu` is given.
void ShootMenu(TMF& window, const char* title, QMenu* submenu, const QString& name) {
  for (QAction* action : window.menuBar()->actions()) {
    if (action->text() != QString::fromUtf8(title)) continue;
    QMenu* menu = action->menu();
    menu->popup(window.menuBar()->mapToGlobal(window.menuBar()->actionGeometry(action).bottomLeft()));
    Settle();
    if (submenu != nullptr) {
      menu->setActiveAction(submenu->menuAction());
      submenu->popup(menu->mapToGlobal(menu->actionGeometry(submenu->menuAction()).topRight()));
    }
    Shoot(name);
    if (submenu != nullptr) submenu->hide();
    menu->hide();
  }
}

// Dismisses each message box that opens, after its picture.
void ShootMessages(const QString& name) {
  QTimer::singleShot(500, [name] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      Shoot(name);
      box->close();
      ShootMessages(name + QStringLiteral("-suite"));
    }
  });
}

void Choose(TMF& window, const char* number) {
  window.selectionDialog().NoEdit->setText(QString::fromUtf8(number));
  QTest::mouseClick(window.selectionDialog().ChercherBtn, Qt::LeftButton);
  Settle(100);
}

void SaveAndPrint(TMF& window, const char* name) {
  window.SaveShownReport(QDir(outputFolder).filePath(QString::fromUtf8(name) + QStringLiteral(".txt")));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir(outputFolder).filePath(QString::fromUtf8(name) + QStringLiteral(".pdf")));
  window.PrintShownReport(printer);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc < 6) return 2;
  outputFolder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(outputFolder);
  TMFSettings settings;
  settings.workingDirectory = outputFolder;
  settings.documentationAtFirstActivation = false;
  TMF window(settings);
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
  window.activateWindow();
  Settle(800);
  window.OpenGedcomFile(QString::fromLocal8Bit(argv[2]));

  window.AscProbantClick();
  Choose(window, argv[3]);
  Shoot(QStringLiteral("c01-probant"));
  ShootMessages(QStringLiteral("c02-message-analyse"));
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  Settle(800);
  ShootMenu(window, "&Ascendance", nullptr, QStringLiteral("c03-menu-ascendance"));
  window.Action(MenuItem::AscConsang)->trigger();
  Shoot(QStringLiteral("c04-consanguinite-probant"));
  SaveAndPrint(window, "Consang");

  window.LiensSelect2Click();
  Choose(window, argv[4]);
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  Choose(window, argv[5]);
  ShootMessages(QStringLiteral("c05-message-liens"));
  QTest::mouseClick(window.selectionDialog().OKBtn, Qt::LeftButton);
  Settle(800);
  ShootMenu(window, "&Liens de parenté", nullptr, QStringLiteral("c06-menu-liens"));
  window.Action(MenuItem::LiensDegres)->trigger();
  Shoot(QStringLiteral("c07-degres-de-parente"));
  SaveAndPrint(window, "Parente");

  window.mConsulterClick();
  ShootMenu(window, "&Consulter", window.Menu(MenuItem::ConsGED), QStringLiteral("c08-menu-consulter-fichier"));
  ShootMenu(window, "&Consulter", window.Menu(MenuItem::ConsLiens), QStringLiteral("c09-menu-consulter-liens"));
  ShootMenu(window, "&Consulter", window.Menu(MenuItem::ConsAsc), QStringLiteral("c09-menu-consulter-ascendance"));
  ShootMessages(QStringLiteral("c10-message-tous"));
  window.Action(MenuItem::SubGEDConsang)->trigger();
  Settle(800);
  Shoot(QStringLiteral("c11-consanguinite-de-tous"));
  SaveAndPrint(window, "LstConsg");

  if (argc > 6) {
    QFile::copy(QString::fromLocal8Bit(argv[6]), QDir(outputFolder).filePath(QStringLiteral("qrmd.rtf")));
    window.AideDocClick();
    Settle(800);
    if (TAideF* guide = window.documentationWindow()) {
      int page = 12;
      for (const char* heading : {"Degrés de parenté", "Les noms des liens de parenté", "Exemple : la famille Martin"}) {
        guide->AideRTF->moveCursor(QTextCursor::End);
        guide->AideRTF->find(QString::fromUtf8(heading), QTextDocument::FindBackward);
        Shoot(QStringLiteral("c%1-guide").arg(page++));
      }
    }
  }
  window.close();
  return 0;
}
