#include "platform/qt/picture_files.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>

#include "platform/atomic_file.h"
#include "platform/qt/qpainter_canvas.h"

namespace quenor {
namespace {

constexpr int kSvgResolution = 96;

QString PathOf(const std::string& path) { return QString::fromStdString(path); }

bool SaveWhole(const std::string& path, const QByteArray& bytes) {
  return WriteWholeFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

PictureFormat PictureFormatOf(const std::string& path) {
  const QString suffix = QFileInfo(PathOf(path)).suffix().toLower();
  if (suffix == QLatin1String("svg")) return PictureFormat::Svg;
  if (suffix == QLatin1String("png")) return PictureFormat::Png;
  return PictureFormat::Unknown;
}

void PaintPicture(QPainter& painter, QSize size, const PictureDrawing& drawing) {
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  QPainterCanvas canvas(painter);
  drawing(canvas, size.width(), size.height());
}

bool WriteSvgPicture(const std::string& path, QSize size, const QString& title, const PictureDrawing& drawing) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setResolution(kSvgResolution);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(title);
  generator.setDescription(QStringLiteral("Quenor"));
  QPainter painter;
  if (!painter.begin(&generator)) return false;
  PaintPicture(painter, size, drawing);
  if (!painter.end()) return false;
  return SaveWhole(path, buffer.data());
}

bool WritePngPicture(const std::string& path, QSize size, const PictureDrawing& drawing) {
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return false;
  {
    QPainter painter(&image);
    PaintPicture(painter, size, drawing);
  }
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return false;
  return SaveWhole(path, buffer.data());
}

bool PrintPicture(QPrinter& printer, const PictureDrawing& drawing) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  PaintPicture(painter, page.size(), drawing);
  return painter.end();
}

}  // namespace quenor
