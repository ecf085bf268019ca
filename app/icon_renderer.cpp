// quenor-icon-renderer SVG FOLDER SIZE...: draws the program's scalable icon
// as FOLDER/SIZExSIZE/apps/quenor.png for each size, at build time, so that
// the SVG stays the one source of the icon.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool Render(QSvgRenderer& svg, const QString& folder, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.render(&painter);
  painter.end();
  const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
  return QDir().mkpath(sizeFolder) && image.save(sizeFolder + QStringLiteral("/quenor.png"), "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc < 4) {
    std::fputs("Usage : quenor-icon-renderer ICÔNE.svg DOSSIER TAILLE...\n", stderr);
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "quenor-icon-renderer : %s n'est pas une image SVG lisible\n", argv[1]);
    return 1;
  }
  const QString folder = QString::fromLocal8Bit(argv[2]);
  for (int i = 3; i < argc; ++i) {
    const int size = QString::fromLatin1(argv[i]).toInt();
    if (size <= 0 || !Render(svg, folder, size)) {
      std::fprintf(stderr, "quenor-icon-renderer : impossible d'écrire l'icône de taille %s\n", argv[i]);
      return 1;
    }
  }
  return 0;
}
