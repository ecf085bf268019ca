// quenor: the desktop program. `quenor FICHIER.ged` opens the file at start;
// `quenor --help` and `quenor --version` answer without opening a window.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "app/charts_main_window.h"
#include "platform/large_page_blocks.h"
#include "platform/version.h"
#include "shell/qt_translations.h"
#include "shell/taidef.h"

namespace {

void Print(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

QString Help() {
  const QString guide = quenor::FirstReadableCandidate(quenor::DocumentationCandidates(QDir::currentPath()));
  return QStringLiteral(
             "Usage : quenor [FICHIER.ged]\n"
             "        quenor --help | --version\n"
             "\n"
             "Analyse d'ascendance et liens de parenté à partir d'un fichier GEDCOM.\n"
             "Le programme travaille dans le répertoire d'où il est lancé : les rapports\n"
             "et le fichier d'options QROPT.DAT y sont écrits. Un FICHIER.ged nommé est\n"
             "ouvert au démarrage.\n"
             "\n"
             "Options :\n"
             "  -h, --help      affiche cette aide\n"
             "  -V, --version   affiche la version\n"
             "\n"
             "Guide de l'utilisateur : %1\n")
      .arg(guide.isEmpty() ? QStringLiteral("introuvable") : QDir::toNativeSeparators(guide));
}

// The answer to --help or --version, printed; false for any other start.
bool AnswerOption(int argc, char* argv[]) {
  if (argc != 2) return false;
  const QString option = QString::fromLocal8Bit(argv[1]);
  const bool help = option == QStringLiteral("--help") || option == QStringLiteral("-h");
  const bool version = option == QStringLiteral("--version") || option == QStringLiteral("-V");
  if (!help && !version) return false;
  QCoreApplication core(argc, argv);
  Print(help ? Help() : QStringLiteral("quenor %1\n").arg(QString::fromUtf8(quenor::kQuenorVersion)));
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  quenor::UseLargePagesForLargeBlocks();
  if (AnswerOption(argc, argv)) return 0;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quenor"));
  QApplication::setApplicationVersion(QString::fromUtf8(quenor::kQuenorVersion));
  QApplication::setDesktopFileName(QStringLiteral("quenor"));
  quenor::InstallQtTranslations(application);

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
