#include "platform/qt/fan_chart_files.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QSvgGenerator>
#include <cmath>

#include "fanchart/fan_page.h"
#include "fanchart/fan_pages.h"
#include "platform/cp1252.h"
#include "platform/qt/atomic_file_device.h"
#include "platform/qt/qpainter_canvas.h"
#include "session/session.h"

namespace quenor {
namespace {

constexpr int kPdfResolution = 600;
constexpr int kSvgResolution = 96;

// Prepares a run on pages of pageWidth by pageHeight inches.
void PrepareRun(FanLayout& fan, double pageWidth, double pageHeight, int dpi, bool wholeOnOnePage) {
  fan.pageWidth = pageWidth;
  fan.pageHeight = pageHeight;
  fan.printerDpiX = fan.printerDpiY = dpi;
  StartFanRun(fan);
  TileFanChart(fan, wholeOnOnePage);
  fan.unitsPerInch = UnitsPerInchFor(fan.pageWidth, fan.pageHeight);
}

bool WritePdf(Session& session, const std::string& path, QSizeF paperInches, bool wholeOnOnePage) {
  AtomicFileDevice file(path);
  if (!file.IsStarted()) return false;
  FanLayout& fan = session.fan;
  PrepareRun(fan, paperInches.width(), paperInches.height(), kPdfResolution, wholeOnOnePage);
  if (wholeOnOnePage) paperInches = QSizeF(fan.pageWidth, fan.pageHeight);
  QPdfWriter writer(&file);
  writer.setResolution(kPdfResolution);
  writer.setCreator("Quenor");
  writer.setTitle(QString::fromStdString(Utf8FromCp1252(fan.probantLine)));
  writer.setPageSize(QPageSize(paperInches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter;
  if (!painter.begin(&writer)) return false;
  const int width = writer.width(), height = writer.height();
  QPainterCanvas canvas(painter);  // one for all pages: it remembers fonts and widths
  for (int row = 0; row < fan.pagesDown && fan.drawingActive; ++row) {
    for (int column = 0; column < fan.pagesAcross && fan.drawingActive; ++column) {
      if (row + column > 0) writer.newPage();
      PrintFanPage(canvas, session, row, column, width, height);
    }
  }
  return painter.end() && file.Commit();
}

}  // namespace

bool PaperSizeByName(const std::string& name, QSizeF& inches) {
  static const struct {
    const char* name;
    QPageSize::PageSizeId id;
  } kPapers[] = {{"letter", QPageSize::Letter}, {"legal", QPageSize::Legal}, {"a4", QPageSize::A4},
                 {"a3", QPageSize::A3},         {"a2", QPageSize::A2},       {"a1", QPageSize::A1},
                 {"a0", QPageSize::A0},         {"tabloid", QPageSize::Tabloid}, {"a5", QPageSize::A5}};
  const QString wanted = QString::fromStdString(name).toLower();
  for (const auto& paper : kPapers) {
    if (wanted == paper.name) {
      inches = QPageSize(paper.id).size(QPageSize::Inch);
      return true;
    }
  }
  return false;
}

bool WriteFanChartPdfPages(Session& session, const std::string& path, QSizeF paperInches) {
  return WritePdf(session, path, paperInches, false);
}

bool WriteFanChartPdfPoster(Session& session, const std::string& path) {
  return WritePdf(session, path, QSizeF(8.0, 10.0), true);
}

bool WriteFanChartSvg(Session& session, const std::string& path) {
  AtomicFileDevice file(path);
  if (!file.IsStarted()) return false;
  FanLayout& fan = session.fan;
  PrepareRun(fan, 8.0, 10.0, kSvgResolution, true);
  const int width = static_cast<int>(std::ceil(fan.pageWidth * kSvgResolution));
  const int height = static_cast<int>(std::ceil(fan.pageHeight * kSvgResolution));
  QSvgGenerator generator;
  generator.setOutputDevice(&file);
  generator.setResolution(kSvgResolution);
  generator.setSize(QSize(width, height));
  generator.setViewBox(QRect(0, 0, width, height));
  generator.setTitle(QString::fromStdString(Utf8FromCp1252(fan.probantLine)));
  generator.setDescription("Quenor");
  QPainter painter;
  if (!painter.begin(&generator)) return false;
  painter.fillRect(QRect(0, 0, width, height), Qt::white);
  QPainterCanvas canvas(painter);
  PrintFanPage(canvas, session, 0, 0, width, height);
  return painter.end() && file.Commit();
}

}  // namespace quenor
