// quenor: the desktop program. `quenor FICHIER.ged` opens the file at start.
#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>

#include "app/charts_main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quenor"));
  QApplication::setApplicationVersion(QStringLiteral("3.3"));
  QApplication::setDesktopFileName(QStringLiteral("quenor"));

  quenor::ChartsMainWindow window;
  // The size it keeps where no window manager maximizes it.
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.showMaximized();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    const QString path = QFileInfo(arguments.at(1)).absoluteFilePath();
    QTimer::singleShot(0, &window, [&window, path] { window.OpenGedcomFile(path); });
  }
  return QApplication::exec();
}
